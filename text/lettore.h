#ifndef QUADRIVO_TEXT_LETTORE_H
#define QUADRIVO_TEXT_LETTORE_H

#include <cstddef>
#include <string>

#include "text/limiti.h"
#include "text/stringa.h"

namespace quadrivo {

class CBlocco;
class CErrore;

// Reads a questionnaire or student file, optionally through the unscrambling
// map, skips to tags and cuts top-level sections out into blocks with their
// line numbers. The whole file is read into memory when it is opened. The error code is sticky: after a
// failure every SkipTo and ReadSection returns it until Reopen.
// errors must outlive the reader. Not copyable.
class CLettore {
public:
    // Reads the file at once: error 3 (reported) when it cannot be opened,
    // 5 (reported) when it does not fit in memory.
    CLettore(CErrore* errors, const CStringa& fileName);
    ~CLettore();
    CLettore(const CLettore&) = delete;
    CLettore& operator=(const CLettore&) = delete;

    int Reopen();  // reads the file again from its start, line 1; 0, 3 or 5
    // Back to the start of the text already read, line 1, as Reopen but
    // without reading the file again; it does read it again once a section
    // has been cut out or the text mapped, since both change it in place.
    int Rewind();
    void SetScrambled(int flag);
    int Error() const;
    void GetLines(int& first, int& current) const;
    // The next character; callers test for end of file first.
    unsigned char ReadChar();
    // Skips past pattern (without regard to case): 0, or 8 at end of file
    // (with report: 9 with the lines searched, then 8 with the pattern).
    int SkipTo(const CStringa& pattern, bool report);
    // Reads the section <name>...</name> into out, comments removed:
    // 0; 6 when the opening tag is missing (reported only with report);
    // 8 when the closing one is (9, then 8 with the closing tag); 4 when the
    // section reaches MAX_SECTION_TEXT characters (4 with the file name); 5
    // when memory runs out (5). A section that has begun and cannot be read
    // is always reported: only its absence can be an expected end.
    int ReadSection(const CStringa& name, CBlocco& out, bool report);

    // Every later SkipTo also looks out for pattern (without regard to case)
    // among the characters it passes over; WatchSeen tells whether the last
    // one met it. Loaders use it to tell a file that ends where its writer
    // ended it from one that was cut.
    void Watch(const CStringa& pattern);
    bool WatchSeen() const;

private:
    // Error 8 for a missing tag, with messages 9 and 8 when report is set.
    int MissingTag(const CStringa& tag, bool report);
    // Reads the whole file into text_ (mapped when scrambled), from line 1.
    void Open();
    // Moves next_ to the first position before limit whose character folds
    // to lowered (or to limit), counting the lines it passes.
    void SkipToCandidate(unsigned char lowered, std::size_t limit);

    CErrore* errors_;
    int scrambled_ = 0;
    CStringa fileName_;
    int error_ = 0;
    std::string text_;      // the file; empty when it could not be read
    std::size_t next_ = 0;  // the next character to read
    bool mapped_ = false;   // text_ holds the unscrambled characters
    bool cut_ = false;      // a section's comments were removed in text_
    CStringa sectionName_;  // the name of the last section read, and its tags
    CStringa openTag_;
    CStringa closeTag_;
    CStringa watch_;
    unsigned watchMatched_ = 0;
    bool watchSeen_ = false;
    int firstLine_ = 1;
    int currentLine_ = 1;
};

}  // namespace quadrivo

#endif
