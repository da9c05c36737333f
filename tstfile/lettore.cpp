#include "tstfile/lettore.h"

#include <new>

#include "text/blocco.h"
#include "tstfile/errore.h"

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
    if (c != EOF) std::ungetc(c, stream);
    else std::rewind(stream);
    return stream;
}

}  // namespace

CLettore::CLettore(CErrore* errors, const CStringa& fileName) : errors_(errors), fileName_(fileName)
{
    stream_ = OpenForReading(fileName_);
    if (!stream_) {
        error_ = 3;
        Report(errors_, 3, fileName_);
        return;
    }
    AllocateText();
}

CLettore::~CLettore()
{
    if (stream_) std::fclose(stream_);
    delete[] text_;
}

bool CLettore::AllocateText()
{
    text_ = new (std::nothrow) char[MAX_SECTION_TEXT + 1];
    if (!text_) {
        error_ = 5;
        Report(errors_, 5);
        return false;
    }
    text_[0] = '\0';
    return true;
}

int CLettore::Reopen()
{
    error_ = 0;
    textLength_ = 0;
    firstLine_ = 1;
    currentLine_ = 1;
    if (stream_) std::fclose(stream_);
    stream_ = OpenForReading(fileName_);
    if (!stream_) {
        error_ = 3;
        Report(errors_, 3, fileName_);
        return error_;
    }
    // A reader whose first open failed never got its buffer.
    if (!text_ && !AllocateText()) return error_;
    text_[0] = '\0';
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

int CLettore::SkipTo(const CStringa& pattern, bool report)
{
    const unsigned length = pattern.Length();
    if (error_ != 0 || length == 0) return error_;
    firstLine_ = currentLine_;
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
    }
    if (!found) {
        error_ = 8;
        if (report) {
            Report(errors_, 9, static_cast<long>(firstLine_), static_cast<long>(currentLine_));
            Report(errors_, 8, pattern);
        }
    }
    return error_;
}

int CLettore::ReadSection(const CStringa& name, CBlocco& out, bool report)
{
    if (error_ != 0) return error_;
    if (SkipTo('<' + name + CStringa(">"), report) != 0) {
        error_ = 6;
        return error_;
    }
    const CStringa close = "</" + name + CStringa(">");
    const unsigned closeLength = close.Length();
    textLength_ = 0;
    text_[0] = '\0';
    unsigned i = 0;
    int start = 0;
    bool found = false;
    while (!found && !AtEnd()) {
        const unsigned char c = ReadChar();
        if (c == '\n') ++currentLine_;
        text_[textLength_++] = static_cast<char>(c);
        if (textLength_ >= MAX_SECTION_TEXT) {
            error_ = 4;
            if (report) Report(errors_, 4, fileName_);
            break;
        }
        if (LowerByte(c) == LowerAt(close, i)) {
            if (i == 0) start = textLength_ - 1;
            ++i;
            found = i == closeLength;
        } else {
            i = 0;
            start = 0;
        }
    }
    if (found) {
        text_[start] = '\0';
        out = CBlocco(errors_, text_);
        StripComments(out);
    } else if (error_ == 0) {
        error_ = 8;
        if (report) {
            Report(errors_, 9, static_cast<long>(firstLine_), static_cast<long>(currentLine_));
            Report(errors_, 8, close);
        }
    }
    out.SetLines(firstLine_, currentLine_);
    return error_;
}
