#include "tstfile/formato.h"

namespace quadrivo {

namespace {

// Every tag of questionnaire and student files.
const char* const kTags[] = {"test",    "partest", "texttest", "question", "parque", "textque",
                             "answer",  "parans",  "textans",  "student",  "stpar",  "ans"};

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
    unsigned pos = 0;
    if (place == TextPlace::Quoted && Holds(text, CStringa("\""), pos)) return CStringa("\"");
    if (Holds(text, CStringa("<!"), pos)) return PieceAt(text, pos, 2);
    for (const char* tag : kTags) {
        const CStringa closing = "</" + CStringa(tag) + CStringa(">");
        if (Holds(text, closing, pos)) return PieceAt(text, pos, closing.Length());
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

}  // namespace quadrivo
