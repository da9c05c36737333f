#include "editor/core/questionlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "editor/core/scripted_platform.h"
#include "model/domanda.h"

namespace quadrivo::editor {

namespace {

class QuestionListTest : public ScriptedEditorTest {
protected:
    // Questions "A" to "D": choice with several and one solution, text, number.
    void SetUp() override
    {
        Add("A", TQue::MultipleAnswer, TSel::Multiple, 3);
        Add("B", TQue::MultipleAnswer, TSel::Single, 2);
        Add("C", TQue::SingleText, TSel::Single, 0);
        Add("D", TQue::SingleNumber, TSel::Single, 0);
    }
    void Add(const char* text, TQue type, TSel selection, int answers)
    {
        CDomanda question(&app.errorReporter);
        question.SetTextQue(CStringa(text));
        question.SetTypeQue(type);
        question.SetSelection(selection);
        for (int i = 0; i < answers; ++i) question.AddAnswer();
        app.currentTest.AppendQuestion(question);
    }
    std::string Texts()
    {
        std::string texts;
        for (const QuestionRow& row : QuestionRows(app)) texts += row.firstLine + (row.enabled ? "" : "-");
        return texts;
    }
};

TEST_F(QuestionListTest, RowsShowNumberKindFirstLineAnswersAndEnabled)
{
    app.currentTest.GetQuestion(0)->SetTextQue(CStringa("Prima riga\r\nseconda riga"));
    app.currentTest.GetQuestion(1)->SetTextQue(CStringa(std::string(100, 'x').c_str()));
    app.currentTest.GetQuestion(3)->SetEnableQue(0);
    const std::vector<QuestionRow> rows = QuestionRows(app);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (QuestionRow{1, RowKind::SeveralSolutions, "Prima riga", 3, true}));
    EXPECT_EQ(rows[1], (QuestionRow{2, RowKind::OneSolution, std::string(77, 'x') + "...", 2, true}));
    EXPECT_EQ(rows[2], (QuestionRow{3, RowKind::Text, "C", 0, true}));
    EXPECT_EQ(rows[3], (QuestionRow{4, RowKind::Number, "D", 0, false}));
}

struct ListCommandCase {
    const char* name;
    std::function<bool(Application&)> command;
    std::deque<bool> answers;
    bool changed;
    const char* texts;  // the questions afterwards, "-" after a disabled one
};

const ListCommandCase kCommands[] = {
    {"MoveDown", [](Application& a) { return MoveQuestion(a, 0, 1); }, {}, true, "BACD"},
    {"MoveUp", [](Application& a) { return MoveQuestion(a, 3, 2); }, {}, true, "ABDC"},
    {"DragFirstToLast", [](Application& a) { return MoveQuestion(a, 0, 3); }, {}, true, "BCDA"},
    {"MoveOutOfRange", [](Application& a) { return MoveQuestion(a, 3, 4); }, {}, false, "ABCD"},
    {"Duplicate", [](Application& a) { return DuplicateQuestion(a, 1); }, {}, true, "ABBCD"},
    {"DuplicateLast", [](Application& a) { return DuplicateQuestion(a, 3); }, {}, true, "ABCDD"},
    {"DeleteSeveral",
     [](Application& a) {
         return DeleteQuestions(a, {3, 0, 3, 9});
     },
     {true},
     true,
     "BC"},
    {"DeleteDeclined", [](Application& a) { return DeleteQuestions(a, {1}); }, {false}, false, "ABCD"},
    {"Disable",
     [](Application& a) {
         return SetQuestionsEnabled(a, {0, 2}, false);
     },
     {},
     true,
     "A-BC-D"},
    {"EnableTheEnabled", [](Application& a) { return SetQuestionsEnabled(a, {0}, true); }, {}, false, "ABCD"},
    {"ToggleDisables",
     [](Application& a) {
         return ToggleQuestionsEnabled(a, {1, 2});
     },
     {},
     true,
     "AB-C-D"},
    {"ToggleEnablesWhenOneIsOff",
     [](Application& a) {
         SetQuestionsEnabled(a, {1}, false);
         return ToggleQuestionsEnabled(a, {1, 2});
     },
     {},
     true,
     "ABCD"},
};

class ListCommandTest : public QuestionListTest, public testing::WithParamInterface<ListCommandCase> {};

TEST_P(ListCommandTest, ChangesTheTestAsTheTeacherAsked)
{
    platform.yesNoAnswers = GetParam().answers;
    EXPECT_EQ(GetParam().command(app), GetParam().changed);
    const std::string texts = Texts();
    EXPECT_EQ(texts, GetParam().texts);
    EXPECT_EQ(app.modified, GetParam().changed ? 1 : 0);
    // What a run asks follows at once.
    const int disabled = static_cast<int>(std::count(texts.begin(), texts.end(), '-'));
    EXPECT_EQ(app.currentTest.EnabledCount(), app.currentTest.QuestionCount() - disabled);
}

INSTANTIATE_TEST_SUITE_P(Commands, ListCommandTest, testing::ValuesIn(kCommands),
                         [](const testing::TestParamInfo<ListCommandCase>& info) { return info.param.name; });

TEST_F(QuestionListTest, WithAStudentFileMovingAndDeletingWarnFirst)
{
    ScratchDirectory scratch(app);
    app.currentTest.SetPathName(CStringa("quiz.tst"));
    EXPECT_FALSE(HasStudentFile(app));
    EXPECT_TRUE(MoveQuestion(app, 0, 1));
    EXPECT_TRUE(platform.questions.empty());

    std::ofstream(scratch.File("quiz.stu")) << "<Student>\n";
    ASSERT_TRUE(HasStudentFile(app));
    EXPECT_FALSE(MoveQuestion(app, 0, 1));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_NE(platform.questions[0].find("non corrisponderanno pi\xf9"), std::string::npos);
    // Declined warning: nothing more asked, nothing deleted.
    EXPECT_FALSE(DeleteQuestions(app, {0}));
    EXPECT_EQ(platform.questions.size(), 2u);
    // Duplicating the last question shifts no number: no warning.
    EXPECT_TRUE(DuplicateQuestion(app, 3));
    platform.yesNoAnswers = {true, true};
    EXPECT_TRUE(DeleteQuestions(app, {0}));
    EXPECT_EQ(platform.questions.back(), "Vuoi veramente cancellare la domanda?");
    EXPECT_EQ(Texts(), "ACDD");
}

TEST_F(QuestionListTest, DuplicateIsRefusedWhenTheTestIsFull)
{
    while (app.currentTest.QuestionCount() < MAX_QUESTIONS) Add("E", TQue::SingleText, TSel::Single, 0);
    EXPECT_FALSE(DuplicateQuestion(app, 0));
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(app.currentTest.QuestionCount(), MAX_QUESTIONS);
}

TEST_F(QuestionListTest, CommandStatesFollowTheSelection)
{
    EXPECT_EQ(ListCommandStatesFor(app, {}), (ListCommandStates{}));
    EXPECT_EQ(ListCommandStatesFor(app, {0}), (ListCommandStates{false, true, true, true, true}));
    EXPECT_EQ(ListCommandStatesFor(app, {3}), (ListCommandStates{true, false, true, true, true}));
    EXPECT_EQ(ListCommandStatesFor(app, {1, 2}), (ListCommandStates{false, false, false, true, true}));
}

TEST_F(QuestionListTest, PrepareEditQuestionOpensItAsModificaDoes)
{
    EXPECT_FALSE(PrepareEditQuestion(app, 4));
    ASSERT_TRUE(PrepareEditQuestion(app, 2));
    EXPECT_EQ(app.editingExisting, 1);
    EXPECT_EQ(app.editIndex, 2);
    EXPECT_TRUE(app.editQuestion == *app.currentTest.GetQuestion(2));
}

}  // namespace

}  // namespace quadrivo::editor
