#include "tstfile/formato.h"

#include <array>
#include <iterator>
#include <sstream>

#include "model/domanda.h"
#include "model/partest.h"
#include "text/limiti.h"

namespace quadrivo {

namespace {

// Every tag of questionnaire and student files, as the files write it.
const char* const kTags[] = {"Test",   "ParTest", "TextTest", "Question", "ParQue", "TextQue",
                             "Answer", "ParAns",  "TextAns",  "Student",  "StPar",  "Ans"};

// The piece of text at pos that matched pattern, in the text's own case.
CStringa PieceAt(const CStringa& text, unsigned pos, unsigned length)
{
    CStringa piece;
    text.Extract(piece, pos, length);
    return piece;
}

bool Holds(const CStringa& text, const CStringa& pattern, unsigned& pos)
{
    return text.Search(pattern, pos, 0);
}

}  // namespace

CStringa UnstorablePiece(const CStringa& text, TextPlace place, int scrambled)
{
    // Made once: every text of every save is checked against them.
    static const CStringa quote("\"");
    static const CStringa comment("<!");
    static const auto closingTags = [] {
        std::array<CStringa, std::size(kTags)> closing;
        for (std::size_t i = 0; i < closing.size(); ++i)
            closing[i] = "</" + CStringa(kTags[i]) + CStringa(">");
        return closing;
    }();
    unsigned pos = 0;
    if (place == TextPlace::Quoted && Holds(text, quote, pos)) return quote;
    if (Holds(text, comment, pos)) return PieceAt(text, pos, 2);
    for (const CStringa& closing : closingTags) {
        if (Holds(text, closing, pos)) return closing;
    }
    if (scrambled == 1) {
        // A scrambled file is recognised by a plain reading that finds no
        // "<Test>" in it.
        CStringa stored = text;
        stored.Scramble();
        const CStringa test("<Test>");
        if (Holds(stored, test, pos)) return PieceAt(text, pos, test.Length());
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
