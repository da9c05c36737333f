#include "editor/core/newquestion.h"

#include "editor/core/application.h"
#include "model/domanda.h"

int OpenNewQuestion(Application& app)
{
    app.editingExisting = 0;
    return app.lastKindChoice;
}

QuestionDialogKind PrepareNewQuestion(Application& app, int checked)
{
    app.editQuestion = CDomanda(&app.errorReporter);
    switch (checked) {
    case kSeveralSolutionsButton:
    case kTextButton:
    case kOneSolutionButton:
    case kNumberButton:
        app.lastKindChoice = checked;
        break;
    default:
        break;
    }
    CDomanda& question = app.editQuestion;
    switch (app.lastKindChoice) {
    case kSeveralSolutionsButton:
        question.SetTypeQue(TQue::MultipleAnswer);
        question.SetSelection(TSel::Multiple);
        return QuestionDialogKind::MultiAns;
    case kOneSolutionButton:
        question.SetTypeQue(TQue::MultipleAnswer);
        question.SetSelection(TSel::Single);
        return QuestionDialogKind::SingleAns;
    case kTextButton:
        question.SetTypeQue(TQue::SingleText);
        return QuestionDialogKind::TextAns;
    case kNumberButton:
        question.SetTypeQue(TQue::SingleNumber);
        return QuestionDialogKind::TextAns;
    default:
        return QuestionDialogKind::None;
    }
}
