#ifndef QUADRIVO_RUNNER_CORE_SESSION_H
#define QUADRIVO_RUNNER_CORE_SESSION_H

#include <deque>
#include <vector>

#include "model/giudizio.h"
#include "student/tempo.h"
#include "text/stringa.h"

namespace quadrivo {
class CDomanda;
class CStudRispo;
class CTest;
}  // namespace quadrivo

namespace quadrivo::runner {

// Where a run's record goes while the student answers. The session calls
// Begin once the student has started, Progress after every answer and
// StillRunning about once a minute; the owner of the sink ends the run's
// saving itself (ResultStore::Finish).
class ResultSink {
public:
    virtual ~ResultSink() = default;
    // False when the record cannot be kept: the run goes on, unsaved.
    virtual bool Begin(CTest& test) = 0;
    virtual bool Progress(CTest& test) = 0;
    virtual void StillRunning() {}
};

enum class StartProblem {
    None,
    NoName,         // the student's name is required
    WrongPassword,  // the test has a password and it was not given
    NoQuestions,    // nothing to ask
};

// The verdict on one question shown, for the end page.
struct QuestionOutcome {
    int index;  // storage index of the question
    TCorrect judgement;
    float score;
};

// One student's run of a questionnaire: the start page's checks, the
// questions one at a time in the order they are presented, the put-offs,
// the time of the whole test and of each question, and the record that
// holds all of it (the test's last student record). Time comes from Now(),
// so that tests put the session on a clock of their own.
//
// test must outlive the session and sink (which may be null: nothing is
// kept). Not copyable.
class Session {
public:
    // onlyQuestion: -1 for the whole test; otherwise the storage index of
    // the one question asked, enabled or not (trying a question out).
    Session(CTest& test, int onlyQuestion, ResultSink* sink);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The start page.
    const CStringa& TestName() const;
    const CStringa& TestText() const;
    int MinutesAllowed() const;  // 0: no limit
    bool NeedsPassword() const;
    // Checks the name (trimmed, not empty) and the password, makes the
    // student's record and shows the first question. Nothing changes on a
    // problem.
    StartProblem Start(const CStringa& studentName, const CStringa& password);

    bool Started() const { return started_; }
    bool Finished() const { return finished_; }
    bool SinkFailed() const { return sinkFailed_; }

    // The question on screen: null before the start and after the end.
    const CDomanda* Current() const;
    int CurrentIndex() const { return queue_.empty() ? -1 : queue_.front(); }
    int Position() const { return answered_ + 1; }  // 1-based, for "Domanda 3 di 10"
    int AskedCount() const { return asked_; }
    bool CanSkip() const;
    bool CanPutOff() const;
    bool CanQuit() const;
    bool AsksConfirmation() const;
    bool ShowsSolution() const;
    bool ShowsScore() const;
    // Seconds left, or -1 without a limit.
    int TestSecondsLeft() const;
    int QuestionSecondsLeft() const;

    // The student's verdicts on the question on screen; each judges it,
    // stores it and shows the next question (or ends the run). The result
    // is the judgement of the question just left.
    CGiudizio Confirm(const CReplica& reply);
    CGiudizio Skip();
    // Puts the question on screen after the others; false when no put-off
    // is left for it.
    bool PutOff();
    // Ends the run (Termina): the question on screen and those put off are
    // skipped; those never shown stay not valid.
    void Quit();
    // For the window's timer: ends the run when the test's time is over (the
    // question on screen is then late) and true when that happened now.
    bool Tick();

    float TotalScore() const;
    const std::vector<QuestionOutcome>& Outcomes() const { return outcomes_; }

private:
    // Starts the timer of the question now first in the queue.
    void Show();
    // Judges and stores the question on screen and takes it off the queue.
    CGiudizio Settle(const CReplica& reply, bool late);
    // Settles every question still queued that was shown (put off), late or
    // skipped; drops those never shown.
    void SettlePending(bool late);
    void Advance();
    void Finish();
    void UpdateRecord();
    void Keep();

    CTest& test_;
    ResultSink* sink_;
    bool started_ = false;
    bool finished_ = false;
    bool sinkFailed_ = false;
    bool tryingOut_ = false;
    int asked_ = 0;
    int answered_ = 0;
    std::deque<int> queue_;  // storage indices still to ask, the one on screen first
    CTempo testClock_;
    std::time_t lastBeat_ = 0;
    std::vector<bool> shown_;  // per storage index
    std::vector<QuestionOutcome> outcomes_;
};

// A text typed by the student made storable in the student file: a double
// quote becomes a single one, '<' a similar-looking sign, line breaks and
// tabs blanks.
CStringa StorableText(const CStringa& text);

}  // namespace quadrivo::runner

#endif
