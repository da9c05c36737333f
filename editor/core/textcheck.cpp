#include "editor/core/textcheck.h"

#include <algorithm>
#include <cctype>

namespace quadrivo::editor {

namespace {

bool ContainsIgnoringCase(const std::string& text, const std::string& pattern)
{
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), pattern.begin(), pattern.end(), same) != text.end();
}

std::string FieldMessage(const std::string& field, const std::string& rest)
{
    return "Il campo \"" + field + "\" " + rest;
}

}  // namespace

std::string QuotedTextProblem(const std::string& text, const std::string& field)
{
    if (text.find('"') == std::string::npos) return "";
    return FieldMessage(field, "non pu\xf2 contenere le virgolette (\").");
}

std::string SectionTextProblem(const std::string& text, const std::string& field,
                               const std::string& closingTag)
{
    if (text.find("<!") != std::string::npos)
        return FieldMessage(field, "non pu\xf2 contenere la sequenza \"<!\".");
    if (ContainsIgnoringCase(text, closingTag))
        return FieldMessage(field, "non pu\xf2 contenere il testo \"" + closingTag + "\".");
    return "";
}

std::string UnstorableCharactersMessage(const std::string& field)
{
    return FieldMessage(field, "contiene caratteri che non possono essere salvati nel questionario.");
}

}  // namespace quadrivo::editor
