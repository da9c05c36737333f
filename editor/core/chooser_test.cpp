#include "editor/core/chooser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/core/scripted_platform.h"
#include "model/domanda.h"
#include "model/test.h"

namespace quadrivo::editor {

namespace {

class ChooserTest : public ::testing::Test {
protected:
    CDomanda& Add(const std::string& text, const std::vector<std::string>& answers = {})
    {
        CDomanda question(&app.errorReporter);
        question.SetTextQue(CStringa(text.c_str()));
        for (const std::string& answerText : answers) {
            CRisposta answer(&app.errorReporter);
            answer.SetTextAns(CStringa(answerText.c_str()));
            question.AddAnswer(answer);
        }
        app.currentTest.AppendQuestion(question);
        return *app.currentTest.GetQuestion(app.currentTest.QuestionCount() - 1);
    }

    ScriptedEditor editor;
    Application& app = editor.app;
};

TEST_F(ChooserTest, ListsEachQuestionByNumberAndThirtyTwoCharactersOfText)
{
    Add("Prima");
    Add("riga uno\nriga due");
    Add("0123456789012345678901234567890123456789");
    EXPECT_EQ(ChooserItems(app.currentTest),
              (std::vector<std::string>{"1 - Prima", "2 - riga uno\nriga due",
                                        "3 - 01234567890123456789012345678901"}));
}

TEST_F(ChooserTest, PreviewShowsTheTextAndADottedLinePerAnswer)
{
    Add("Quale?\nScegli");
    Add("Capitale?", {"Roma", "Milano"});
    EXPECT_EQ(ChooserPreview(app, 0), "Quale?\r\nScegli");
    EXPECT_EQ(ChooserPreview(app, 1), "Capitale?\r\r\n\xB7 Roma\r\r\n\xB7 Milano");
}

TEST_F(ChooserTest, PreviewIsCutToTheTextBuffer)
{
    Add(std::string(4990, 'q'), {"abcdefghij", "more"});
    const std::string preview = ChooserPreview(app, 0);
    EXPECT_EQ(preview.size(), 4999u);
    EXPECT_EQ(preview.substr(4990), "\r\r\n\xB7 abcd");
}

TEST_F(ChooserTest, SelectionIsRememberedAndFallsBackToTheLastQuestion)
{
    Add("a");
    Add("b");
    Add("c");
    OpenQuestionChooser(app);
    EXPECT_EQ(app.editingExisting, 1);
    EXPECT_EQ(ChooserSelection(app), 0);
    CloseQuestionChooser(app, 2);
    EXPECT_EQ(ChooserSelection(app), 2);
    app.currentTest.RemoveQuestion(2);
    EXPECT_EQ(ChooserSelection(app), 1);
}

struct DispatchCase {
    TQue type;
    TSel selection;
    QuestionDialogKind kind;
    const char* message = "";  // what a kind the editor cannot edit says
};

std::string CaseName(const DispatchCase& c)
{
    const std::string type = TQueText(c.type).CStr();
    return c.type == TQue::MultipleAnswer ? type + TSelText(c.selection).CStr() : type;
}

void PrintTo(const DispatchCase& c, std::ostream* out)
{
    *out << CaseName(c);
}

class ChooserDispatchTest : public ChooserTest, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(ChooserDispatchTest, OpensTheDialogOfTheQuestionsKind)
{
    Add("first");
    CDomanda& chosen = Add("second", {"x", "y"});
    chosen.SetTypeQue(GetParam().type);
    chosen.SetSelection(GetParam().selection);
    EXPECT_EQ(ChooseQuestion(app, 1), GetParam().kind);
    EXPECT_EQ(app.editIndex, 1);
    EXPECT_TRUE(app.editQuestion == chosen);
    const std::string message = GetParam().message;
    EXPECT_EQ(editor.platform.infos, message.empty() ? std::vector<std::string>{} : std::vector{message});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ChooserDispatchTest,
    ::testing::Values(DispatchCase{TQue::MultipleAnswer, TSel::Multiple, QuestionDialogKind::MultiAns},
                      DispatchCase{TQue::MultipleAnswer, TSel::Single, QuestionDialogKind::SingleAns},
                      DispatchCase{TQue::SingleNumber, TSel::Multiple, QuestionDialogKind::TextAns},
                      DispatchCase{TQue::SingleText, TSel::Single, QuestionDialogKind::TextAns},
                      DispatchCase{TQue::SortItem, TSel::Single, QuestionDialogKind::None,
                                   "Non posso modificare la domanda 2: \xe8 di tipo SortItem."},
                      DispatchCase{TQue::FreeText, TSel::Single, QuestionDialogKind::None,
                                   "Non posso modificare la domanda 2: \xe8 di tipo FreeText."},
                      DispatchCase{TQue::AssociateWord, TSel::Single, QuestionDialogKind::None,
                                   "Non posso modificare la domanda 2: \xe8 di tipo AssociateWord."},
                      DispatchCase{TQue::Information, TSel::Multiple, QuestionDialogKind::None,
                                   "Non posso modificare la domanda 2: \xe8 di tipo Information."}),
    [](const auto& info) { return CaseName(info.param); });

}  // namespace

}  // namespace quadrivo::editor
