#include "editor/core/textcheck.h"

namespace quadrivo::editor {

namespace {

std::string FieldMessage(const std::string& field, const std::string& rest)
{
    return "Il campo \"" + field + "\" " + rest;
}

}  // namespace

std::string TextProblem(const std::string& text, TextPlace place, const std::string& field)
{
    const CStringa piece = UnstorablePiece(CStringa(text.c_str()), place, 0);
    const std::string shown = piece.IsOk() ? piece.CStr() : "";
    if (shown.empty()) return "";
    if (shown == "\"") return FieldMessage(field, "non pu\xf2 contenere le virgolette (\").");
    if (shown == "<!") return FieldMessage(field, "non pu\xf2 contenere la sequenza \"<!\".");
    return FieldMessage(field, "non pu\xf2 contenere il testo \"" + shown + "\".");
}

std::string UnstorableCharactersMessage(const std::string& field)
{
    return FieldMessage(field, "contiene caratteri che non possono essere salvati nel questionario.");
}

}  // namespace quadrivo::editor
