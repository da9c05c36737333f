#include "editor/core/newquestion.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"
#include "model/domanda.h"

namespace quadrivo::editor {

namespace {

struct KindCase {
    QuestionKind button;
    TQue type;
    TSel selection;
    QuestionDialogKind kind;
};

std::string CaseName(const KindCase& c)
{
    switch (c.button) {
        case QuestionKind::SeveralSolutions:
            return "SeveralSolutions";
        case QuestionKind::OneSolution:
            return "OneSolution";
        case QuestionKind::Text:
            return "Text";
        case QuestionKind::Number:
            return "Number";
    }
    return "";
}

void PrintTo(const KindCase& c, std::ostream* out)
{
    *out << CaseName(c);
}

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

INSTANTIATE_TEST_SUITE_P(Buttons, NewQuestionKindTest,
                         ::testing::Values(KindCase{QuestionKind::SeveralSolutions, TQue::MultipleAnswer,
                                                    TSel::Multiple, QuestionDialogKind::MultiAns},
                                           KindCase{QuestionKind::OneSolution, TQue::MultipleAnswer,
                                                    TSel::Single, QuestionDialogKind::SingleAns},
                                           KindCase{QuestionKind::Text, TQue::SingleText, TSel::Single,
                                                    QuestionDialogKind::TextAns},
                                           KindCase{QuestionKind::Number, TQue::SingleNumber, TSel::Single,
                                                    QuestionDialogKind::TextAns}),
                         [](const auto& info) { return CaseName(info.param); });

TEST(NewQuestionTest, FirstProposalIsOneSolutionAndNoCheckKeepsTheLastChoice)
{
    ScriptedEditor editor;
    Application& app = editor.app;
    EXPECT_EQ(OpenNewQuestion(app), QuestionKind::OneSolution);
    app.lastKindChoice = QuestionKind::Text;
    EXPECT_EQ(PrepareNewQuestion(app, std::nullopt), QuestionDialogKind::TextAns);
    EXPECT_EQ(app.lastKindChoice, QuestionKind::Text);
}

}  // namespace

}  // namespace quadrivo::editor
