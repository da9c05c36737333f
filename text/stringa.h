#ifndef QUADRIVO_TEXT_STRINGA_H
#define QUADRIVO_TEXT_STRINGA_H

#include <iosfwd>
#include <memory>
#include <string_view>

namespace quadrivo {

// The one string type of the program: 8-bit characters, an owned buffer of
// exactly Length() + 1 bytes terminated by NUL, and an ok flag. A string is
// without buffer ("not ok") only after an allocation failed; every operation
// on such a string is a no-op with a neutral result (0, false, -1, an
// unchanged target or an empty result).
//
// Comparisons are case-sensitive and byte-wise; searches are case-insensitive
// (C locale: only 'A'..'Z' fold). Nothing here knows about encodings: files
// and the model hold Windows-1252 bytes.
//
// Copying copies the characters. A new text goes into the buffer the string
// already has when it fits there without wasting much of it, so a string
// that is assigned over and over (a reader's scratch text) stops allocating;
// otherwise it gets a new buffer of the exact size. Only the empty text is
// shared by all empty strings: making one never allocates and never fails.
class CStringa {
public:
    CStringa();                   // the empty string
    CStringa(const CStringa& s);  // s must be ok
    // Takes s's text, leaving s empty; a not-ok s gives the empty string.
    CStringa(CStringa&& s) noexcept;
    CStringa(const char* s);  // s must not be null
    // count bytes from text, NUL bytes included; text may be null when count is 0.
    CStringa(const char* text, unsigned count);
    explicit CStringa(char c);  // length 1, even for the NUL byte
    explicit CStringa(int n);   // "%d"
    explicit CStringa(long n);  // "%ld"
    // "%f", then trailing '0' and '.' removed, never past the '.':
    // 2.5 -> "2.5", 3.0 -> "3", -0.0000001 -> "-0".
    explicit CStringa(double x);
    ~CStringa();

    // Only when both this and s are ok; otherwise this is left unchanged.
    CStringa& operator=(const CStringa& s);
    // Takes s's text (s is left empty) under the same condition.
    CStringa& operator=(CStringa&& s) noexcept;
    // Always takes a copy of s (s must not be null).
    CStringa& operator=(const char* s);
    // Only when both are ok; a failed allocation leaves this unchanged.
    CStringa& operator+=(const CStringa& s);
    // The text becomes count bytes from text (which must not lie in this
    // string), in the buffer the string has when they fit there; false, and
    // the string not ok, when memory runs out. Readers keep one string for
    // record after record this way.
    bool SetText(const char* text, unsigned count);

    // These three are written here so that loops over a text's characters
    // call nothing.
    unsigned Length() const { return text_ ? length_ : 0; }  // 0 when not ok
    bool IsOk() const { return text_ != nullptr; }
    // The buffer itself (null when not ok), for C library calls.
    const char* CStr() const { return text_; }
    // The characters as a view; empty when not ok.
    std::string_view View() const { return text_ ? std::string_view(text_, length_) : std::string_view(); }
    // Pointer to the character at pos; a pos past the end yields the NUL.
    const char* At(unsigned pos) const;
    // Copies the text and its NUL into buf, which must hold Length() + 1 bytes.
    char* CopyTo(char* buf) const;
    int ToInt() const;        // atoi; 0 when not ok
    double ToDouble() const;  // atof (decimal point); 0.0 when not ok

    // dest becomes count characters from pos when dest is ok and
    // pos + count <= Length(); otherwise dest is left unchanged.
    void Extract(CStringa& dest, unsigned pos, unsigned count) const;
    // Characters from..to, both included, when from <= to < Length().
    void ExtractRange(CStringa& dest, unsigned from, unsigned to) const;

    // Written here: readers fold every name they read.
    void ToLower()
    {
        // Without a branch: names mix cases in no order a processor can guess.
        for (unsigned i = 0; i < Length(); ++i)
            text_[i] = static_cast<char>(text_[i] + 32 * (static_cast<unsigned char>(text_[i] - 'A') < 26));
    }
    void Trim();  // removes leading and trailing isspace characters
    void ReplaceChar(char a, char b);
    // Deletes the characters from..to, both included; out-of-range or
    // reversed positions leave the string unchanged.
    void Remove(unsigned from, unsigned to);
    // Inserts c before pos for pos <= Length(); a larger pos does nothing.
    void Insert(unsigned pos, char c);
    void Scramble();  // every character through ScrambleChar

    // Case-insensitive search of pattern from start. On a match: true and pos
    // is the match. Without one: false, and pos = Length() - pattern.Length()
    // + 1 when start was not beyond that value (pos untouched when pattern is
    // not ok). A pattern longer than the text is never found.
    bool Search(const CStringa& pattern, unsigned& pos, unsigned start) const;

    friend bool operator==(const CStringa& a, const CStringa& b);
    friend bool operator>(const CStringa& a, const CStringa& b);

private:
    void Release();
    // Takes s's text, s must be ok; s is left empty.
    void Take(CStringa& s) noexcept;
    // Replaces the buffer by a new one holding count bytes of text; a failed
    // allocation leaves the string not ok.
    void Assign(const char* text, unsigned count);
    // Replaces the text by the pieces joined (each may point into this
    // string); false, the string unchanged, when memory runs out.
    bool Store(const char* a, unsigned na, const char* b = nullptr, unsigned nb = 0, const char* c = nullptr,
               unsigned nc = 0);
    // The buffer is kept for a text of bytes bytes, NUL included.
    bool FitsInPlace(unsigned bytes) const;
    // Some piece lies in the buffer.
    bool Overlaps(const char* a, unsigned na, const char* b, unsigned nb, const char* c, unsigned nc) const;

    // The text: the shared empty one, heap_, or null when not ok.
    char* text_;
    unsigned length_ = 0;
    unsigned capacity_ = 0;  // bytes of heap_, the NUL's included
    std::unique_ptr<char[]> heap_;
};

unsigned Length(const CStringa& s);

CStringa operator+(const CStringa& a, const CStringa& b);  // a copy of a when either is not ok
CStringa operator+(const char* a, const CStringa& b);
CStringa operator+(char a, const CStringa& b);

bool operator==(const CStringa& a, const CStringa& b);  // false when either is not ok
bool operator!=(const CStringa& a, const CStringa& b);
// As against CStringa(b), without making it; b must not be null. Written
// here: loaders compare each name they read against many keywords.
inline bool operator==(const CStringa& a, const char* b)
{
    if (!a.IsOk()) return false;
    const char* s = a.CStr();
    const unsigned n = a.Length();
    for (unsigned i = 0; i < n; ++i)
        if (b[i] == '\0' || s[i] != b[i]) return false;
    return b[n] == '\0';
}
bool operator!=(const CStringa& a, const char* b);
bool operator>(const CStringa& a, const CStringa& b);  // strcmp > 0, both ok
// Lower(a) == Lower(CStringa(b)), without making either; b must not be null.
bool SameFolded(const CStringa& a, const char* b);
bool SameFolded(std::string_view a, std::string_view b);

// The value atof gives for a whole text of the form [+-]digits[.digits]
// with at most 15 digits (length characters from s, no NUL needed), without
// atof's cost; false for any other text.
bool PlainDecimal(const char* s, unsigned length, double& value);

// Writes the characters; nothing when s is not ok.
std::ostream& operator<<(std::ostream& out, const CStringa& s);

CStringa Tail(const CStringa& s, unsigned pos);                 // pos..end; empty when pos is not in s
CStringa Slice(const CStringa& s, unsigned from, unsigned to);  // from..to-1; empty when not inside s
CStringa Unquote(const CStringa& s);  // between the first two '"'; empty when there are fewer
CStringa Lower(const CStringa& s);
CStringa Replaced(const CStringa& s, char a, char b);
// Position of pattern in s from start (case-insensitive), or -1.
int Find(const CStringa& s, const CStringa& pattern, int start);

// The file-name part of a path: after the last '/' or '\' that follows the
// first ':' (or anywhere when there is no ':'), else after the ':'.
CStringa FileName(const CStringa& path);
bool HasExtension(const CStringa& path);  // FileName(path) holds a '.'

// The self-inverse substitution of scrambled files: letters rotate by 13,
// blank..'"' <-> '#'..'%', '&'..'/' <-> '0'..'9', ':'..'<' <-> '='..'?';
// every other byte is left as it is.
char ScrambleChar(char c);

}  // namespace quadrivo

#endif
