#include "text/blocco.h"

#include <array>
#include <cstring>
#include <new>
#include <string>

#include "text/errore.h"
#include "text/scansione.h"

namespace quadrivo {

namespace {

// White space of the C locale, whatever locale the program runs under.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char LowerChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// What text.Search would do with the pattern "<name>" ("</name>" when
// closing), pos included, without making the pattern, on s[0..length). A
// name that is not ok counts as empty, as it does when joined into a
// pattern.
bool SearchTag(const char* s, unsigned length, const CStringa& name, bool closing, unsigned& pos,
               unsigned start)
{
    const char* tag = name.IsOk() ? name.CStr() : "";
    const unsigned tagLength = name.Length();
    const unsigned prefix = closing ? 2 : 1;
    const unsigned n = prefix + tagLength + 1;
    pos = start;
    if (n > length) return false;
    const unsigned last = length - n;
    // Only a '<' followed by the slash, or by the name's first letter in
    // either case, can begin the tag: the others are passed over together.
    const char second = closing ? '/' : tagLength > 0 ? LowerChar(tag[0]) : '>';
    const char other = second >= 'a' && second <= 'z' ? static_cast<char>(second - 'a' + 'A') : second;
    // A closing tag's third character is its name's first one.
    const bool third = closing && tagLength > 0;
    const char lower = third ? LowerChar(tag[0]) : '\0';
    const char upper = lower >= 'a' && lower <= 'z' ? static_cast<char>(lower - 'a' + 'A') : lower;
    for (const char* p = s + start; p <= s + last; ++p) {
        p = third ? FindTriple(p, s + last + 1, '<', '/', lower, upper)
                  : FindPair(p, s + last + 1, '<', second, other);
        if (p > s + last) break;
        unsigned k = 0;
        while (k < tagLength && LowerChar(p[prefix + k]) == LowerChar(tag[k])) ++k;
        if (k >= tagLength && p[n - 1] == '>') {
            pos = static_cast<unsigned>(p - s);
            return true;
        }
    }
    pos = start > last ? start : last + 1;
    return false;
}

bool SearchTag(const CStringa& text, const CStringa& name, bool closing, unsigned& pos, unsigned start)
{
    if (!text.IsOk()) return false;
    return SearchTag(text.CStr(), text.Length(), name, closing, pos, start);
}

// The same on a stretch of a block's text.
bool SearchTag(const CTratto& in, const CStringa& name, bool closing, unsigned& pos, unsigned start)
{
    const CStringa& text = in.Block->Text;
    if (!text.IsOk()) return false;
    return SearchTag(text.CStr() + in.Begin, in.End - in.Begin, name, closing, pos, start);
}

void ReportTagError(const CBlocco& in, int result, const CStringa& name)
{
    Report(in.Errors, kErrorLines, static_cast<long>(in.FirstLine), static_cast<long>(in.LastLine));
    Report(in.Errors, result, name);
}

}  // namespace

CBlocco::CBlocco(CErrore* errors) : Errors(errors) {}

CBlocco::CBlocco(CErrore* errors, const char* text) : Text(text), Errors(errors) {}

void CBlocco::SetLines(int first, int last)
{
    FirstLine = first;
    LastLine = last;
}

int GetTag(const CBlocco& in, const CStringa& name, CBlocco& out, unsigned start, unsigned& open,
           unsigned& close, bool report)
{
    int result = 0;
    if (!SearchTag(in.Text, name, false, open, start)) {
        result = kMissingOpeningTag;
    } else {
        open += name.Length() + 2;
        if (!SearchTag(in.Text, name, true, close, open))
            result = kMissingClosingTag;
        else
            in.Text.Extract(out.Text, open, close - open);
    }
    if (result != 0 && report) ReportTagError(in, result, name);
    out.SetLines(in.FirstLine, in.LastLine);
    // Student files store a late answer as a record holding only this one
    // parameter; readers expect the lateness spelled out.
    if (name == "Ans" && out.Text == "IsValid = No") out.Text += CStringa(", IsCorrect = Late");
    return result;
}

int GetTag(const CBlocco& in, const CStringa& name, CBlocco& out, unsigned start, unsigned& open,
           unsigned& close)
{
    return GetTag(in, name, out, start, open, close, true);
}

int FindTag(const CTratto& in, const CStringa& name, CTratto& out, unsigned start, unsigned& open,
            unsigned& close, bool report)
{
    int result = 0;
    if (!SearchTag(in, name, false, open, start)) {
        result = kMissingOpeningTag;
    } else {
        open += name.Length() + 2;
        if (!SearchTag(in, name, true, close, open))
            result = kMissingClosingTag;
        else
            out = CTratto{in.Block, in.Begin + open, in.Begin + close};
    }
    if (result != 0 && report) ReportTagError(*in.Block, result, name);
    return result;
}

void CopyText(const CTratto& stretch, CStringa& text)
{
    stretch.Block->Text.Extract(text, stretch.Begin, stretch.End - stretch.Begin);
}

CStringa TrimmedText(const CTratto& stretch)
{
    const char* s = stretch.Block->Text.CStr();
    unsigned begin = stretch.Begin;
    unsigned end = stretch.End;
    while (begin < end && IsSpace(s[begin])) ++begin;
    while (end > begin && IsSpace(s[end - 1])) --end;
    return CStringa(s + begin, end - begin);
}

unsigned RemoveComments(char* text, unsigned length)
{
    unsigned kept = 0;    // text[0..kept) is the text without comments
    unsigned copied = 0;  // text[copied..] has not been moved yet
    unsigned from = 0;
    while (from + 1 < length) {
        const char* open = FindPair(text + from, text + length - 1, '<', '!', '!');
        if (open == text + length - 1) break;
        const unsigned begin = static_cast<unsigned>(open - text);
        const char* end = static_cast<const char*>(std::memchr(text + begin + 2, '>', length - begin - 2));
        // Without a '>' after it no later comment can end either.
        if (!end) break;
        // Only characters behind the search move, never ahead of it.
        std::memmove(text + kept, text + copied, begin - copied);
        kept += begin - copied;
        copied = static_cast<unsigned>(end - text) + 1;
        // The character right after a removed comment never begins the
        // next one, so a comment that directly follows another survives;
        // stored files are read that way.
        from = copied + 1;
    }
    if (copied == 0) return length;
    std::memmove(text + kept, text + copied, length - copied);
    return kept + length - copied;
}

void StripComments(CBlocco& block)
{
    const char* s = block.Text.CStr();
    const unsigned n = block.Text.Length();
    if (n < 3 || !std::memchr(s, '<', n)) return;
    try {
        std::string text(s, n);
        const unsigned kept = RemoveComments(text.data(), n);
        if (kept < n) block.Text = CStringa(text.data(), kept);
    } catch (const std::bad_alloc&) {
        // the text keeps its comments rather than losing text
    }
}

namespace {

// What ends a name (looking back from its '=') and what ends an unquoted
// value, for every byte.
enum : unsigned char { kBlank = 1, kEndsName = 2, kEndsValue = 4 };

constexpr std::array<unsigned char, 256> kParamBytes = [] {
    std::array<unsigned char, 256> bytes{};
    for (const unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'})
        bytes[c] = kBlank | kEndsName | kEndsValue;
    bytes[','] = kEndsName | kEndsValue;
    bytes['>'] = kEndsName;
    bytes['<'] = kEndsValue;
    return bytes;
}();

bool Is(char c, unsigned char kind)
{
    return (kParamBytes[static_cast<unsigned char>(c)] & kind) != 0;
}

}  // namespace

int ParseParams(const CStringa& text, CParametro* pairs, unsigned& count)
{
    count = 0;
    if (!text.IsOk()) return 0;
    const char* s = text.CStr();
    const unsigned n = text.Length();
    unsigned from = 0;
    while (count < PARAM_CAPACITY) {
        if (from >= n) return 0;
        const char* equals = FindChar(s + from, s + n, '=');
        if (equals == s + n) return 0;
        const auto eq = static_cast<unsigned>(equals - s);

        unsigned nameEnd = eq;  // one past the name's last character
        while (nameEnd > 0 && Is(s[nameEnd - 1], kBlank)) --nameEnd;
        // The name's last character belongs to it whatever it is; only the
        // characters before it can end the name.
        unsigned nameStart = nameEnd > 0 ? nameEnd - 1 : 0;
        while (nameStart > 0 && !Is(s[nameStart - 1], kEndsName)) --nameStart;

        unsigned valueStart = eq + 1;
        while (valueStart < n && Is(s[valueStart], kBlank)) ++valueStart;
        unsigned valueEnd = valueStart;  // the value's last character
        bool hasValue = valueStart < n;
        if (hasValue && s[valueStart] == '"') {
            const void* quote = std::memchr(s + valueStart + 1, '"', n - valueStart - 1);
            if (quote) {
                valueEnd = static_cast<unsigned>(static_cast<const char*>(quote) - s);
            } else {
                // An unterminated quote swallows the rest of the list.
                valueEnd = n;
                hasValue = false;
            }
        } else if (hasValue) {
            while (valueEnd + 1 < n && !Is(s[valueEnd + 1], kEndsValue)) ++valueEnd;
        }
        from = valueEnd;

        // A '=' with nothing but blanks before it names nothing.
        if (nameEnd == 0) continue;
        CParametro& pair = pairs[count];
        text.Extract(pair.Name, nameStart, nameEnd - nameStart);
        pair.Name.ToLower();
        if (hasValue) {
            text.ExtractRange(pair.Value, valueStart, valueEnd);
            if (s[valueStart] != '"') pair.Value.ToLower();
        } else {
            pair.Value = CStringa();  // pairs may be reused from an earlier list
        }
        ++count;
    }
    return 0;
}

}  // namespace quadrivo
