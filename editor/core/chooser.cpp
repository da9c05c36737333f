#include "editor/core/chooser.h"

#include <cstdio>

#include "editor/core/application.h"
#include "editor/core/dialogtext.h"
#include "editor/core/frame.h"
#include "editor/core/translate.h"
#include "model/domanda.h"
#include "model/risposta.h"
#include "model/test.h"

namespace quadrivo::editor {

namespace {

std::string ToStd(const CStringa& text)
{
    return text.CStr() ? std::string(text.CStr(), text.Length()) : std::string();
}

// GetQuestion answers any index (and adds a question to an empty test):
// callers ask first.
bool IsQuestion(Application& app, int index)
{
    return index >= 0 && index < app.currentTest.QuestionCount();
}

}  // namespace

void OpenQuestionChooser(Application& app)
{
    app.editingExisting = 1;
}

std::vector<std::string> ChooserItems(CTest& test)
{
    std::vector<std::string> items;
    for (int i = 0; i < test.QuestionCount(); ++i) {
        const std::string text = ToStd(test.GetQuestion(i)->GetTextQue());
        items.push_back(std::to_string(i + 1) + " - " + text.substr(0, 32));
    }
    return items;
}

int ChooserSelection(Application& app)
{
    const int count = app.currentTest.QuestionCount();
    if (app.lastSelection >= count) app.lastSelection = count - 1;
    if (app.lastSelection < 0) app.lastSelection = 0;
    return app.lastSelection;
}

std::string ChooserPreview(Application& app, int index)
{
    if (!IsQuestion(app, index)) return std::string();
    const CDomanda question(*app.currentTest.GetQuestion(index));
    const std::size_t capacity = Application::kTextCapacity - 1;
    std::string preview =
        ToDialogText(ToStd(question.GetTextQue()).substr(0, capacity), Application::kTextCapacity);
    for (int i = 0; i < question.GetAnswerCount() && preview.size() < capacity; ++i)
        // CR CR LF is the line break a multi-line field shows without
        // counting it as typed; 0xB7 is the middle dot of Windows-1252.
        preview += "\r\r\n\xB7 " + ToStd(question.GetAnswer(i).GetTextAns());
    if (preview.size() > capacity) preview.resize(capacity);
    return preview;
}

QuestionDialogKind ChooseQuestion(Application& app, int index)
{
    if (!IsQuestion(app, index)) return QuestionDialogKind::None;
    app.editIndex = index;
    app.editQuestion = *app.currentTest.GetQuestion(index);
    const QuestionDialogKind kind = DialogKindOf(app.editQuestion);
    if (kind == QuestionDialogKind::None)
        ShowInfo(app, FilledIn(QT_TRANSLATE_NOOP("Chooser",
                                                 "Non posso modificare la domanda %1: \u00e8 di tipo %2."),
                               {std::to_string(index + 1), ToStd(TQueText(app.editQuestion.GetTypeQue()))}));
    return kind;
}

void CloseQuestionChooser(Application& app, int selection)
{
    app.lastSelection = selection;
}

}  // namespace quadrivo::editor
