#include "tstfile/filesystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tstfile/testfiles_test.h"

namespace quadrivo {

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

// A questionnaire holds the correct answers and the password: a new one is
// only as readable as the user's umask allows, and a replaced one keeps the
// mode its owner gave it.
TEST_F(FilesystemTest, NewFilesFollowTheUmaskAndReplacedOnesKeepTheirMode)
{
    QV_SKIP_WITHOUT_POSIX_FILES();
    auto mode = [&](const std::string& name) {
        struct stat info;
        return stat((dir + name).c_str(), &info) == 0 ? info.st_mode & 0777 : 0u;
    };
    const mode_t saved = ::umask(0);
    for (const mode_t mask : {0002, 0022, 0077}) {
        ::umask(mask);
        const std::string name = "nuovo" + std::to_string(mask);
        EXPECT_EQ(ReplaceFile(Path(name), "testo", false), ReplaceResult::Written);
        EXPECT_EQ(mode(name), 0666u & ~mask) << "umask " << mask;
        EXPECT_TRUE(WriteWholeFile(Path(name + ".000"), "x"));
        EXPECT_EQ(mode(name + ".000"), 0666u & ~mask) << "umask " << mask;
    }
    ::umask(0077);
    ASSERT_EQ(::chmod((dir + "vecchio").c_str(), 0640), 0);
    EXPECT_EQ(ReplaceFile(Path("vecchio"), "testo", true), ReplaceResult::Written);
    EXPECT_EQ(mode("vecchio"), 0640u);
    ::umask(saved);
    EXPECT_EQ(ReadFile(dir + "nuovo2"), "testo");
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

// Pieces join up into the new file; a replacement dropped halfway leaves the
// old file and nothing beside it, and one that finds the file there takes
// no pieces.
TEST_F(FilesystemTest, ReplacementInPiecesIsWholeOrNothing)
{
    {
        FileReplacement dropped(Path("vecchio"), true);
        EXPECT_TRUE(dropped.Write("nuo"));
    }
    EXPECT_EQ(ReadFile(dir + "vecchio"), "vecchio");
    EXPECT_EQ(FileCount(), 1);

    FileReplacement refused(Path("vecchio"), false);
    EXPECT_FALSE(refused.Write("nuovo"));
    EXPECT_EQ(refused.Finish(), ReplaceResult::TargetExists);

    FileReplacement replacement(Path("vecchio"), true);
    for (const char* piece : {"nuo", "", "vo"}) EXPECT_TRUE(replacement.Write(piece));
    EXPECT_EQ(replacement.Finish(), ReplaceResult::Written);
    EXPECT_EQ(replacement.Finish(), ReplaceResult::Written);
    EXPECT_FALSE(replacement.Write("x"));
    EXPECT_EQ(ReadFile(dir + "vecchio"), "nuovo");
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

// Two runs of a test that end together append to one student file.
TEST_F(FilesystemTest, AppendWhileAnotherProgramAppendsKeepsBothRecords)
{
    std::ofstream other(dir + "vecchio", std::ios::binary | std::ios::app);
    other << "+altro" << std::flush;
    EXPECT_TRUE(AppendToFile(Path("vecchio"), "+mio"));
    other << "+ancora" << std::flush;
    other.close();
    EXPECT_EQ(ReadFile(dir + "vecchio"), "vecchio+altro+mio+ancora");
}

TEST_F(FilesystemTest, ExclusiveCreationNeverTouchesAnExistingFile)
{
    EXPECT_FALSE(CreateExclusive(Path("vecchio"), "testo"));
    EXPECT_EQ(ReadFile(dir + "vecchio"), "vecchio");
    EXPECT_TRUE(CreateExclusive(Path("nuovo"), "testo"));
    EXPECT_EQ(ReadFile(dir + "nuovo"), "testo");
}

// A name as this system's users type it: with the system's own separator
// and absolute (with a drive on Windows), or as the program built it. The new
// file is made in the target's own folder whatever the form, and each
// helper reaches the same file.
TEST_F(FilesystemTest, EveryFormOfANameReachesTheSameFile)
{
    const std::filesystem::path built = dir + "vecchio";
    const std::string forms[] = {
        built.string(),
        std::filesystem::path(built).make_preferred().string(),
        std::filesystem::absolute(built).make_preferred().string(),
    };
    for (const std::string& form : forms) {
        const CStringa name(form.c_str());
        EXPECT_TRUE(PathExists(name)) << form;
        EXPECT_FALSE(CreateExclusive(name, "no")) << form;
        EXPECT_EQ(ReplaceFile(name, form, true), ReplaceResult::Written) << form;
        EXPECT_TRUE(AppendToFile(name, "+")) << form;
        EXPECT_EQ(ReadFile(dir + "vecchio"), form + "+");
        EXPECT_EQ(FileCount(), 1) << form;
    }
}

TEST_F(FilesystemTest, ALinkToNothingExistsToo)
{
    // Making a link needs a privilege on Windows that a user seldom has.
    QV_SKIP_WITHOUT_POSIX_FILES();
    std::filesystem::create_symlink(dir + "manca", dir + "collegamento");
    EXPECT_TRUE(PathExists(Path("collegamento")));
    EXPECT_FALSE(PathExists(Path("manca")));
    EXPECT_TRUE(PathExists(Path("vecchio")));
}

}  // namespace

}  // namespace quadrivo
