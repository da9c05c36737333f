#include "editor/core/filecommands.h"

#include <gtest/gtest.h>

#include <fstream>

#include "editor/core/questiondialogs.h"
#include "editor/core/runner.h"
#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

namespace fs = std::filesystem;

class FileCommandsTest : public ScriptedEditorTest {
protected:
    // Writes a test named name with questions empty questions to path.
    void WriteTest(const fs::path& path, const char* name, int questions)
    {
        fs::create_directories(path.parent_path());
        CTest test(&app.errorReporter);
        test.GetParams().Name = name;
        for (int i = 0; i < questions; ++i) ASSERT_EQ(test.AddQuestion(), 0);
        ASSERT_EQ(test.SaveTo(CStringa(path.string().c_str()), 1), 0);
    }

    // The name stored in the test file at path.
    std::string NameIn(const fs::path& path)
    {
        CTest test(&app.errorReporter, CStringa(path.string().c_str()), CStringa(path.string().c_str()));
        EXPECT_EQ(test.Error(), 0);
        return test.GetParams().Name.CStr();
    }

    std::string Current() { return app.CurrentFolder(); }

    ScratchDirectory scratch{app};
};

TEST_F(FileCommandsTest, FileNamePartTakesBothSeparators)
{
    EXPECT_EQ(FileNamePart("C:\\dir\\file.tst"), "file.tst");
    EXPECT_EQ(FileNamePart("/home/a/quiz.tst"), "quiz.tst");
    EXPECT_EQ(FileNamePart("dir\\sub/quiz"), "quiz");
    EXPECT_EQ(FileNamePart("quiz.tst"), "quiz.tst");
    EXPECT_EQ(FileNamePart("dir/"), "");
}

TEST_F(FileCommandsTest, StartUpLoadEntersTheFileFolderAndKeepsTheBareName)
{
    const fs::path file = scratch.Path() / "sub" / "quiz.tst";
    WriteTest(file, "Quiz", 2);
    StartUp(app, file.string());
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Quiz"));
    EXPECT_EQ(app.currentTest.QuestionCount(), 2);
    EXPECT_EQ(app.currentTest.GetPathName(), CStringa("quiz.tst"));
    EXPECT_EQ(fs::path(Current()), file.parent_path());
    EXPECT_EQ(app.fileBuffer, file.string());
    EXPECT_EQ(app.modified, 0);
    EXPECT_EQ(platform.waitCursorShows, 1);
    EXPECT_EQ(platform.waitCursorDepth, 0);
}

TEST_F(FileCommandsTest, StartUpWithABareNameReadsFromTheStartFolder)
{
    WriteTest(scratch.Path() / "quiz.tst", "Quiz", 0);
    StartUp(app, "quiz");
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Quiz"));
    EXPECT_EQ(fs::path(Current()), scratch.Path());
}

TEST_F(FileCommandsTest, StartUpWithoutTailLoadsNothing)
{
    StartUp(app, "");
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
    EXPECT_TRUE(platform.infos.empty());
    EXPECT_EQ(platform.waitCursorShows, 0);
}

TEST_F(FileCommandsTest, QuotedCommandLineIsNotUnquotedAndFails)
{
    const fs::path file = scratch.Path() / "sub" / "quiz.tst";
    WriteTest(file, "Quiz", 1);
    StartUp(app, "\"" + file.string() + "\"");
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
    EXPECT_FALSE(platform.infos.empty());
    EXPECT_EQ(fs::path(Current()), scratch.Path());
}

TEST_F(FileCommandsTest, FolderThatCannotBeEnteredDoesNotLoadALookAlike)
{
    WriteTest(scratch.Path() / "quiz.tst", "Sbagliato", 1);
    EXPECT_FALSE(LoadTestFile(app, "missing/quiz.tst", true));
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
    EXPECT_FALSE(platform.infos.empty());
}

TEST_F(FileCommandsTest, FailedLoadKeepsTestModifiedAndDirectory)
{
    app.currentTest.GetParams().Name = "Attuale";
    app.modified = 1;
    fs::create_directory(scratch.Path() / "sub");
    std::ofstream(scratch.Path() / "sub" / "bad.tst") << "not a questionnaire\n";

    EXPECT_FALSE(LoadTestFile(app, scratch.File("sub/bad.tst"), true));
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Attuale"));
    EXPECT_EQ(app.currentTest.Error(), 0);
    EXPECT_EQ(app.modified, 1);
    EXPECT_EQ(fs::path(Current()), scratch.Path());
    EXPECT_FALSE(platform.infos.empty());
    EXPECT_EQ(platform.waitCursorDepth, 0);
}

TEST_F(FileCommandsTest, LoadCommandOpensTheChosenFile)
{
    const fs::path file = scratch.Path() / "a" / "quiz.tst";
    WriteTest(file, "Quiz", 3);
    app.modified = 1;
    platform.openAnswers = {file.string()};
    EXPECT_TRUE(LoadCommand(app));
    EXPECT_EQ(app.currentTest.QuestionCount(), 3);
    EXPECT_EQ(app.modified, 0);
    EXPECT_EQ(app.fileBuffer, file.string());
    EXPECT_EQ(fs::path(Current()), file.parent_path());

    ASSERT_EQ(platform.openRequests.size(), 1u);
    const FileDialogRequest& request = platform.openRequests[0];
    EXPECT_EQ(request.title, "Apri questionario...");
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].label, "Questionari (*.tst)");
    EXPECT_EQ(request.filters[1].pattern, "*.*");
    EXPECT_EQ(request.defaultExtension, "tst");
    EXPECT_TRUE(request.mustExist);
    EXPECT_EQ(request.maxPath, 510u);
}

TEST_F(FileCommandsTest, LoadMovesTheEditorsFolderNotTheProcessesAndEveryDialogStartsThere)
{
    const fs::path file = scratch.Path() / "sub" / "quiz.tst";
    WriteTest(file, "Quiz", 1);
    platform.openAnswers = {file.string()};
    ASSERT_TRUE(LoadCommand(app));
    EXPECT_EQ(platform.openRequests.at(0).folder, scratch.Path().string());
    EXPECT_EQ(fs::path(Current()), file.parent_path());
    EXPECT_EQ(fs::current_path(), scratch.Path());

    std::string image;
    ChooseImage(app, image);
    ChooseProgram(app);
    SaveAsCommand(app);
    for (const std::vector<FileDialogRequest>* requests : {&platform.openRequests, &platform.saveRequests})
        for (const FileDialogRequest& request : *requests)
            if (&request != &platform.openRequests[0]) {
                EXPECT_EQ(fs::path(request.folder), file.parent_path()) << request.title;
            }
    EXPECT_EQ(platform.openRequests.size() + platform.saveRequests.size(), 4u);
}

TEST_F(FileCommandsTest, ScrambledQuestionnaireIsSavedBackScrambledAndNewIsPlain)
{
    const fs::path copy = scratch.Path() / "cifrato.tst";
    fs::copy_file(fs::path(QV_SOURCE_DIR) / "examples" / "geografia-cifrato.tst", copy);
    ASSERT_TRUE(LoadTestFile(app, copy.string(), true));
    app.modified = 1;
    ASSERT_TRUE(SaveCommand(app));
    std::string start(6, ' ');
    std::ifstream(copy).read(start.data(), 6);
    EXPECT_NE(start, "<Test>");
    EXPECT_EQ(app.currentTest.IsScrambled(), 1);

    ASSERT_TRUE(NewCommand(app));
    EXPECT_EQ(app.currentTest.IsScrambled(), 0);
}

TEST_F(FileCommandsTest, CancelledOpenRestoresTheDirectoryAfterBrowsing)
{
    fs::create_directory(scratch.Path() / "elsewhere");
    platform.dialogBrowsesTo = scratch.File("elsewhere");
    app.fileBuffer = "proposed.tst";
    EXPECT_FALSE(LoadCommand(app));
    EXPECT_EQ(fs::path(Current()), scratch.Path());
    EXPECT_EQ(platform.openRequests.at(0).proposed, "proposed.tst");
}

TEST_F(FileCommandsTest, SaveOnANewTestAsksForANameAndAddsTheExtension)
{
    fs::create_directory(scratch.Path() / "out");
    app.currentTest.GetParams().Name = "Nuovo";
    app.modified = 1;
    platform.saveAnswers = {scratch.File("out/nuovo")};
    EXPECT_TRUE(SaveCommand(app));
    EXPECT_EQ(NameIn(scratch.Path() / "out" / "nuovo.tst"), "Nuovo");
    EXPECT_EQ(app.modified, 0);
    EXPECT_EQ(app.currentTest.GetPathName(), CStringa(scratch.File("out/nuovo").c_str()));

    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].title, "Salva questionario...");
    EXPECT_TRUE(platform.saveRequests[0].overwritePrompt);
    EXPECT_EQ(platform.saveRequests[0].maxPath, 240u);
    EXPECT_EQ(platform.waitCursorDepth, 0);
}

TEST_F(FileCommandsTest, SaveOnATestNamedOnlyByTheExtensionAsksForAName)
{
    app.currentTest.SetPathName(".tst");
    EXPECT_FALSE(SaveCommand(app));
    EXPECT_EQ(platform.saveRequests.size(), 1u);
}

TEST_F(FileCommandsTest, SaveOnALoadedTestWritesAtOnceInTheCurrentFolder)
{
    const fs::path file = scratch.Path() / "sub" / "quiz.tst";
    WriteTest(file, "Quiz", 1);
    ASSERT_TRUE(LoadTestFile(app, file.string(), true));
    app.currentTest.GetParams().Name = "Quiz rivisto";
    app.modified = 1;
    EXPECT_TRUE(SaveCommand(app));
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(NameIn(file), "Quiz rivisto");
    EXPECT_EQ(app.modified, 0);
}

TEST_F(FileCommandsTest, SaveIsNotBlockedByAnEarlierRefusedQuestion)
{
    app.currentTest.SetPathName("quiz");
    app.currentTest.SetError(12);
    app.modified = 1;
    EXPECT_TRUE(SaveCommand(app));
    EXPECT_TRUE(fs::exists(scratch.Path() / "quiz.tst"));
    EXPECT_EQ(app.modified, 0);
}

TEST_F(FileCommandsTest, CancelledSaveAsKeepsEverything)
{
    fs::create_directory(scratch.Path() / "elsewhere");
    platform.dialogBrowsesTo = scratch.File("elsewhere");
    app.currentTest.SetPathName("quiz");
    app.modified = 1;
    EXPECT_FALSE(SaveAsCommand(app));
    EXPECT_EQ(fs::path(Current()), scratch.Path());
    EXPECT_EQ(app.currentTest.GetPathName(), CStringa("quiz"));
    EXPECT_EQ(app.modified, 1);
}

TEST_F(FileCommandsTest, FailedSaveKeepsNameModifiedAndDirectory)
{
    fs::create_directory(scratch.Path() / "elsewhere");
    app.currentTest.SetPathName("quiz");
    app.modified = 1;
    // The dialog leaves another folder current; the write then fails.
    platform.dialogBrowsesTo = scratch.File("elsewhere");
    const std::string target = scratch.File("elsewhere/missing/quiz2.tst");
    platform.saveAnswers = {target};
    EXPECT_FALSE(SaveAsCommand(app));
    EXPECT_EQ(platform.infos, std::vector<std::string>{"Non riesco a creare il file \"" + target +
                                                       "\": la cartella non esiste"});
    EXPECT_EQ(app.currentTest.GetPathName(), CStringa("quiz"));
    EXPECT_EQ(app.currentTest.Error(), 0);
    EXPECT_EQ(app.modified, 1);
    EXPECT_EQ(fs::path(Current()), scratch.Path());
    EXPECT_EQ(platform.waitCursorDepth, 0);
}

TEST(CreateFailureReasonTest, SaysWhyInShortItalian)
{
    EXPECT_EQ(CreateFailureReason(ENOENT), "la cartella non esiste");
    EXPECT_EQ(CreateFailureReason(EACCES), "permesso negato");
    EXPECT_EQ(CreateFailureReason(EROFS), "permesso negato");
    EXPECT_EQ(CreateFailureReason(ENOSPC), "il disco \xe8 pieno");
    EXPECT_EQ(CreateFailureReason(0), "");
}

struct BrokenFileCase {
    const char* name;
    std::string content;  // none: the file is missing
    const char* start;    // the one box begins so
};

TEST_F(FileCommandsTest, FileThatFailsToLoadIsNamedInOneBoxAndLeavesNothingBehind)
{
    std::string sample(1500, '\0');
    std::ifstream(fs::path(QV_SOURCE_DIR) / "examples" / "geografia.tst").read(sample.data(), 1500);
    const BrokenFileCase cases[] = {
        {"vuoto.tst", "", "Non riesco a caricare il file \""},
        {"binario.tst",
         "\x7f"
         "ELF" +
             std::string(8, '\0') + std::string(300, '\x90'),
         "Non riesco a caricare il file \""},
        {"tagliato.tst", sample, ""},
    };
    for (const BrokenFileCase& c : cases) {
        std::ofstream(scratch.Path() / c.name, std::ios::binary) << c.content;
        platform.infos.clear();
        app.currentTest.GetParams().Name = "Attuale";
        app.fileBuffer = "proposto.tst";
        platform.openAnswers = {scratch.File(c.name)};
        EXPECT_FALSE(LoadCommand(app)) << c.name;
        ASSERT_EQ(platform.infos.size(), 1u) << c.name;
        EXPECT_EQ(platform.infos[0].rfind(c.start, 0), 0u) << platform.infos[0];
        EXPECT_NE(platform.infos[0].find(c.name), std::string::npos) << platform.infos[0];
        EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Attuale"));
        EXPECT_EQ(app.fileBuffer, "proposto.tst");
    }

    // From the command line: an untitled test, and Salva proposes no name.
    ScriptedEditor fresh;
    StartUp(fresh.app, scratch.File("tagliato.tst"));
    EXPECT_EQ(fresh.platform.infos.size(), 1u);
    EXPECT_FALSE(HasFileName(fresh.app.currentTest));
    EXPECT_EQ(fresh.app.fileBuffer, "");
}

}  // namespace

}  // namespace quadrivo::editor
