#ifndef QUADRIVO_EDITOR_CORE_TEXTCHECK_H
#define QUADRIVO_EDITOR_CORE_TEXTCHECK_H

#include <string>

#include "tstfile/formato.h"

namespace quadrivo::editor {

// What the user types is stored between delimiters of the questionnaire
// file, which has no escapes: some texts would come back cut or changed, or
// would spoil the rest of the file. A dialog checks its fields at Ok with
// these and, on a message, shows it and stays open with its content. Each
// message names the field (its label, Windows-1252) in Italian; an empty
// result means the text can be stored.

// What the file cannot hold is the file library's to say: a value written
// between double quotes may not hold one; no text may hold "<!" (a comment
// start, which the loader removes up to the next '>') nor a closing tag of
// the format, in any case.
std::string TextProblem(const std::string& text, TextPlace place, const std::string& field);
// For the Qt layer: the field holds characters that Windows-1252 lacks.
std::string UnstorableCharactersMessage(const std::string& field);

}  // namespace quadrivo::editor

#endif
