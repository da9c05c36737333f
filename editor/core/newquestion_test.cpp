#include "editor/core/newquestion.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"
#include "model/domanda.h"

namespace {

struct KindCase {
    int button;
    TQue type;
    TSel selection;
    QuestionDialogKind kind;
};

class NewQuestionKindTest : public ::testing::TestWithParam<KindCase> {
protected:
    ScriptedEditor editor;
    Application& app = editor.app;
};

TEST_P(NewQuestionKindTest, MakesAnEmptyQuestionOfTheChosenKindAndProposesItNextTime)
{
    app.editQuestion.SetSelection(TSel::Multiple);
    app.editQuestion.AddAnswer();
    EXPECT_EQ(PrepareNewQuestion(app, GetParam().button), GetParam().kind);
    EXPECT_EQ(app.editQuestion.GetTypeQue(), GetParam().type);
    EXPECT_EQ(app.editQuestion.GetSelection(), GetParam().selection);
    EXPECT_EQ(app.editQuestion.GetAnswerCount(), 0);
    app.editingExisting = 1;
    EXPECT_EQ(OpenNewQuestion(app), GetParam().button);
    EXPECT_EQ(app.editingExisting, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, NewQuestionKindTest,
    ::testing::Values(
        KindCase{kSeveralSolutionsButton, TQue::MultipleAnswer, TSel::Multiple, QuestionDialogKind::MultiAns},
        KindCase{kOneSolutionButton, TQue::MultipleAnswer, TSel::Single, QuestionDialogKind::SingleAns},
        KindCase{kTextButton, TQue::SingleText, TSel::Single, QuestionDialogKind::TextAns},
        KindCase{kNumberButton, TQue::SingleNumber, TSel::Single, QuestionDialogKind::TextAns}));

TEST(NewQuestionTest, FirstProposalIsOneSolutionAndNoCheckKeepsTheLastChoice)
{
    ScriptedEditor editor;
    Application& app = editor.app;
    EXPECT_EQ(OpenNewQuestion(app), kOneSolutionButton);
    app.lastKindChoice = kTextButton;
    EXPECT_EQ(PrepareNewQuestion(app, 0), QuestionDialogKind::TextAns);
    EXPECT_EQ(app.lastKindChoice, kTextButton);
}

}  // namespace
