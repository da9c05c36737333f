#ifndef QUADRIVO_TSTFILE_FORMATO_H
#define QUADRIVO_TSTFILE_FORMATO_H

#include <cstddef>
#include <string>

#include "text/stringa.h"

namespace quadrivo {

class CDomanda;
class CParTest;

// What a questionnaire or student file can hold. The format has no escapes:
// a text that holds a comment start, a closing tag or, between double
// quotes, a double quote would come back cut or changed, or would spoil the
// rest of the file. The writers refuse such texts instead of writing them.

// Where a text stands in the file.
enum class TextPlace {
    Section,  // the whole content of a tag, as <TextQue>
    Quoted,   // a value between double quotes, as Name = "..."
};

// The first piece of text that the file could not give back as it is: "<!"
// (a comment runs from there to the next '>'), a closing tag of the format
// in any case (given as the files write it: "</Question>"), a double quote
// in a quoted value, or, for a scrambled file, the characters that a plain
// reading would take for the file's "<Test>". Empty when the text can be
// stored.
CStringa UnstorablePiece(const CStringa& text, TextPlace place, int scrambled);

// Whether a top-level section written as text reads back: the reader takes
// sections below MAX_SECTION_TEXT characters.
bool SectionFits(const std::string& written);
bool SectionFits(std::size_t writtenSize);  // the same, given only the size
// Whether the written records of the test's parameters and text, and of a
// question with its answers, fit their sections.
bool ParamsFit(const CParTest& params);
bool QuestionFits(const CDomanda& question);

}  // namespace quadrivo

#endif
