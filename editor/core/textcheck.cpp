#include "editor/core/textcheck.h"

#include "editor/core/translate.h"

namespace quadrivo::editor {

namespace {

std::string FieldMessage(const char* pattern, const std::string& field, const std::string& shown = "")
{
    return FilledIn(pattern, {field, shown});
}

}  // namespace

std::string TextProblem(const std::string& text, TextPlace place, const std::string& field)
{
    const CStringa piece = UnstorablePiece(CStringa(text.c_str()), place, 0);
    const std::string shown = piece.IsOk() ? piece.CStr() : "";
    if (shown.empty()) return "";
    if (shown == "\"")
        return FieldMessage(
            QT_TRANSLATE_NOOP("TextCheck", "Il campo \"%1\" non pu\u00f2 contenere le virgolette (\")."),
            field);
    if (shown == "<!")
        return FieldMessage(
            QT_TRANSLATE_NOOP("TextCheck", "Il campo \"%1\" non pu\u00f2 contenere la sequenza \"<!\"."),
            field);
    return FieldMessage(
        QT_TRANSLATE_NOOP("TextCheck", "Il campo \"%1\" non pu\u00f2 contenere il testo \"%2\"."), field,
        shown);
}

std::string UnstorableCharactersMessage(const std::string& field)
{
    return FieldMessage(
        QT_TRANSLATE_NOOP(
            "TextCheck",
            "Il campo \"%1\" contiene caratteri che non possono essere salvati nel questionario."),
        field);
}

}  // namespace quadrivo::editor
