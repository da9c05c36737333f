#include "editor/core/runner.h"

#include <gtest/gtest.h>

#include <fstream>

#include "editor/core/scripted_platform.h"
#include "editor/core/settings.h"

namespace quadrivo::editor {

namespace {

class RunnerTest : public ScriptedEditorTest {
protected:
    void SetUp() override { app.currentTest.SetPathName("storia.tst"); }
};

TEST_F(RunnerTest, WholeTestRunsTheDefaultProgramOnTheQuotedFile)
{
    const auto opened = RunnerProgram(platform);
    ASSERT_EQ(opened, "quadrivo");
    RunProgram(app, opened, *opened, WholeTestArguments(app));
    EXPECT_EQ(platform.started, (std::vector<std::vector<std::string>>{{"quadrivo", "storia.tst"}}));
    EXPECT_EQ(platform.settingWrites, std::vector<std::string>{"command=quadrivo"});
    EXPECT_TRUE(platform.infos.empty());
}

TEST_F(RunnerTest, OneQuestionRunsWithTheArgumentSetting)
{
    app.runTest.SetPathName("$QV3F.TMP");
    RunProgram(app, RunnerProgram(platform), "quadrivo", QuestionArguments(app));
    EXPECT_EQ(platform.started,
              (std::vector<std::vector<std::string>>{{"quadrivo", "-question", "1", "$QV3F.TMP"}}));
}

TEST_F(RunnerTest, UnchangedProgramIsNotStoredAgain)
{
    platform.settings["command"] = std::string("runner");
    const auto opened = RunnerProgram(platform);
    RunProgram(app, opened, "runner", WholeTestArguments(app));
    EXPECT_TRUE(platform.settingWrites.empty());
}

TEST_F(RunnerTest, ChangedProgramIsStoredAlsoWhenItCannotStart)
{
    platform.startResult = StartResult::Failed;
    const auto opened = RunnerProgram(platform);
    RunProgram(app, opened, "\"C:\\Program Files\\Run\\run.exe\"", WholeTestArguments(app));
    EXPECT_EQ(platform.settingWrites.back(), "command=\"C:\\Program Files\\Run\\run.exe\"");
    EXPECT_EQ(platform.started,
              (std::vector<std::vector<std::string>>{{"C:\\Program Files\\Run\\run.exe", "storia.tst"}}));
    EXPECT_EQ(platform.infos, std::vector<std::string>{"Errore nell'eseguire il comando\r\n"
                                                       "\"C:\\Program Files\\Run\\run.exe\" storia.tst"});
}

TEST_F(RunnerTest, ProgramIsReadUpTo511Characters)
{
    RunProgram(app, RunnerProgram(platform), std::string(600, 'p'), {"x.tst"});
    EXPECT_EQ(platform.started, (std::vector<std::vector<std::string>>{{std::string(511, 'p'), "x.tst"}}));
}

TEST_F(RunnerTest, CommandLineIsCutToTheTextBuffer)
{
    EXPECT_EQ(RunnerCommandLine("run", {std::string(6000, 'a')}).size(), 4999u);
}

TEST_F(RunnerTest, WithoutSettingsTheTypedProgramStillRuns)
{
    platform.settingsWork = false;
    const auto opened = RunnerProgram(platform);
    EXPECT_EQ(opened, std::nullopt);
    RunProgram(app, opened, "quadrivo", WholeTestArguments(app));
    EXPECT_EQ(platform.started, (std::vector<std::vector<std::string>>{{"quadrivo", "storia.tst"}}));
}

struct ProgramFieldCase {
    std::string field;
    std::vector<std::string> started;  // program, then arguments
};

TEST_F(RunnerTest, ProgramFieldIsOnePathWhenItNamesAFileElseACommandLine)
{
    ScratchDirectory scratch;
    std::filesystem::create_directories(scratch.Path() / "my apps");
    std::filesystem::create_directories(scratch.Path() / "editor");
    std::ofstream(scratch.Path() / "my apps" / "run er") << "";
    std::ofstream(scratch.Path() / "editor" / "quadrivo") << "";
    platform.editorFolder = scratch.File("editor");
    const std::string withBlanks = scratch.File("my apps/run er");
    const std::string shipped = (scratch.Path() / "editor" / "quadrivo").string();
    const ProgramFieldCase cases[] = {
        {withBlanks, {withBlanks, "a\"b.tst"}},
        {"quadrivo -f", {shipped, "-f", "a\"b.tst"}},
        {"\"/opt/x y/run\" -v", {"/opt/x y/run", "-v", "a\"b.tst"}},
        {"altro", {"altro", "a\"b.tst"}},
    };
    for (const ProgramFieldCase& c : cases) {
        platform.started.clear();
        RunProgram(app, c.field, c.field, {"a\"b.tst"});
        EXPECT_EQ(platform.started, std::vector<std::vector<std::string>>{c.started}) << c.field;
    }
    EXPECT_TRUE(platform.infos.empty());
}

TEST_F(RunnerTest, RunnerStartsInTheEditorsFolderWhereARelativeProgramIsFound)
{
    ScratchDirectory scratch{app};
    std::filesystem::create_directories(scratch.Path() / "sub" / "bin");
    std::ofstream(scratch.Path() / "sub" / "bin" / "run er") << "";
    ASSERT_TRUE(app.ChangeFolder("sub"));
    RunProgram(app, "bin/run er", "bin/run er", WholeTestArguments(app));
    EXPECT_EQ(platform.started, (std::vector<std::vector<std::string>>{{"bin/run er", "storia.tst"}}));
    EXPECT_EQ(platform.startedIn, std::vector<std::string>{scratch.File("sub")});
    EXPECT_EQ(std::filesystem::current_path(), scratch.Path());
}

TEST_F(RunnerTest, ProgramNotFoundSaysWhereToSetIt)
{
    platform.startResult = StartResult::NotFound;
    RunProgram(app, "quadrivo", "quadrivo", WholeTestArguments(app));
    EXPECT_EQ(platform.infos,
              std::vector<std::string>{"Errore nell'eseguire il comando\r\nquadrivo storia.tst\r\n"
                                       "Il programma \"quadrivo\" non \xe8 stato trovato: si pu\xf2 "
                                       "indicare in \"Esegui con...\"."});
}

TEST_F(RunnerTest, ChooseProgramProposesTheLastChoiceAndKeepsTheDirectory)
{
    ScratchDirectory scratch;
    std::filesystem::create_directory(scratch.Path() / "bin");
    const std::string start = app.CurrentFolder();
    const std::string program = scratch.File("bin/runner");
    platform.openAnswers = {program, std::nullopt};

    EXPECT_EQ(ChooseProgram(app), program);
    EXPECT_EQ(app.CurrentFolder(), start);
    EXPECT_EQ(ChooseProgram(app), std::nullopt);
    EXPECT_EQ(app.CurrentFolder(), start);

    ASSERT_EQ(platform.openRequests.size(), 2u);
    EXPECT_EQ(platform.openRequests[0].title, "Scegli programma...");
    EXPECT_EQ(platform.openRequests[0].proposed, "");
    EXPECT_EQ(platform.openRequests[1].proposed, program);
    EXPECT_FALSE(platform.openRequests[1].mustExist);
}

}  // namespace

}  // namespace quadrivo::editor
