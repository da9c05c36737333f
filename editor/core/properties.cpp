#include "editor/core/properties.h"

#include <cctype>
#include <climits>

#include "editor/core/application.h"
#include "editor/core/dialogtext.h"
#include "editor/core/frame.h"
#include "editor/core/textcheck.h"

namespace {

constexpr const char* kNameField = "Nome";
constexpr const char* kMainTextField = "Testo illustrativo";

std::string Text(const CStringa& s)
{
    return s.IsOk() ? s.CStr() : "";
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
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

void ReadPropertyDialog(const PropertyValues& values, CParTest& params)
{
    const std::string name = values.name.substr(0, kNameMaximum);
    if (!name.empty()) params.Name = CStringa(name.c_str());
    params.Time = DialogNumber(values.time);
    params.SendBack = DialogNumber(values.sendBack);
    params.Random = values.random ? 1 : 0;
    params.Save = values.save ? 1 : 0;
    params.ViewScore = values.viewScore ? 1 : 0;
    params.AskConfirm = values.askConfirm ? 1 : 0;
    params.CorrectAnswer = values.correctAnswer ? 1 : 0;
}

bool PropertyDialogOk(Application& app, const PropertyValues& values)
{
    // The name is written between double quotes inside the <ParTest>
    // section, whose comments the loader removes.
    std::string problem = QuotedTextProblem(values.name, kNameField);
    if (problem.empty()) problem = SectionTextProblem(values.name, kNameField, "</ParTest>");
    if (!problem.empty()) {
        ShowInfo(app, problem);
        return false;
    }
    app.modified = 1;
    CParTest params = app.currentTest.GetParams();
    ReadPropertyDialog(values, params);
    app.currentTest.SetParams(params);
    return true;
}

std::string FillMainTextDialog(const Application& app)
{
    std::string text = Text(app.currentTest.GetParams().TextTest);
    if (text.size() > Application::kTextCapacity) text.resize(Application::kTextCapacity);
    return ToDialogText(text, Application::kTextCapacity);
}

bool MainTextDialogOk(Application& app, const std::string& dialogText)
{
    const std::string text = FromDialogText(dialogText.substr(0, Application::kTextCapacity - 1));
    const std::string problem = SectionTextProblem(text, kMainTextField, "</TextTest>");
    if (!problem.empty()) {
        ShowInfo(app, problem);
        return false;
    }
    app.modified = 1;
    CParTest params = app.currentTest.GetParams();
    params.TextTest = CStringa(text.c_str());
    app.currentTest.SetParams(params);
    return true;
}
