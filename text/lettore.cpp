#include "text/lettore.h"

#include <new>

#include "text/blocco.h"
#include "text/errore.h"

namespace quadrivo {

namespace {

// Tags are matched folding only 'A'..'Z', whatever locale the program runs under.
unsigned char LowerByte(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

unsigned char LowerAt(const CStringa& s, unsigned i)
{
    return LowerByte(static_cast<unsigned char>(*s.At(i)));
}

// Opens a file for reading; null when it cannot be read. Some systems open a
// folder as if it were a file and fail only at the first read: such a name
// counts as a file that cannot be read, not as an empty one.
std::FILE* OpenForReading(const CStringa& name)
{
    std::FILE* stream = std::fopen(name.CStr() ? name.CStr() : "", "r");
    if (!stream) return nullptr;
    const int c = std::fgetc(stream);
    if (c == EOF && std::ferror(stream)) {
        std::fclose(stream);
        return nullptr;
    }
    if (c != EOF)
        std::ungetc(c, stream);
    else
        std::rewind(stream);
    return stream;
}

}  // namespace

CLettore::CLettore(CErrore* errors, const CStringa& fileName) : errors_(errors), fileName_(fileName)
{
    stream_ = OpenForReading(fileName_);
    if (!stream_) {
        error_ = kCannotRead;
        Report(errors_, kCannotRead, fileName_);
    }
}

CLettore::~CLettore()
{
    if (stream_) std::fclose(stream_);
}

int CLettore::Reopen()
{
    error_ = 0;
    text_.clear();
    firstLine_ = 1;
    currentLine_ = 1;
    if (stream_) std::fclose(stream_);
    stream_ = OpenForReading(fileName_);
    if (!stream_) {
        error_ = kCannotRead;
        Report(errors_, kCannotRead, fileName_);
    }
    return error_;
}

void CLettore::SetScrambled(int flag)
{
    scrambled_ = flag;
}

int CLettore::Error() const
{
    return error_;
}

void CLettore::GetLines(int& first, int& current) const
{
    first = firstLine_;
    current = currentLine_;
}

void CLettore::Watch(const CStringa& pattern)
{
    watch_ = pattern;
    watchMatched_ = 0;
    watchSeen_ = false;
}

bool CLettore::WatchSeen() const
{
    return watchSeen_;
}

bool CLettore::AtEnd()
{
    if (!stream_) return true;
    const int c = std::fgetc(stream_);
    if (c == EOF) return true;
    std::ungetc(c, stream_);
    return false;
}

unsigned char CLettore::ReadChar()
{
    const int c = stream_ ? std::fgetc(stream_) : EOF;
    if (c == EOF) return 0;
    const char read = static_cast<char>(c);
    return static_cast<unsigned char>(scrambled_ == 1 ? ScrambleChar(read) : read);
}

int CLettore::MissingTag(const CStringa& tag, bool report)
{
    error_ = kMissingTag;
    if (report) {
        Report(errors_, kErrorLines, static_cast<long>(firstLine_), static_cast<long>(currentLine_));
        Report(errors_, kMissingTag, tag);
    }
    return error_;
}

int CLettore::SkipTo(const CStringa& pattern, bool report)
{
    const unsigned length = pattern.Length();
    if (error_ != 0 || length == 0) return error_;
    firstLine_ = currentLine_;
    const unsigned watchLength = watch_.Length();
    watchMatched_ = 0;
    watchSeen_ = false;
    unsigned i = 0;
    bool found = false;
    while (!found && !AtEnd()) {
        const unsigned char c = ReadChar();
        if (c == '\n') ++currentLine_;
        // A character that breaks a partial match is not tried again as the
        // pattern's first one, so "<<Test>" does not hold "<Test>".
        if (LowerByte(c) == LowerAt(pattern, i)) {
            ++i;
            found = i == length;
        } else {
            i = 0;
        }
        if (watchLength > 0 && !watchSeen_) {
            if (LowerByte(c) == LowerAt(watch_, watchMatched_)) {
                ++watchMatched_;
                watchSeen_ = watchMatched_ == watchLength;
            } else {
                watchMatched_ = 0;
            }
        }
    }
    if (!found) return MissingTag(pattern, report);
    return error_;
}

int CLettore::ReadSection(const CStringa& name, CBlocco& out, bool report)
{
    if (error_ != 0) return error_;
    if (SkipTo('<' + name + CStringa(">"), report) != 0) {
        error_ = kMissingOpeningTag;
        return error_;
    }
    const CStringa close = "</" + name + CStringa(">");
    const unsigned closeLength = close.Length();
    text_.clear();
    unsigned i = 0;
    std::size_t start = 0;
    bool found = false;
    try {
        while (!found && !AtEnd()) {
            const unsigned char c = ReadChar();
            if (c == '\n') ++currentLine_;
            text_.push_back(static_cast<char>(c));
            if (text_.size() >= static_cast<std::size_t>(MAX_SECTION_TEXT)) {
                error_ = kSectionTooLong;
                Report(errors_, kSectionTooLong, fileName_);
                break;
            }
            if (LowerByte(c) == LowerAt(close, i)) {
                if (i == 0) start = text_.size() - 1;
                ++i;
                found = i == closeLength;
            } else {
                i = 0;
                start = 0;
            }
        }
    } catch (const std::bad_alloc&) {
        error_ = kNoMemoryForTest;
        Report(errors_, kNoMemoryForTest);
    }
    if (found) {
        text_.resize(start);
        out = CBlocco(errors_, text_.c_str());
        StripComments(out);
    } else if (error_ == 0) {
        MissingTag(close, true);
    }
    out.SetLines(firstLine_, currentLine_);
    return error_;
}

}  // namespace quadrivo
