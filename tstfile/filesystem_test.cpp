#include "tstfile/filesystem.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tstfile/testfiles_test.h"

namespace {

class FilesystemTest : public testing::Test {
protected:
    void SetUp() override { WriteFile(dir + "vecchio", "vecchio"); }

    CStringa Path(const std::string& name) const { return CStringa((dir + name).c_str()); }

    int FileCount() const
    {
        int n = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++n;
        return n;
    }

    TempFolder folder{"filesystem"};
    std::string dir = folder.Path() + "/";
};

TEST_F(FilesystemTest, ReplaceCreatesANewFileReadableByTheGroup)
{
    EXPECT_EQ(ReplaceFile(Path("nuovo"), "testo", false), ReplaceResult::Written);
    EXPECT_EQ(ReadFile(dir + "nuovo"), "testo");
    struct stat info;
    ASSERT_EQ(stat((dir + "nuovo").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0664u);
}

TEST_F(FilesystemTest, ReplaceWithoutPermissionKeepsAnExistingFile)
{
    EXPECT_EQ(ReplaceFile(Path("vecchio"), "testo", false), ReplaceResult::TargetExists);
    EXPECT_EQ(ReadFile(dir + "vecchio"), "vecchio");
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(FilesystemTest, ReplaceSwapsTheContent)
{
    EXPECT_EQ(ReplaceFile(Path("vecchio"), "testo", true), ReplaceResult::Written);
    EXPECT_EQ(ReadFile(dir + "vecchio"), "testo");
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(FilesystemTest, ReplaceFailsWithoutLeavingAnything)
{
    std::filesystem::create_directory(dir + "cartella");
    EXPECT_EQ(ReplaceFile(Path("cartella"), "testo", true), ReplaceResult::Failed);
    EXPECT_EQ(ReplaceFile(Path("manca/nuovo"), "testo", true), ReplaceResult::Failed);
    EXPECT_EQ(ReplaceFile(CStringa(), "testo", true), ReplaceResult::Failed);
    EXPECT_EQ(FileCount(), 2);
}

TEST_F(FilesystemTest, AppendAddsAtTheEnd)
{
    EXPECT_TRUE(AppendToFile(Path("vecchio"), "+uno"));
    EXPECT_TRUE(AppendToFile(Path("nuovo"), "due"));
    EXPECT_EQ(ReadFile(dir + "vecchio"), "vecchio+uno");
    EXPECT_EQ(ReadFile(dir + "nuovo"), "due");
}

TEST_F(FilesystemTest, ExclusiveCreationNeverTouchesAnExistingFile)
{
    EXPECT_FALSE(CreateExclusive(Path("vecchio"), "testo"));
    EXPECT_EQ(ReadFile(dir + "vecchio"), "vecchio");
    EXPECT_TRUE(CreateExclusive(Path("nuovo"), "testo"));
    EXPECT_EQ(ReadFile(dir + "nuovo"), "testo");
}

TEST_F(FilesystemTest, ALinkToNothingExistsToo)
{
    std::filesystem::create_symlink(dir + "manca", dir + "collegamento");
    EXPECT_TRUE(PathExists(Path("collegamento")));
    EXPECT_FALSE(PathExists(Path("manca")));
    EXPECT_TRUE(PathExists(Path("vecchio")));
}

}  // namespace
