#include "editor/core/newquestion.h"

#include "editor/core/application.h"
#include "model/domanda.h"

namespace quadrivo::editor {

QuestionKind OpenNewQuestion(Application& app)
{
    app.editingExisting = 0;
    return app.lastKindChoice;
}

QuestionDialogKind PrepareNewQuestion(Application& app, std::optional<QuestionKind> checked)
{
    app.editQuestion = CDomanda(&app.errorReporter);
    if (checked) app.lastKindChoice = *checked;
    CDomanda& question = app.editQuestion;
    switch (app.lastKindChoice) {
        case QuestionKind::SeveralSolutions:
            question.SetTypeQue(TQue::MultipleAnswer);
            question.SetSelection(TSel::Multiple);
            return QuestionDialogKind::MultiAns;
        case QuestionKind::OneSolution:
            question.SetTypeQue(TQue::MultipleAnswer);
            question.SetSelection(TSel::Single);
            return QuestionDialogKind::SingleAns;
        case QuestionKind::Text:
            question.SetTypeQue(TQue::SingleText);
            return QuestionDialogKind::TextAns;
        case QuestionKind::Number:
            question.SetTypeQue(TQue::SingleNumber);
            return QuestionDialogKind::TextAns;
    }
    return QuestionDialogKind::None;
}

}  // namespace quadrivo::editor
