#include "runner/core/resultstore.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "runner/core/runner_fixtures_test.h"
#include "student/studente.h"

namespace quadrivo::runner {

namespace {

namespace fs = std::filesystem;

void NoSleep(int) {}

void MakeOld(const std::string& path, int seconds)
{
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
}

int CountRecords(const std::string& text)
{
    int n = 0;
    for (auto at = text.find("</Student>"); at != std::string::npos; at = text.find("</Student>", at + 1))
        ++n;
    return n;
}

class ResultStoreTest : public RunnerTest {
protected:
    // The records of the student file as the library reads them back.
    int LoadedRecords()
    {
        CTest reader(&errors);
        AddQuestions(reader);
        reader.SetPathName(test.GetPathName());
        EXPECT_EQ(reader.LoadStudents(), 0);
        return reader.StudentCount();
    }

    // A run that answers the first question; its store is left open.
    void AnswerOne(Session& session)
    {
        ASSERT_EQ(session.Start("Rossi", ""), StartProblem::None);
        session.Confirm(Marks(1));
    }

    std::string AnotherRunsLock() { return "altra esecuzione 12345"; }
};

TEST_F(ResultStoreTest, RunKeepsItsResultFileThenAppendsUnderTheLock)
{
    ResultStore store(test, NoSleep);
    Session session(test, -1, &store);
    AnswerOne(session);
    ASSERT_EQ(store.ResultFile(), CStringa(Path("quiz.000").c_str()));
    const std::string progress = ReadFile(Path("quiz.000"));
    EXPECT_EQ(CountRecords(progress), 1);
    EXPECT_NE(progress.find("IsCorrect = Yes"), std::string::npos) << progress;

    EXPECT_EQ(store.Finish(), SaveOutcome::Saved);
    EXPECT_FALSE(fs::exists(Path("quiz.000")));
    EXPECT_FALSE(fs::exists(Path("quiz.lck")));
    EXPECT_EQ(LoadedRecords(), 1);
}

TEST_F(ResultStoreTest, BusyLockIsWaitedForAMinuteThenTheResultFileStays)
{
    ASSERT_TRUE(WriteFile(Path("quiz.lck"), AnotherRunsLock()));
    int waited = 0;
    ResultStore store(test, [&](int ms) { waited += ms; });
    Session session(test, -1, &store);
    AnswerOne(session);
    EXPECT_EQ(store.Finish(), SaveOutcome::LockBusy);
    EXPECT_EQ(waited, kLockWaitMilliseconds);
    EXPECT_EQ(ReadFile(Path("quiz.lck")), AnotherRunsLock());
    EXPECT_EQ(CountRecords(ReadFile(Path("quiz.000"))), 1);
    EXPECT_FALSE(fs::exists(Path("quiz.stu")));
}

TEST_F(ResultStoreTest, StaleLockIsTakenOverAndOnlyOurOwnLockIsReleased)
{
    ASSERT_TRUE(WriteFile(Path("quiz.lck"), AnotherRunsLock()));
    MakeOld(Path("quiz.lck"), 2 * kStaleLockSeconds);
    // A guard left by a take-over that died is cleared as well.
    ASSERT_TRUE(WriteFile(Path("quiz.lck.presa"), "x"));
    MakeOld(Path("quiz.lck.presa"), 2 * kStaleLockSeconds);
    ASSERT_TRUE(TakeLock(test, NoSleep, 0));
    EXPECT_TRUE(test.OwnsLock());
    EXPECT_FALSE(fs::exists(Path("quiz.lck.presa")));

    ASSERT_TRUE(WriteFile(Path("quiz.lck"), AnotherRunsLock()));
    ReleaseLock(test);
    EXPECT_EQ(ReadFile(Path("quiz.lck")), AnotherRunsLock());
}

// Child processes that each save a whole run at the same moment.
TEST_F(ResultStoreTest, RunsEndingTogetherAppendEveryRecordWhole)
{
    constexpr int kRuns = 6;
    std::vector<pid_t> children;
    for (int i = 0; i < kRuns; ++i) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ResultStore store(test);
            Session session(test, -1, &store);
            AnswerOne(session);
            session.Quit();
            _exit(store.Finish() == SaveOutcome::Saved ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(LoadedRecords(), kRuns);
    EXPECT_FALSE(fs::exists(Path("quiz.lck")));
}

// A run killed while it waits for the next answer, and one killed while it
// writes: the result file holds a whole record in both, which the next run
// recovers once the file is old enough.
TEST_F(ResultStoreTest, KilledRunsLeaveWholeRecordsThatAreRecovered)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t waiting = fork();
    ASSERT_GE(waiting, 0);
    if (waiting == 0) {
        ResultStore store(test);
        Session session(test, -1, &store);
        AnswerOne(session);
        session.Confirm(Typed("12.5"));
        [[maybe_unused]] const auto n = write(ready[1], "x", 1);
        pause();
        _exit(0);
    }
    char c;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    kill(waiting, SIGKILL);
    waitpid(waiting, nullptr, 0);

    const pid_t writing = fork();
    ASSERT_GE(writing, 0);
    if (writing == 0) {
        ResultStore store(test);
        Session session(test, -1, &store);
        AnswerOne(session);
        [[maybe_unused]] const auto n = write(ready[1], "x", 1);
        for (;;) store.Progress(test);
    }
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    usleep(20000);
    kill(writing, SIGKILL);
    waitpid(writing, nullptr, 0);

    const std::string first = ReadFile(Path("quiz.000"));
    EXPECT_EQ(CountRecords(first), 1);
    EXPECT_NE(first.find("LineAns = \"12.5\""), std::string::npos) << first;
    EXPECT_EQ(CountRecords(ReadFile(Path("quiz.001"))), 1);

    ASSERT_TRUE(WriteFile(Path("quiz.002"), ""));
    EXPECT_TRUE(AbandonedResults(test).empty());  // still too young
    for (const char* name : {"quiz.000", "quiz.001", "quiz.002"})
        MakeOld(Path(name), kAbandonedResultSeconds + 1);
    const std::vector<CStringa> files = AbandonedResults(test);
    EXPECT_EQ(files.size(), 2u);
    EXPECT_FALSE(fs::exists(Path("quiz.002")));
    EXPECT_EQ(RecoverResults(test, files, NoSleep), 2);
    EXPECT_EQ(LoadedRecords(), 2);
    EXPECT_FALSE(fs::exists(Path("quiz.000")));
    EXPECT_FALSE(fs::exists(Path("quiz.lck")));
}

}  // namespace

}  // namespace quadrivo::runner
