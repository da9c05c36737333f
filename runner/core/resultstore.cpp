// The lock, result-file and student-file protocol that lets many runs of one
// questionnaire, on one machine or on a shared folder, save their records
// without losing or mixing any.

#include "runner/core/resultstore.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <thread>

#include "model/test.h"
#include "tstfile/filesystem.h"

namespace quadrivo::runner {

namespace {

namespace fs = std::filesystem;

// Seconds since the file was last written; -1 when it cannot be told.
long AgeSeconds(const CStringa& name)
{
    std::error_code error;
    const auto written = fs::last_write_time(fs::path(name.CStr()), error);
    if (error) return -1;
    const auto age = fs::file_time_type::clock::now() - written;
    return static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(age).count());
}

bool RemoveFile(const CStringa& name)
{
    std::error_code error;
    return fs::remove(fs::path(name.CStr()), error);
}

// The file that makes taking over a stale lock a matter of one run at a
// time: without it, two runs could both find the old lock stale, and the
// slower would remove the lock the faster had just made.
CStringa TakeOverName(const CTest& test)
{
    return test.LockFileName() + ".presa";
}

// Removes the lock when it is stale; true when it was.
bool TakeOverStaleLock(CTest& test)
{
    const CStringa guard = TakeOverName(test);
    const std::string stamp(test.GetStamp().CStr());
    bool mine = CreateExclusive(guard, stamp);
    // A run that died in the middle of a take-over left its guard.
    if (!mine && AgeSeconds(guard) > kStaleLockSeconds && RemoveFile(guard))
        mine = CreateExclusive(guard, stamp);
    if (!mine) return false;
    const bool stale = AgeSeconds(test.LockFileName()) > kStaleLockSeconds;
    if (stale) RemoveFile(test.LockFileName());
    RemoveFile(guard);
    return stale;
}

int Jitter(int upTo)
{
    static std::minstd_rand generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, upTo)(generator);
}

bool ReadWhole(const CStringa& name, std::string* content)
{
    std::ifstream in(name.CStr(), std::ios::binary);
    if (!in) return false;
    content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// A record as the student writer makes it, whole: the last line closes it.
bool IsWholeRecord(const std::string& content)
{
    static const std::string kEnd = "</Student>\n";
    return content.find("<Student>") != std::string::npos && content.size() >= kEnd.size() &&
           content.compare(content.size() - kEnd.size(), kEnd.size(), kEnd) == 0;
}

}  // namespace

void SleepMilliseconds(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool TakeLock(CTest& test, const SleepFunction& sleep, int waitMilliseconds)
{
    int waited = 0;
    int pause = 10;
    int takeOvers = 0;
    for (;;) {
        test.CreateLock();
        if (test.OwnsLock()) return true;
        // A lock left by a crashed run is taken over at once; the bound keeps
        // a lock that cannot be removed from spinning here.
        if (takeOvers < 3 && AgeSeconds(test.LockFileName()) > kStaleLockSeconds) {
            ++takeOvers;
            if (TakeOverStaleLock(test)) continue;
        }
        if (waited >= waitMilliseconds) return false;
        // Growing pauses with some chance in them, so that runs that met at
        // the lock do not meet again at every try.
        const int wait = std::min(pause + Jitter(pause), waitMilliseconds - waited);
        sleep(wait);
        waited += wait;
        pause = std::min(pause * 2, 1000);
    }
}

void ReleaseLock(CTest& test)
{
    if (test.OwnsLock()) test.RemoveLock();
}

ResultStore::ResultStore(CTest& test, SleepFunction sleep) : test_(test), sleep_(std::move(sleep)) {}

bool ResultStore::Begin(CTest& test)
{
    test.CreateResultFile();
    if (test.GetResultFile().Length() == 0) return false;
    return Progress(test);
}

bool ResultStore::Progress(CTest& test)
{
    if (test.GetResultFile().Length() == 0) return false;
    return test.SaveStudent(1) == 0;
}

void ResultStore::StillRunning()
{
    if (test_.GetResultFile().Length() == 0) return;
    std::error_code error;
    fs::last_write_time(fs::path(test_.GetResultFile().CStr()), fs::file_time_type::clock::now(), error);
}

SaveOutcome AppendRecord(CTest& test, const SleepFunction& sleep)
{
    if (!TakeLock(test, sleep)) return SaveOutcome::LockBusy;
    const int code = test.SaveStudent(0);
    ReleaseLock(test);
    return code == 0 ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

SaveOutcome ResultStore::Finish()
{
    const SaveOutcome outcome = AppendRecord(test_, sleep_);
    if (outcome == SaveOutcome::Saved) test_.RemoveResultFile();
    return outcome;
}

const CStringa& ResultStore::ResultFile() const
{
    return test_.GetResultFile();
}

std::vector<CStringa> AbandonedResults(const CTest& test, int maxAgeSeconds)
{
    std::vector<CStringa> files;
    for (int n = 0; n <= 999; ++n) {
        char ext[8];
        std::snprintf(ext, sizeof ext, "%03d", n);
        const CStringa name = test.SiblingName(CStringa(ext));
        if (name == test.GetResultFile() || !PathExists(name)) continue;
        const long age = AgeSeconds(name);
        if (age < maxAgeSeconds) continue;
        std::string content;
        if (!ReadWhole(name, &content)) continue;
        if (content.empty())
            RemoveFile(name);
        else if (IsWholeRecord(content))
            files.push_back(name);
    }
    return files;
}

int RecoverResults(CTest& test, const std::vector<CStringa>& files, const SleepFunction& sleep)
{
    if (files.empty()) return 0;
    if (!TakeLock(test, sleep)) return -1;
    int appended = 0;
    for (const CStringa& name : files) {
        // Read under the lock: another run may have recovered it meanwhile.
        std::string content;
        if (!ReadWhole(name, &content) || !IsWholeRecord(content)) continue;
        if (!AppendToFile(test.StudentFileName(), content)) break;
        RemoveFile(name);
        ++appended;
    }
    ReleaseLock(test);
    return appended;
}

}  // namespace quadrivo::runner
