#include "editor/core/frame.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

using FrameTest = ScriptedEditorTest;

struct StateCase {
    const char* label;
    int questions;
    const char* pathName;
    int modified;
    bool editEnabled;
    bool runEnabled;
};

const StateCase kStateCases[] = {
    {"EmptyNewTest", 0, "", 0, false, false},
    {"SavedTestWithQuestions", 2, "quiz.tst", 0, true, true},
    {"ModifiedTestCannotRun", 1, "quiz", 1, true, false},
    {"NameOnlyExtensionIsNoName", 1, ".tst", 0, true, false},
    {"SavedTestWithoutQuestions", 0, "dir/quiz", 0, false, true},
};

void PrintTo(const StateCase& c, std::ostream* out)
{
    *out << c.label;
}

class CommandStatesTest : public FrameTest, public testing::WithParamInterface<StateCase> {};

TEST_P(CommandStatesTest, EnablesEditAndRunByTheTest)
{
    const StateCase& c = GetParam();
    for (int i = 0; i < c.questions; ++i) ASSERT_EQ(app.currentTest.AddQuestion(), 0);
    app.currentTest.SetPathName(c.pathName);
    app.modified = c.modified;
    const CommandStates states = UpdateCommandStates(app);
    EXPECT_EQ(states.editQuestion, c.editEnabled);
    EXPECT_EQ(states.runTest, c.runEnabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandStatesTest, testing::ValuesIn(kStateCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(FrameTest, ConfirmDiscardAsksNothingWhenUnmodified)
{
    EXPECT_TRUE(ConfirmDiscard(app));
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(FrameTest, ConfirmDiscardAsksWhenModifiedAndFollowsTheAnswer)
{
    app.modified = 1;
    platform.yesNoAnswers = {false, true};
    EXPECT_FALSE(ConfirmDiscard(app));
    EXPECT_TRUE(ConfirmDiscard(app));
    ASSERT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(platform.questions[0], "Procedendo verranno perse le modifiche.\r\nVuoi veramente continuare?");
}

TEST_F(FrameTest, NewDeclinedKeepsTheModifiedTest)
{
    app.currentTest.GetParams().Name = "Vecchio";
    app.modified = 1;
    platform.yesNoAnswers = {false};
    EXPECT_FALSE(NewCommand(app));
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Vecchio"));
    EXPECT_EQ(app.modified, 1);
}

TEST_F(FrameTest, NewAcceptedGivesAnEmptyUnmodifiedTest)
{
    app.currentTest.GetParams().Name = "Vecchio";
    ASSERT_EQ(app.currentTest.AddQuestion(), 0);
    app.currentTest.SetPathName("vecchio.tst");
    app.modified = 1;
    platform.yesNoAnswers = {true};
    EXPECT_TRUE(NewCommand(app));
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa(""));
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
    EXPECT_FALSE(HasFileName(app.currentTest));
    EXPECT_EQ(app.modified, 0);
}

TEST_F(FrameTest, EditQuestionWithoutQuestionsSaysSo)
{
    EXPECT_FALSE(EditQuestionCommand(app));
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0], "Nessuna domanda da modificare");

    ASSERT_EQ(app.currentTest.AddQuestion(), 0);
    EXPECT_TRUE(EditQuestionCommand(app));
    EXPECT_EQ(platform.infos.size(), 1u);
}

TEST_F(FrameTest, ShowInfoCutsToTheMessageBuffer)
{
    ShowInfo(app, std::string(2000, 'x'));
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0].size(), 1023u);
}

struct TailCase {
    std::vector<std::string> arguments;
    std::string tail;
};

TEST(CommandLineTailTest, JoinsArgumentsWithSingleBlanksKeepingQuotes)
{
    const TailCase cases[] = {
        {{}, ""},
        {{"C:\\dati\\quiz.tst"}, "C:\\dati\\quiz.tst"},
        {{"\"my", "quiz.tst\""}, "\"my quiz.tst\""},
        {{"a", "", "b"}, "a  b"},
    };
    for (const TailCase& c : cases) EXPECT_EQ(CommandLineTail(c.arguments), c.tail);
}

TEST(CommandLineTailTest, CutsTo511Characters)
{
    EXPECT_EQ(CommandLineTail({std::string(300, 'a'), std::string(300, 'b')}),
              std::string(300, 'a') + " " + std::string(210, 'b'));
}

}  // namespace

}  // namespace quadrivo::editor
