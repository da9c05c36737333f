#include "editor/core/runner.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"
#include "editor/core/settings.h"

namespace {

class RunnerTest : public ScriptedEditorTest {
protected:
    void SetUp() override { app.currentTest.SetPathName("storia.tst"); }
};

TEST_F(RunnerTest, WholeTestRunsTheDefaultProgramOnTheQuotedFile)
{
    const auto opened = RunnerProgram(platform);
    ASSERT_EQ(opened, "quadrivo");
    RunProgram(app, opened, *opened, WholeTestArgument(app));
    EXPECT_EQ(platform.started, std::vector<std::string>{"quadrivo \"storia.tst\""});
    EXPECT_EQ(platform.settingWrites, std::vector<std::string>{"command=quadrivo"});
    EXPECT_TRUE(platform.infos.empty());
}

TEST_F(RunnerTest, OneQuestionRunsWithTheArgumentSetting)
{
    app.runTest.SetPathName("$QV3F.TMP");
    RunProgram(app, RunnerProgram(platform), "quadrivo", QuestionArgument(app));
    EXPECT_EQ(platform.started, std::vector<std::string>{"quadrivo -question 1 \"$QV3F.TMP\""});
}

TEST_F(RunnerTest, UnchangedProgramIsNotStoredAgain)
{
    platform.settings["command"] = std::string("runner");
    const auto opened = RunnerProgram(platform);
    RunProgram(app, opened, "runner", WholeTestArgument(app));
    EXPECT_TRUE(platform.settingWrites.empty());
}

TEST_F(RunnerTest, ChangedProgramIsStoredAlsoWhenItCannotStart)
{
    platform.startSucceeds = false;
    const auto opened = RunnerProgram(platform);
    RunProgram(app, opened, "C:\\Program Files\\Run\\run.exe", WholeTestArgument(app));
    EXPECT_EQ(platform.settingWrites.back(), "command=C:\\Program Files\\Run\\run.exe");
    // The program goes into the command line exactly as typed, unquoted.
    const std::string line = "C:\\Program Files\\Run\\run.exe \"storia.tst\"";
    EXPECT_EQ(platform.started, std::vector<std::string>{line});
    EXPECT_EQ(platform.infos, std::vector<std::string>{"Errore nell'eseguire il comando\r\n" + line});
}

TEST_F(RunnerTest, ProgramIsReadUpTo511Characters)
{
    RunProgram(app, RunnerProgram(platform), std::string(600, 'p'), "\"x.tst\"");
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_EQ(platform.started[0], std::string(511, 'p') + " \"x.tst\"");
}

TEST_F(RunnerTest, CommandLineIsCutToTheTextBuffer)
{
    EXPECT_EQ(RunnerCommandLine("run", std::string(6000, 'a')).size(), 4999u);
}

TEST_F(RunnerTest, WithoutSettingsTheTypedProgramStillRuns)
{
    platform.settingsWork = false;
    const auto opened = RunnerProgram(platform);
    EXPECT_EQ(opened, std::nullopt);
    RunProgram(app, opened, "quadrivo", WholeTestArgument(app));
    EXPECT_EQ(platform.started, std::vector<std::string>{"quadrivo \"storia.tst\""});
}

TEST_F(RunnerTest, ChooseProgramProposesTheLastChoiceAndKeepsTheDirectory)
{
    ScratchDirectory scratch;
    std::filesystem::create_directory(scratch.Path() / "bin");
    const std::string start = platform.CurrentDirectory();
    const std::string program = scratch.File("bin/runner");
    platform.openAnswers = {program, std::nullopt};

    EXPECT_EQ(ChooseProgram(app), program);
    EXPECT_EQ(platform.CurrentDirectory(), start);
    EXPECT_EQ(ChooseProgram(app), std::nullopt);
    EXPECT_EQ(platform.CurrentDirectory(), start);

    ASSERT_EQ(platform.openRequests.size(), 2u);
    EXPECT_EQ(platform.openRequests[0].title, "Scegli programma...");
    EXPECT_EQ(platform.openRequests[0].proposed, "");
    EXPECT_EQ(platform.openRequests[1].proposed, program);
    EXPECT_FALSE(platform.openRequests[1].mustExist);
}

}  // namespace
