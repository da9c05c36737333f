#include "editor/core/recovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/core/filecommands.h"
#include "editor/core/properties.h"
#include "editor/core/questionlist.h"
#include "editor/core/recentfiles.h"
#include "editor/core/scripted_platform.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quadrivo::editor {

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A scratch folder with the sample questionnaire, "geografia.tst" (or its
// scrambled twin under that name), and a recovery folder inside it.
class RecoveryTest : public ScriptedEditorTest {
protected:
    void Open(const char* sample = "geografia.tst")
    {
        fs::copy_file(fs::path(QV_SOURCE_DIR) / "examples" / sample, scratch.Path() / "geografia.tst");
        ASSERT_TRUE(LoadTestFile(app, scratch.File("geografia.tst"), true));
        original = ReadAll(scratch.Path() / "geografia.tst");
    }
    std::string Folder() const { return scratch.File("recupero"); }

    ScratchDirectory scratch{app};
    std::string original;
};

TEST_F(RecoveryTest, CopyFollowsUnsavedChangesAndNeverTouchesTheFile)
{
    for (const char* sample : {"geografia.tst", "geografia-cifrato.tst"}) {
        SCOPED_TRACE(sample);
        fs::remove(scratch.Path() / "geografia.tst");
        Open(sample);
        Recovery recovery(app, Folder());

        ASSERT_TRUE(recovery.Keep());
        EXPECT_FALSE(fs::exists(recovery.NotePath())) << "nothing unsaved, nothing kept";

        ASSERT_TRUE(MainTextDialogOk(app, "Testo cambiato"));
        ASSERT_TRUE(recovery.Keep());
        EXPECT_EQ(ReadAll(scratch.Path() / "geografia.tst"), original);
        CTest copy(&app.errorReporter, CStringa(recovery.CopyPath().c_str()),
                   CStringa(recovery.CopyPath().c_str()));
        ASSERT_EQ(copy.Error(), 0);
        EXPECT_TRUE(copy == app.currentTest);
        EXPECT_EQ(copy.IsScrambled(), app.currentTest.IsScrambled());
        EXPECT_NE(ReadAll(recovery.NotePath()).find("file=" + scratch.File("geografia.tst") + "\n"),
                  std::string::npos);

        ASSERT_TRUE(SaveCommand(app));
        ASSERT_TRUE(recovery.Keep());
        EXPECT_FALSE(fs::exists(recovery.NotePath()));
        EXPECT_FALSE(fs::exists(recovery.CopyPath()));
        EXPECT_TRUE(platform.infos.empty()) << platform.infos.front();
    }
}

TEST_F(RecoveryTest, OnlyCopiesOfEditorsThatHaveGoneAreOffered)
{
    Open();
    ASSERT_TRUE(MainTextDialogOk(app, "Testo cambiato"));
    // Four other editors: 11 still running, 12 and 13 gone, 14 gone but
    // its copy missing; and one that had this editor's number before.
    const struct {
        int process;
        int writtenAt;
        bool running;
    } others[] = {{11, 100, true}, {12, 200, false}, {13, 300, false}, {14, 400, false}, {4242, 150, false}};
    for (const auto& other : others) {
        platform.processId = other.process;
        Recovery recovery(app, Folder());
        ASSERT_TRUE(recovery.Keep());
        std::ofstream(recovery.NotePath(), std::ios::binary)
            << "processo=" << other.process << "\nscritto=" << other.writtenAt
            << "\nfile=" << scratch.File("geografia.tst") << "\n";
        if (other.process == 14) fs::remove(recovery.CopyPath());
        if (other.running) platform.runningProcesses.insert(other.process);
    }
    platform.processId = 4242;
    Recovery recovery(app, Folder());
    ASSERT_TRUE(recovery.Keep());

    std::vector<int> offered;
    for (const RecoveryCopy& copy : recovery.LeftOver()) {
        offered.push_back(copy.processId);
        EXPECT_EQ(copy.originalPath, scratch.File("geografia.tst"));
    }
    EXPECT_EQ(offered, (std::vector<int>{13, 12, 4242}));

    // The running editor's copy is still its own.
    EXPECT_TRUE(fs::exists(fs::path(Folder()) / "recupero-11.tst"));
}

TEST_F(RecoveryTest, RestoredCopyIsUnsavedChangesOnItsFile)
{
    Open();
    platform.yesNoAnswers = {true};
    ASSERT_TRUE(DeleteQuestions(app, {0}));
    ASSERT_TRUE(MainTextDialogOk(app, "Testo cambiato"));
    const CTest edited = app.currentTest;
    platform.processId = 7;
    ASSERT_TRUE(Recovery(app, Folder()).Keep());

    // A new editor, in another folder, after the first one has gone.
    ScriptedEditor next;
    next.platform.processId = 8;
    ScratchDirectory elsewhere(next.app);
    Recovery recovery(next.app, Folder());
    const std::vector<RecoveryCopy> copies = recovery.LeftOver();
    ASSERT_EQ(copies.size(), 1u);
    const std::string text = RecoveryOfferText(next.app, copies[0]);
    EXPECT_NE(text.find("\xc8 stato trovato un questionario non salvato"), std::string::npos);
    EXPECT_NE(text.find(scratch.File("geografia.tst")), std::string::npos);

    ASSERT_TRUE(recovery.Restore(copies[0]));
    EXPECT_TRUE(next.app.currentTest == edited);
    EXPECT_EQ(next.app.modified, 1);
    EXPECT_EQ(CurrentTestPath(next.app), scratch.File("geografia.tst"));
    EXPECT_TRUE(recovery.LeftOver().empty());
    EXPECT_TRUE(fs::exists(recovery.NotePath())) << "the copy is now this editor's";

    // A second editor cannot take it as well.
    EXPECT_FALSE(recovery.Restore(copies[0]));
    EXPECT_EQ(next.platform.infos.size(), 1u);

    ASSERT_TRUE(UndoCommand(next.app));
    EXPECT_EQ(next.app.modified, 0) << "back to what the file holds";
    ASSERT_TRUE(RedoCommand(next.app));
    ASSERT_TRUE(SaveCommand(next.app));
    CTest saved(&next.app.errorReporter, CStringa(scratch.File("geografia.tst").c_str()),
                CStringa(scratch.File("geografia.tst").c_str()));
    EXPECT_TRUE(saved == edited);
}

#ifndef _WIN32
// An editor killed outright after a completed dialog: the next one gets
// back everything up to that dialog.
TEST_F(RecoveryTest, EditsBeforeTheLastDialogSurviveAKill)
{
    Open();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ScriptedEditor editor;
        editor.platform.processId = static_cast<int>(getpid());
        editor.app.ChangeFolder(scratch.Path().string());
        LoadTestFile(editor.app, "geografia.tst", false);
        Recovery recovery(editor.app, Folder());
        for (const char* text : {"Prima stesura", "Seconda stesura"}) {
            MainTextDialogOk(editor.app, text);
            recovery.Keep();
        }
        (void)!write(ready[1], "k", 1);
        for (;;) pause();
    }
    close(ready[1]);
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    ScriptedEditor next;
    next.platform.runningProcesses.clear();
    Recovery recovery(next.app, Folder());
    const std::vector<RecoveryCopy> copies = recovery.LeftOver();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].processId, static_cast<int>(child));
    ASSERT_TRUE(recovery.Restore(copies[0]));
    EXPECT_EQ(FillMainTextDialog(next.app), "Seconda stesura");
    EXPECT_EQ(next.app.modified, 1);
    EXPECT_EQ(ReadAll(scratch.Path() / "geografia.tst"), original);
}
#endif

}  // namespace

}  // namespace quadrivo::editor
