#ifndef QUADRIVO_EDITOR_CORE_NUMBERFIELD_H
#define QUADRIVO_EDITOR_CORE_NUMBERFIELD_H

#include <optional>
#include <string>

namespace quadrivo::editor {

// Numbers in the dialogs' fields. A teacher may type either ',' or '.' as
// the decimal separator; the fields show numbers with '.', as the files
// hold them, and shortest: what a field shows reads back as exactly the
// value it was filled from.

// What a number field accepts. Limits are inclusive.
struct NumberLimits {
    double minimum;
    double maximum;
    bool whole = false;  // no decimals
};

// The value of text: blanks around it, a sign, digits with at most one ','
// or '.', an exponent. None for anything else; a number beyond double's
// range gives an infinity of its sign, which no limits accept.
std::optional<double> ParseDialogNumber(const std::string& text);

// "" when text is a number within limits; otherwise the message, naming
// field (its label, Windows-1252).
std::string NumberProblem(const std::string& text, const std::string& field, const NumberLimits& limits);

// The shortest text that reads back as exactly value.
std::string NumberText(double value);
std::string NumberText(float value);

}  // namespace quadrivo::editor

#endif
