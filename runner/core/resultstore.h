#ifndef QUADRIVO_RUNNER_CORE_RESULTSTORE_H
#define QUADRIVO_RUNNER_CORE_RESULTSTORE_H

#include <functional>
#include <vector>

#include "runner/core/session.h"
#include "text/stringa.h"

namespace quadrivo {
class CTest;
}  // namespace quadrivo

namespace quadrivo::runner {

// Waits the given milliseconds; tests give one that returns at once.
using SleepFunction = std::function<void(int milliseconds)>;
void SleepMilliseconds(int milliseconds);

// How long a run waits for another run's lock, and the age after which a
// lock is stale: a run holds the lock only for the moment of one append.
constexpr int kLockWaitMilliseconds = 60 * 1000;
constexpr int kStaleLockSeconds = 60;
// A running session touches its result file every minute; one left alone
// for this long belongs to a run that has ended without saving.
constexpr int kAbandonedResultSeconds = 5 * 60;

// Takes the test's lock file for this run (the test's Stamp): created only
// when there is none, then read back to see whose it is. While another run
// holds it, waits with growing pauses up to waitMilliseconds in all. A lock
// older than kStaleLockSeconds is removed first, by one run at a time.
// True when this run holds the lock.
bool TakeLock(CTest& test, const SleepFunction& sleep, int waitMilliseconds = kLockWaitMilliseconds);
// Removes the lock when it is this run's.
void ReleaseLock(CTest& test);

// How the saving at the end of a run went.
enum class SaveOutcome {
    Saved,        // the record is in the student file; the result file is gone
    LockBusy,     // another run kept the lock: the record stays in the result file
    WriteFailed,  // the student file could not be written: the same
};

// Appends the test's last student record to its student file under the
// lock (TakeLock), then releases the lock.
SaveOutcome AppendRecord(CTest& test, const SleepFunction& sleep);

// The record of one run on disk: a result file of its own (quiz.000 to
// quiz.999) rewritten whole after every answer, then appended to the
// student file under the lock. test must outlive the store.
class ResultStore : public ResultSink {
public:
    explicit ResultStore(CTest& test, SleepFunction sleep = SleepMilliseconds);

    // Chooses and creates the result file and writes the record into it.
    bool Begin(CTest& test) override;
    // Replaces the result file with the record as it stands, in one step:
    // a crash leaves the previous or the new record, never half of one.
    bool Progress(CTest& test) override;
    // Touches the result file, so that other runs see it in use.
    void StillRunning() override;

    // Appends the record to the student file under the lock, then removes
    // the result file.
    SaveOutcome Finish();
    const CStringa& ResultFile() const;

private:
    CTest& test_;
    SleepFunction sleep_;
};

// The result files of the test left by runs that ended without saving: not
// changed for kAbandonedResultSeconds (maxAgeSeconds) or more, holding a
// whole record. Empty ones of that age are removed.
std::vector<CStringa> AbandonedResults(const CTest& test, int maxAgeSeconds = kAbandonedResultSeconds);
// Appends the records of files to the student file under the lock, and
// removes each file appended. Returns how many were appended; -1 when the
// lock could not be had.
int RecoverResults(CTest& test, const std::vector<CStringa>& files, const SleepFunction& sleep);

}  // namespace quadrivo::runner

#endif
