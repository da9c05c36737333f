#include "tstfile/formato.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <sstream>

#include "model/domanda.h"
#include "model/partest.h"
#include "text/limiti.h"
#include "text/scansione.h"

namespace quadrivo {

namespace {

// Every tag of questionnaire and student files, as the files write it.
const char* const kTags[] = {"Test",   "ParTest", "TextTest", "Question", "ParQue", "TextQue",
                             "Answer", "ParAns",  "TextAns",  "Student",  "StPar",  "Ans"};

constexpr std::size_t kNoTag = std::size(kTags);

char LowerChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The tag of kTags whose closing tag, without regard to case, stands at
// text[pos] (which is '<'), or kNoTag.
std::size_t ClosingTagAt(const char* text, unsigned length, unsigned pos)
{
    if (pos + 1 >= length || text[pos + 1] != '/') return kNoTag;
    for (std::size_t t = 0; t < std::size(kTags); ++t) {
        const char* tag = kTags[t];
        unsigned k = 0;
        while (tag[k] != '\0' && pos + 2 + k < length && LowerChar(text[pos + 2 + k]) == LowerChar(tag[k]))
            ++k;
        if (tag[k] == '\0' && pos + 2 + k < length && text[pos + 2 + k] == '>') return t;
    }
    return kNoTag;
}

}  // namespace

CStringa UnstorablePiece(const CStringa& text, TextPlace place, int scrambled)
{
    const char* s = text.CStr();
    const unsigned n = text.Length();
    if (!s) return CStringa();
    // Texts are short: the characters are sought without a library call.
    if (place == TextPlace::Quoted && FindChar(s, s + n, '"') != s + n) return CStringa("\"");
    // One pass over the tags' beginnings: a comment anywhere comes first,
    // then the closing tag that comes first in kTags.
    std::size_t tag = kNoTag;
    for (const char* open = FindChar(s, s + n, '<'); open != s + n;) {
        const unsigned pos = static_cast<unsigned>(open - s);
        if (pos + 1 < n && s[pos + 1] == '!') {
            CStringa piece;
            text.Extract(piece, pos, 2);
            return piece;
        }
        tag = std::min(tag, ClosingTagAt(s, n, pos));
        open = FindChar(open + 1, s + n, '<');
    }
    if (tag != kNoTag) return "</" + CStringa(kTags[tag]) + CStringa(">");
    if (scrambled == 1) {
        // A scrambled file is recognised by a plain reading that finds no
        // "<Test>" in it.
        CStringa stored = text;
        stored.Scramble();
        const CStringa test("<Test>");
        unsigned pos = 0;
        if (stored.Search(test, pos, 0)) {
            CStringa piece;
            text.Extract(piece, pos, test.Length());
            return piece;
        }
    }
    return CStringa();
}

bool SectionFits(const std::string& written)
{
    return SectionFits(written.size());
}

bool SectionFits(std::size_t writtenSize)
{
    return writtenSize < static_cast<std::size_t>(MAX_SECTION_TEXT);
}

bool ParamsFit(const CParTest& params)
{
    std::ostringstream written;
    params.WriteParams(written, 0);
    return SectionFits(written.str());
}

bool QuestionFits(const CDomanda& question)
{
    std::ostringstream written;
    question.Write(written, 0);
    return SectionFits(written.str());
}

}  // namespace quadrivo
