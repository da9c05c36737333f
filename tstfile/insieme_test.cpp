#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "model/test.h"
#include "student/studente.h"
#include "tstfile/testfiles_test.h"

namespace quadrivo {

namespace {

TEST(FileSetNamesTest, NamesDeriveFromThePathWithEitherSeparator)
{
    struct Row {
        const char* path;
        const char* test;
        const char* student;
        const char* lock;
        const char* result;
        const char* bare;
    };
    const Row rows[] = {
        {"quiz", "quiz.tst", "quiz.stu", "quiz.lck", "quiz.000", "quiz.tst"},
        {"quiz.TST", "quiz.TST", "quiz.stu", "quiz.lck", "quiz.000", "quiz.TST"},
        {"quiz.", "quiz.", "quiz.stu", "quiz.lck", "quiz.000", "quiz."},
        {"C:\\dati\\quiz", "C:\\dati\\quiz.tst", "C:\\dati\\quiz.stu", "C:\\dati\\quiz.lck",
         "C:\\dati\\quiz.000", "quiz.tst"},
        {"C:\\dati\\quiz.old.tst", "C:\\dati\\quiz.old.tst", "C:\\dati\\quiz.old.stu",
         "C:\\dati\\quiz.old.lck", "C:\\dati\\quiz.old.000", "quiz.old.tst"},
        {"C:\\a.b\\quiz", "C:\\a.b\\quiz.tst", "C:\\a.b\\quiz.stu", "C:\\a.b\\quiz.lck", "C:\\a.b\\quiz.000",
         "quiz.tst"},
        {"C:/dati/quiz.old.tst", "C:/dati/quiz.old.tst", "C:/dati/quiz.old.stu", "C:/dati/quiz.old.lck",
         "C:/dati/quiz.old.000", "quiz.old.tst"},
        {"C:/a.b/quiz", "C:/a.b/quiz.tst", "C:/a.b/quiz.stu", "C:/a.b/quiz.lck", "C:/a.b/quiz.000",
         "quiz.tst"},
        {"/home/prof/a.b/quiz", "/home/prof/a.b/quiz.tst", "/home/prof/a.b/quiz.stu",
         "/home/prof/a.b/quiz.lck", "/home/prof/a.b/quiz.000", "quiz.tst"},
        {"C:quiz", "C:quiz.tst", "C:quiz.stu", "C:quiz.lck", "C:quiz.000", "C:quiz.tst"},
    };
    for (const Row& row : rows) {
        CTest test(nullptr);
        test.SetPathName(row.path);
        EXPECT_EQ(test.TestFileName(), CStringa(row.test)) << row.path;
        EXPECT_EQ(test.StudentFileName(), CStringa(row.student)) << row.path;
        EXPECT_EQ(test.LockFileName(), CStringa(row.lock)) << row.path;
        EXPECT_EQ(test.SiblingName("000"), CStringa(row.result)) << row.path;
        EXPECT_EQ(test.BareFileName(), CStringa(row.bare)) << row.path;
        EXPECT_EQ(test.TestFileNameOf("x.y/prova"), CStringa("x.y/prova.tst")) << row.path;
    }
}

TEST(FileSetNamesTest, CopiedNamesNeverPassTheCallersSize)
{
    struct Row {
        std::size_t size;
        const char* test;
        const char* student;
    };
    // The names are "C:\dati\quiz.tst" and "C:\dati\quiz.stu", 16 characters.
    const Row rows[] = {
        {1, "", ""},
        {5, "C:\\d", "C:\\d"},
        {16, "C:\\dati\\quiz.ts", "C:\\dati\\quiz.st"},
        {17, "C:\\dati\\quiz.tst", "C:\\dati\\quiz.stu"},
        {40, "C:\\dati\\quiz.tst", "C:\\dati\\quiz.stu"},
    };
    CTest test(nullptr);
    test.SetPathName("C:\\dati\\quiz");
    for (const Row& row : rows) {
        char testBuf[48];
        char studentBuf[48];
        std::string(sizeof testBuf, '#').copy(testBuf, sizeof testBuf);
        std::string(sizeof studentBuf, '#').copy(studentBuf, sizeof studentBuf);
        EXPECT_EQ(test.CopyTestFileName(testBuf, row.size), testBuf);
        EXPECT_EQ(test.CopyStudentFileName(studentBuf, row.size), studentBuf);
        EXPECT_STREQ(testBuf, row.test) << row.size;
        EXPECT_STREQ(studentBuf, row.student) << row.size;
        for (std::size_t i = row.size; i < sizeof testBuf; ++i) {
            ASSERT_EQ(testBuf[i], '#') << row.size << " at " << i;
            ASSERT_EQ(studentBuf[i], '#') << row.size << " at " << i;
        }
    }
    char untouched = '#';
    test.CopyTestFileName(&untouched, 0);
    EXPECT_EQ(untouched, '#');
    EXPECT_EQ(test.CopyStudentFileName(nullptr, 10), nullptr);
}

class FileSetTest : public testing::Test, protected RecordedReports {
protected:
    void SetUp() override
    {
        test.SetPathName(Path("quiz"));
        // Under the usual umask new files are readable by the group.
        savedMask = ::umask(0002);
    }
    void TearDown() override { ::umask(savedMask); }

    CStringa Path(const std::string& name) const { return CStringa((dir + "/" + name).c_str()); }

    void Write(const std::string& name, const std::string& content) { WriteFile(dir + "/" + name, content); }

    std::string Contents(const std::string& name) const { return ReadFile(dir + "/" + name); }

    bool Exists(const std::string& name) const { return std::filesystem::exists(dir + "/" + name); }

    unsigned Permissions(const std::string& name) const
    {
        struct stat info {};
        if (::stat((dir + "/" + name).c_str(), &info) != 0) return 0;
        return info.st_mode & 0777;
    }

    TempFolder folder{"insieme"};
    std::string dir = folder.Path();
    mode_t savedMask = 0;
    CTest test{&errors};
};

TEST_F(FileSetTest, ResultFileTakesTheFirstFreeNumberOncePerRemoval)
{
    Write("quiz.000", "occupato");
    Write("quiz.001", "");
    test.CreateResultFile();
    EXPECT_EQ(test.GetResultFile(), Path("quiz.002"));
    EXPECT_TRUE(Exists("quiz.002"));
    EXPECT_EQ(Contents("quiz.002"), "");
    if (!kNoPosixFiles) {
        EXPECT_EQ(Permissions("quiz.002"), 0664u);
    }
    EXPECT_EQ(Contents("quiz.000"), "occupato");

    test.CreateResultFile();
    EXPECT_EQ(test.GetResultFile(), Path("quiz.002"));
    EXPECT_FALSE(Exists("quiz.003"));

    test.RemoveResultFile();
    EXPECT_EQ(test.GetResultFile(), CStringa(""));
    EXPECT_FALSE(Exists("quiz.002"));
    test.CreateResultFile();
    EXPECT_EQ(test.GetResultFile(), Path("quiz.002"));
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(FileSetTest, ResultFileStaysEmptyWhenNoneCanBeCreated)
{
    test.SetPathName(Path("manca/quiz"));
    test.CreateResultFile();
    EXPECT_EQ(test.GetResultFile(), CStringa(""));
}

TEST_F(FileSetTest, CreatedLockHoldsTheStampAndBelongsToThisRun)
{
    EXPECT_FALSE(test.LockExists());
    EXPECT_FALSE(test.OwnsLock());
    test.CreateLock();
    ASSERT_TRUE(test.LockExists());
    const CStringa stamp = test.GetStamp();
    EXPECT_EQ(Contents("quiz.lck"), std::string(stamp.CStr()));
    if (!kNoPosixFiles) {
        EXPECT_EQ(Permissions("quiz.lck"), 0664u);
    }
    EXPECT_EQ(test.ReadLock(), stamp);
    EXPECT_TRUE(test.OwnsLock());

    test.RemoveLock();
    EXPECT_FALSE(test.LockExists());
    EXPECT_FALSE(test.OwnsLock());
    EXPECT_EQ(test.ReadLock(), CStringa(""));
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(FileSetTest, ExistingLockIsLeftAloneAndOwnedOnlyWithOurStamp)
{
    Write("quiz.lck", "altra esecuzione");
    test.CreateLock();
    EXPECT_EQ(Contents("quiz.lck"), "altra esecuzione");
    EXPECT_FALSE(test.OwnsLock());

    Write("quiz.lck", std::string(test.GetStamp().CStr()));
    EXPECT_TRUE(test.OwnsLock());
}

TEST_F(FileSetTest, ReadLockGivesAtMost199CharactersOfTheFirstLine)
{
    struct Row {
        std::string content;
        std::string line;
    };
    const Row rows[] = {
        {std::string(300, 'x') + "\n", std::string(199, 'x')},
        {std::string(199, 'y'), std::string(199, 'y')},
        {"prima\nseconda", "prima"},
        {"", ""},
    };
    for (const Row& row : rows) {
        Write("quiz.lck", row.content);
        EXPECT_EQ(std::string(test.ReadLock().CStr()), row.line) << row.content.size();
    }
}

TEST_F(FileSetTest, StampWithoutStudentsIsTimeRandomAndProcessId)
{
    const long before = static_cast<long>(std::time(nullptr));
    const std::string stamp = test.GetStamp().CStr();
    const long after = static_cast<long>(std::time(nullptr));
    const std::string pid = std::to_string(static_cast<int>(::getpid()));

    std::string timePart = std::to_string(before);
    if (stamp.compare(0, timePart.size(), timePart) != 0) timePart = std::to_string(after);
    ASSERT_EQ(stamp.compare(0, timePart.size(), timePart), 0) << stamp;
    ASSERT_GT(stamp.size(), timePart.size() + pid.size()) << stamp;
    ASSERT_EQ(stamp.compare(stamp.size() - pid.size(), pid.size(), pid), 0) << stamp;
    const std::string random = stamp.substr(timePart.size(), stamp.size() - timePart.size() - pid.size());
    ASSERT_EQ(random.find_first_not_of("0123456789"), std::string::npos) << stamp;
    EXPECT_LE(std::stol(random), 30000) << stamp;

    test.MakeStamp();
    EXPECT_EQ(std::string(test.GetStamp().CStr()), stamp);
}

TEST_F(FileSetTest, LockOfAStudentWithALongOrBrokenNameIsStillOurs)
{
    for (const std::string& name : {std::string(300, 'a'), std::string("Rossi\nMaria")}) {
        CTest run(test);
        run.SetPathName(test.GetPathName());
        ASSERT_EQ(run.AddStudent(), 0);
        run.LastStudent()->SetNameStudent(CStringa(name.c_str()));
        run.CreateLock();
        EXPECT_LE(run.GetStamp().Length(), 199u);
        EXPECT_TRUE(run.OwnsLock()) << name;
        run.RemoveLock();
    }
}

TEST_F(FileSetTest, StampStartsWithTheLastStudentsRecord)
{
    ASSERT_EQ(test.AddStudent(), 0);
    ASSERT_EQ(test.AddStudent(), 0);
    CStudente* last = test.LastStudent();
    last->SetNameStudent("Rossi");
    last->SetTimeInit("Mon Jan  8 10:00:00 2024");
    last->SetTimeLength("5:30");
    last->SetTotalScore(2.5f);
    const std::string prefix = "RossiMon Jan  8 10:00:00 20245:302.5";
    const std::string stamp = test.GetStamp().CStr();
    EXPECT_EQ(stamp.compare(0, prefix.size(), prefix), 0) << stamp;
}

}  // namespace

}  // namespace quadrivo
