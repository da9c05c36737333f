#ifndef QUADRIVO_EDITOR_CORE_TEXTCHECK_H
#define QUADRIVO_EDITOR_CORE_TEXTCHECK_H

#include <string>

namespace quadrivo::editor {

// What the user types is stored between delimiters of the questionnaire
// file, which has no escapes: some texts would come back cut or changed, or
// would spoil the rest of the file. A dialog checks its fields at Ok with
// these and, on a message, shows it and stays open with its content. Each
// message names the field (its label, Windows-1252) in Italian; an empty
// result means the text can be stored.

// A value written between double quotes may not hold one.
std::string QuotedTextProblem(const std::string& text, const std::string& field);
// The content of a section may not hold "<!" (a comment start, which the
// loader removes up to the next '>') nor closingTag (for example
// "</TextTest>"), in any case.
std::string SectionTextProblem(const std::string& text, const std::string& field,
                               const std::string& closingTag);
// For the Qt layer: the field holds characters that Windows-1252 lacks.
std::string UnstorableCharactersMessage(const std::string& field);

}  // namespace quadrivo::editor

#endif
