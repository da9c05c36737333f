#ifndef QUADRIVO_TSTFILE_LETTORE_H
#define QUADRIVO_TSTFILE_LETTORE_H

#include <cstdio>

#include "text/stringa.h"

class CBlocco;
class CErrore;

// Limits of questionnaire and student files.
constexpr int MAX_SECTION_TEXT = 32767;   // a top-level section, content plus closing tag, stays below
constexpr int MAX_QUESTIONS = 800;
constexpr int MAX_STUDENTS = 200;
constexpr int MAX_ANSWERS = 20;

// Reads a questionnaire or student file one character at a time, optionally
// through the unscrambling map, skips to tags and cuts top-level sections
// out into blocks with their line numbers. The error code is sticky: after a
// failure every SkipTo and ReadSection returns it until Reopen.
// errors must outlive the reader. Not copyable.
class CLettore {
public:
    // Opens the file at once: error 3 when it cannot be opened, 5 when the
    // text buffer cannot be allocated (both reported).
    CLettore(CErrore* errors, const CStringa& fileName);
    ~CLettore();
    CLettore(const CLettore&) = delete;
    CLettore& operator=(const CLettore&) = delete;

    int Reopen();   // back to the start, line 1; 0 or 3
    void SetScrambled(int flag);
    int Error() const;
    void GetLines(int& first, int& current) const;
    // The next character; callers test for end of file first.
    unsigned char ReadChar();
    // Skips past pattern (without regard to case): 0, or 8 at end of file
    // (with report: 9 with the lines searched, then 8 with the pattern).
    int SkipTo(const CStringa& pattern, bool report);
    // Reads the section <name>...</name> into out, comments removed:
    // 0; 6 when the opening tag is missing; 8 when the closing one is;
    // 4 when the section reaches MAX_SECTION_TEXT characters.
    int ReadSection(const CStringa& name, CBlocco& out, bool report);

private:
    // Allocates the section buffer; error 5 (reported) when that fails.
    bool AllocateText();
    // Whether the stream has no further character; a failed open counts as
    // the end.
    bool AtEnd();

    CErrore* errors_;
    int scrambled_ = 0;
    CStringa fileName_;
    int error_ = 0;
    std::FILE* stream_ = nullptr;
    int textLength_ = 0;
    char* text_ = nullptr;
    int firstLine_ = 1;
    int currentLine_ = 1;
};

#endif
