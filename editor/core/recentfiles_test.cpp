#include "editor/core/recentfiles.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

class RecentFilesTest : public ScriptedEditorTest {};

TEST_F(RecentFilesTest, KeepsTheLastEightNewestFirstEachOnce)
{
    for (int i = 1; i <= 10; ++i) AddRecentFile(platform, "/q/" + std::to_string(i) + ".tst");
    AddRecentFile(platform, "/q/5.tst");
    const std::vector<std::string> files = ReadRecentFiles(platform);
    EXPECT_EQ(files, (std::vector<std::string>{"/q/5.tst", "/q/10.tst", "/q/9.tst", "/q/8.tst", "/q/7.tst",
                                               "/q/6.tst", "/q/4.tst", "/q/3.tst"}));
    RemoveRecentFile(platform, "/q/9.tst");
    EXPECT_EQ(ReadRecentFiles(platform).size(), 7u);
    EXPECT_EQ(std::get<std::string>(platform.settings["recent8"]), "");
}

TEST_F(RecentFilesTest, AFileThatNoLongerLoadsLeavesTheList)
{
    ScratchDirectory scratch(app);
    const std::string gone = scratch.File("sparito.tst");
    AddRecentFile(platform, gone);
    EXPECT_FALSE(OpenRecentFile(app, gone));
    EXPECT_TRUE(ReadRecentFiles(platform).empty());
}

TEST_F(RecentFilesTest, TheCurrentTestsPathIsAbsolute)
{
    ScratchDirectory scratch(app);
    EXPECT_EQ(CurrentTestPath(app), "");
    app.currentTest.SetPathName(CStringa("quiz"));
    EXPECT_EQ(CurrentTestPath(app), (scratch.Path() / "quiz.tst").lexically_normal().string());
}

}  // namespace

}  // namespace quadrivo::editor
