#include "editor/core/numberfield.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "editor/core/translate.h"

namespace quadrivo::editor {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// text without the blanks around it, its decimal comma made a point; none
// when it holds two separators.
std::optional<std::string> Normalized(const std::string& text)
{
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && IsBlank(text[from])) ++from;
    while (to > from && IsBlank(text[to - 1])) --to;
    std::string number = text.substr(from, to - from);
    int separators = 0;
    for (char& c : number) {
        if (c != ',' && c != '.') continue;
        c = '.';
        ++separators;
    }
    if (separators > 1) return std::nullopt;
    // from_chars takes no '+'.
    if (!number.empty() && number[0] == '+') number.erase(0, 1);
    return number;
}

std::string LimitText(double value)
{
    std::string text = NumberText(value);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

template <class T>
std::string ShortestText(T value)
{
    char buffer[400];
    // Fixed notation reads best; very large or small values, rare in a
    // questionnaire, keep the exponent.
    const T magnitude = std::fabs(value);
    const bool fixed = magnitude == 0 || (magnitude >= T(1e-9) && magnitude < T(1e16));
    const auto result = fixed ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::optional<double> ParseDialogNumber(const std::string& text)
{
    const std::optional<std::string> number = Normalized(text);
    if (!number || number->empty()) return std::nullopt;
    // A sign is followed by a digit or the separator; "inf" and "nan" are
    // no numbers here.
    const char* first = number->data();
    const char* last = first + number->size();
    const char* digits = *first == '-' ? first + 1 : first;
    if (digits == last || !(std::isdigit(static_cast<unsigned char>(*digits)) || *digits == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last) return std::nullopt;
    // Beyond double's range: an infinity, or 0 for a number too small to
    // tell from it, so that the limits speak.
    if (error == std::errc::result_out_of_range) return std::strtod(number->c_str(), nullptr);
    if (error != std::errc()) return std::nullopt;
    return value;
}

std::string NumberProblem(const std::string& text, const std::string& field, const NumberLimits& limits)
{
    const char* const plain =
        limits.whole ? QT_TRANSLATE_NOOP("NumberField", "Il campo \"%1\" deve contenere un numero intero.")
                     : QT_TRANSLATE_NOOP("NumberField", "Il campo \"%1\" deve contenere un numero.");
    const std::optional<double> value = ParseDialogNumber(text);
    if (!value) return FilledIn(plain, {field});
    if (*value < limits.minimum || *value > limits.maximum)
        return FilledIn(
            limits.whole
                ? QT_TRANSLATE_NOOP("NumberField",
                                    "Il campo \"%1\" deve contenere un numero intero compreso tra %2 e %3.")
                : QT_TRANSLATE_NOOP("NumberField",
                                    "Il campo \"%1\" deve contenere un numero compreso tra %2 e %3."),
            {field, LimitText(limits.minimum), LimitText(limits.maximum)});
    if (limits.whole && *value != std::trunc(*value)) return FilledIn(plain, {field});
    return "";
}

std::string NumberText(double value)
{
    return ShortestText(value);
}

std::string NumberText(float value)
{
    return ShortestText(value);
}

}  // namespace quadrivo::editor
