#include "editor/core/properties.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>

#include "editor/core/application.h"
#include "editor/core/dialogtext.h"
#include "editor/core/frame.h"
#include "editor/core/history.h"
#include "editor/core/numberfield.h"
#include "editor/core/textcheck.h"
#include "editor/core/translate.h"
#include "text/limiti.h"

namespace quadrivo::editor {

namespace {

const char* NameField()
{
    return QT_TRANSLATE_NOOP("Properties", "Nome");
}
const char* MainTextField()
{
    return QT_TRANSLATE_NOOP("Properties", QT_TRANSLATE_NOOP("Properties", "Testo illustrativo"));
}
const char* TimeField()
{
    return QT_TRANSLATE_NOOP("Properties", "Tempo concesso (in minuti)");
}
const char* SendBackField()
{
    return QT_TRANSLATE_NOOP("Properties", "Rimandare la risposta?");
}
constexpr NumberLimits kTypedLimits{0, kTypedMaximum, true};

std::string Text(const CStringa& s)
{
    return s.IsOk() ? s.CStr() : "";
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsBlankText(const std::string& text)
{
    for (char c : text)
        if (!IsBlank(c)) return false;
    return true;
}

// A number field: as it was filled, its old value; otherwise as typed.
int ReadNumber(const std::string& text, int old)
{
    if (text == std::to_string(old)) return old;
    const std::optional<double> value = ParseDialogNumber(text);
    return value && *value >= INT_MIN && *value <= INT_MAX ? static_cast<int>(*value) : 0;
}

std::string NumberFieldProblem(const std::string& text, int old, const char* field)
{
    return text == std::to_string(old) ? "" : NumberProblem(text, field, kTypedLimits);
}

std::string NameProblem(const std::string& name, const CStringa& old)
{
    if (name == Text(old)) return "";
    // The name is written between double quotes inside the <ParTest>
    // section, whose comments the loader removes.
    std::string problem = TextProblem(name, TextPlace::Quoted, NameField());
    if (problem.empty() && name.size() > kNameMaximum)
        problem =
            FilledIn(QT_TRANSLATE_NOOP("Properties", "Il campo \"%1\" non pu\u00f2 superare i %2 caratteri."),
                     {NameField(), std::to_string(kNameMaximum)});
    return problem;
}

}  // namespace

int DialogNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const std::size_t firstDigit = i;
    long long value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return 0;
        ++i;
    }
    if (i == firstDigit) return 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i != text.size()) return 0;
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return 0;
    return static_cast<int>(value);
}

PropertyValues FillPropertyDialog(const CParTest& params)
{
    PropertyValues values;
    values.name = Text(params.Name);
    // Shown signed: a negative number read from a file must come back
    // unchanged from an Ok without edits.
    values.time = std::to_string(params.Time);
    values.sendBack = std::to_string(params.SendBack);
    values.random = params.Random != 0;
    values.save = params.Save != 0;
    values.viewScore = params.ViewScore != 0;
    values.askConfirm = params.AskConfirm != 0;
    values.correctAnswer = params.CorrectAnswer != 0;
    return values;
}

PropertyValues OpenPropertyDialog(const Application& app)
{
    PropertyValues values = FillPropertyDialog(app.currentTest.GetParams());
    values.scrambled = app.currentTest.IsScrambled() != 0;
    return values;
}

void ReadPropertyDialog(const PropertyValues& values, CParTest& params)
{
    if (!IsBlankText(values.name)) params.Name = CStringa(values.name.c_str());
    params.Time = ReadNumber(values.time, params.Time);
    params.SendBack = ReadNumber(values.sendBack, params.SendBack);
    params.Random = values.random ? 1 : 0;
    params.Save = values.save ? 1 : 0;
    params.ViewScore = values.viewScore ? 1 : 0;
    params.AskConfirm = values.askConfirm ? 1 : 0;
    params.CorrectAnswer = values.correctAnswer ? 1 : 0;
}

bool PropertyDialogOk(Application& app, const PropertyValues& values)
{
    const CParTest& old = app.currentTest.GetParams();
    std::string problem = NameProblem(values.name, old.Name);
    if (problem.empty()) problem = NumberFieldProblem(values.time, old.Time, TimeField());
    if (problem.empty()) problem = NumberFieldProblem(values.sendBack, old.SendBack, SendBackField());
    if (!problem.empty()) {
        ShowInfo(app, problem);
        return false;
    }
    DocumentEdit edit(app, QT_TRANSLATE_NOOP("Properties", "Propriet\u00e0"));
    CParTest params = old;
    ReadPropertyDialog(values, params);
    app.currentTest.SetParams(params);
    app.currentTest.SetScrambled(values.scrambled ? 1 : 0);
    edit.Finish();
    app.modified = 1;
    return true;
}

std::string FillMainTextDialog(const Application& app)
{
    return ToDialogText(Text(app.currentTest.GetParams().TextTest), std::string::npos);
}

bool MainTextDialogOk(Application& app, const std::string& dialogText)
{
    const std::string text = FromDialogText(dialogText);
    std::string problem = TextProblem(text, TextPlace::Section, MainTextField());
    CParTest params = app.currentTest.GetParams();
    params.TextTest = CStringa(text.c_str());
    if (problem.empty() && !ParamsFit(params))
        problem =
            FilledIn(QT_TRANSLATE_NOOP("Properties", "Il campo \"%1\" non pu\u00f2 superare i %2 caratteri."),
                     {MainTextField(), std::to_string(MAX_SECTION_TEXT)});
    if (!problem.empty()) {
        ShowInfo(app, problem);
        return false;
    }
    DocumentEdit edit(app, QT_TRANSLATE_NOOP("Properties", "Testo illustrativo"));
    app.currentTest.SetParams(params);
    edit.Finish();
    app.modified = 1;
    return true;
}

}  // namespace quadrivo::editor
