#include "editor/core/questionlist.h"

#include <algorithm>
#include <memory>
#include <set>

#include "editor/core/application.h"
#include "editor/core/currentfolderscope.h"
#include "editor/core/dialogs.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/history.h"
#include "editor/core/questiondialogs.h"
#include "editor/core/translate.h"
#include "model/domanda.h"

namespace quadrivo::editor {

namespace {

std::string ToStd(const CStringa& text)
{
    return text.CStr() ? std::string(text.CStr(), text.Length()) : std::string();
}

RowKind KindOf(const CDomanda& question)
{
    switch (DialogKindOf(question)) {
        case QuestionDialogKind::MultiAns:
            return RowKind::SeveralSolutions;
        case QuestionDialogKind::SingleAns:
            return RowKind::OneSolution;
        case QuestionDialogKind::TextAns:
            return question.GetTypeQue() == TQue::SingleNumber ? RowKind::Number : RowKind::Text;
        case QuestionDialogKind::None:
            break;
    }
    return RowKind::Other;
}

std::string FirstLine(const std::string& text)
{
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kFirstLineLength) line = line.substr(0, kFirstLineLength - 3) + "...";
    return line;
}

// The valid indices among indices, each once, in increasing order.
std::vector<int> ValidIndices(const Application& app, const std::vector<int>& indices)
{
    std::set<int> valid;
    for (int index : indices)
        if (index >= 0 && index < app.currentTest.QuestionCount()) valid.insert(index);
    return {valid.begin(), valid.end()};
}

// Makes the questions of test those of order, by their old indices. The
// test cannot hold more questions than before, so no append fails.
void Reorder(CTest& test, const std::vector<int>& order)
{
    std::vector<std::unique_ptr<CDomanda>> copies;
    copies.reserve(order.size());
    for (int index : order) copies.push_back(std::make_unique<CDomanda>(*test.GetQuestion(index)));
    test.ClearQuestions();
    for (const auto& question : copies) test.AppendQuestion(*question);
}

}  // namespace

std::vector<QuestionRow> QuestionRows(Application& app)
{
    std::vector<QuestionRow> rows;
    CTest& test = app.currentTest;
    for (int i = 0; i < test.QuestionCount(); ++i) {
        const CDomanda& question = *test.GetQuestion(i);
        rows.push_back({i + 1, KindOf(question), FirstLine(ToStd(question.GetTextQue())),
                        question.GetAnswerCount(), question.GetEnableQue() != 0});
    }
    return rows;
}

bool HasStudentFile(Application& app)
{
    if (!HasFileName(app.currentTest)) return false;
    CurrentFolderScope inFolder(app);
    return app.files.IsFile(ToStd(app.currentTest.StudentFileName()));
}

bool ConfirmRenumbering(Application& app)
{
    return !HasStudentFile(app) ||
           app.dialogs.AskYesNo(
               QT_TRANSLATE_NOOP("QuestionList",
                                 "Il questionario ha gi\u00e0 dei risultati degli studenti, che indicano le "
                                 "domande per posizione:\r\ndopo questa modifica i risultati esistenti non "
                                 "corrisponderanno pi\u00f9 alle domande.\r\nVuoi veramente continuare?"));
}

bool PrepareEditQuestion(Application& app, int index)
{
    if (index < 0 || index >= app.currentTest.QuestionCount()) return false;
    app.editingExisting = 1;
    app.editIndex = index;
    app.lastSelection = index;
    app.editQuestion = *app.currentTest.GetQuestion(index);
    return true;
}

bool MoveQuestion(Application& app, int from, int to)
{
    const int count = app.currentTest.QuestionCount();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return false;
    if (!ConfirmRenumbering(app)) return false;
    std::vector<int> order;
    for (int i = 0; i < count; ++i)
        if (i != from) order.push_back(i);
    order.insert(order.begin() + to, from);
    DocumentEdit edit(app, QT_TRANSLATE_NOOP("QuestionList", "Sposta domanda"));
    Reorder(app.currentTest, order);
    return edit.Finish();
}

bool DuplicateQuestion(Application& app, int index)
{
    const int count = app.currentTest.QuestionCount();
    if (index < 0 || index >= count) return false;
    if (count >= MAX_QUESTIONS) {
        ShowInfo(app, FilledIn(QT_TRANSLATE_NOOP(
                                   "QuestionList",
                                   "Il questionario contiene gi\u00e0 il numero massimo di domande (%1)."),
                               {std::to_string(MAX_QUESTIONS)}));
        return false;
    }
    if (index + 1 < count && !ConfirmRenumbering(app)) return false;
    DocumentEdit edit(app, QT_TRANSLATE_NOOP("QuestionList", "Duplica domanda"));
    const CDomanda copy(*app.currentTest.GetQuestion(index));
    app.currentTest.AppendQuestion(copy);
    std::vector<int> order;
    for (int i = 0; i <= index; ++i) order.push_back(i);
    order.push_back(count);
    for (int i = index + 1; i < count; ++i) order.push_back(i);
    Reorder(app.currentTest, order);
    return edit.Finish();
}

bool DeleteQuestions(Application& app, const std::vector<int>& indices)
{
    const std::vector<int> valid = ValidIndices(app, indices);
    if (valid.empty() || !ConfirmRenumbering(app) || !ConfirmDelete(app)) return false;
    DocumentEdit edit(app, QT_TRANSLATE_NOOP("QuestionList", "Cancella domanda"));
    for (auto it = valid.rbegin(); it != valid.rend(); ++it) app.currentTest.RemoveQuestion(*it);
    return edit.Finish();
}

bool SetQuestionsEnabled(Application& app, const std::vector<int>& indices, bool enabled)
{
    DocumentEdit edit(app, enabled ? QT_TRANSLATE_NOOP("QuestionList", "Abilita domanda")
                                   : QT_TRANSLATE_NOOP("QuestionList", "Disabilita domanda"));
    for (int index : ValidIndices(app, indices)) app.currentTest.GetQuestion(index)->SetEnableQue(enabled);
    app.currentTest.CountEnabled();
    return edit.Finish();
}

bool ToggleQuestionsEnabled(Application& app, const std::vector<int>& indices)
{
    bool anyDisabled = false;
    for (int index : ValidIndices(app, indices))
        anyDisabled = anyDisabled || app.currentTest.GetQuestion(index)->GetEnableQue() == 0;
    return SetQuestionsEnabled(app, indices, anyDisabled);
}

ListCommandStates ListCommandStatesFor(const Application& app, const std::vector<int>& selected)
{
    const std::vector<int> valid = ValidIndices(app, selected);
    const bool one = valid.size() == 1;
    ListCommandStates states;
    states.moveUp = one && valid[0] > 0;
    states.moveDown = one && valid[0] + 1 < app.currentTest.QuestionCount();
    states.duplicate = one;
    states.remove = !valid.empty();
    states.toggleEnabled = !valid.empty();
    return states;
}

}  // namespace quadrivo::editor
