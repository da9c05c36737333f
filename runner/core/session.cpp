// One student's run of a questionnaire, from the start page to the end.

#include "runner/core/session.h"

#include <algorithm>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"

namespace quadrivo::runner {

namespace {

// How often a running session tells its sink that it is still alive.
constexpr int kBeatSeconds = 60;

}  // namespace

CStringa StorableText(const CStringa& text)
{
    CStringa result = text;
    result.ReplaceChar('"', '\'');
    // The student file reads "<!" as a comment and "</" as a closing tag.
    result.ReplaceChar('<', '\x8B');
    result.ReplaceChar('\n', ' ');
    result.ReplaceChar('\r', ' ');
    result.ReplaceChar('\t', ' ');
    return result;
}

Session::Session(CTest& test, int onlyQuestion, ResultSink* sink) : test_(test), sink_(sink)
{
    if (onlyQuestion >= 0) {
        if (onlyQuestion < test_.QuestionCount()) queue_.push_back(onlyQuestion);
    } else {
        test_.BuildOrder();
        const int asked = test_.AskedCount();
        for (int p = 0; p < asked; ++p) queue_.push_back(test_.GetShownIndex(p));
    }
    tryingOut_ = onlyQuestion >= 0;
    asked_ = static_cast<int>(queue_.size());
    shown_.assign(test_.QuestionCount(), false);
}

const CStringa& Session::TestName() const
{
    return test_.GetParams().Name;
}

const CStringa& Session::TestText() const
{
    return test_.GetParams().TextTest;
}

int Session::MinutesAllowed() const
{
    return tryingOut_ ? 0 : std::max(test_.GetParams().Time, 0);
}

bool Session::NeedsPassword() const
{
    return !tryingOut_ && test_.GetParams().Password.Length() != 0;
}

StartProblem Session::Start(const CStringa& studentName, const CStringa& password)
{
    if (started_) return StartProblem::None;
    CStringa name = StorableText(studentName);
    name.Trim();
    if (name.Length() == 0 && !tryingOut_) return StartProblem::NoName;
    if (NeedsPassword() && password != test_.GetParams().Password) return StartProblem::WrongPassword;
    if (queue_.empty()) return StartProblem::NoQuestions;
    if (test_.AddStudent() != 0) return StartProblem::NoQuestions;

    CStudente& record = *test_.LastStudent();
    record.SetNameStudent(name);
    record.SetTimeInit(NowText());
    testClock_ = CTempo(MinutesAllowed() * 60);
    testClock_.Start();
    lastBeat_ = Now();
    started_ = true;
    UpdateRecord();
    if (sink_ && !sink_->Begin(test_)) sinkFailed_ = true;
    Show();
    return StartProblem::None;
}

const CDomanda* Session::Current() const
{
    if (!started_ || finished_ || queue_.empty()) return nullptr;
    return test_.GetQuestion(queue_.front());
}

bool Session::CanSkip() const
{
    return test_.GetParams().ForceAns == 0;
}

bool Session::CanPutOff() const
{
    if (!Current() || queue_.size() < 2) return false;
    const int index = queue_.front();
    const CStudRispo& answer = *test_.LastStudent()->Answer(index);
    return answer.StoredNumSendBack() < test_.GetParams().SendBack;
}

bool Session::CanQuit() const
{
    return test_.GetParams().Exit != 0;
}

bool Session::AsksConfirmation() const
{
    return test_.GetParams().AskConfirm != 0;
}

bool Session::ShowsSolution() const
{
    return test_.GetParams().CorrectAnswer != 0;
}

bool Session::ShowsScore() const
{
    return test_.GetParams().ViewScore != 0;
}

int Session::TestSecondsLeft() const
{
    if (MinutesAllowed() == 0 || !started_) return -1;
    return std::max(testClock_.Remaining(), 0);
}

int Session::QuestionSecondsLeft() const
{
    const CDomanda* q = Current();
    if (!q || q->GetTimeQue() <= 0) return -1;
    return std::max(test_.LastStudent()->Answer(queue_.front())->TimeAns().Remaining(), 0);
}

CGiudizio Session::Confirm(const CReplica& reply)
{
    if (!Current()) return {};
    const CStudRispo& answer = *test_.LastStudent()->Answer(queue_.front());
    CReplica stored = reply;
    stored.Typed = StorableText(reply.Typed);
    const CGiudizio result = Settle(stored, answer.TimeAns().Expired());
    Advance();
    return result;
}

CGiudizio Session::Skip()
{
    if (!Current()) return {};
    CReplica skipped;
    skipped.Skipped = true;
    const CGiudizio result = Settle(skipped, false);
    Advance();
    return result;
}

bool Session::PutOff()
{
    if (!CanPutOff()) return false;
    const int index = queue_.front();
    const CDomanda& q = *test_.GetQuestion(index);
    CStudRispo& answer = *test_.LastStudent()->Answer(index);
    answer.TimeAns().Stop();
    // Valid from now on, so that the put-offs and their points are kept;
    // skipped until the student comes back to it.
    answer.SetIsValid(1);
    answer.PutTypeQue(q.GetTypeQue());
    answer.SetIsCorrect(TCorrect::Skip);
    answer.IncNumSendBack();
    answer.AddScore(q.GetScoreIfSendBack());
    queue_.pop_front();
    queue_.push_back(index);
    UpdateRecord();
    Keep();
    Show();
    return true;
}

void Session::Quit()
{
    if (!Current()) return;
    SettlePending(false);
    Finish();
}

bool Session::Tick()
{
    if (!started_ || finished_) return false;
    if (sink_ && Now() - lastBeat_ >= kBeatSeconds) {
        lastBeat_ = Now();
        sink_->StillRunning();
    }
    if (!testClock_.Expired()) return false;
    SettlePending(true);
    Finish();
    return true;
}

float Session::TotalScore() const
{
    return started_ ? test_.LastStudent()->GetTotalScore() : 0;
}

void Session::Show()
{
    if (queue_.empty()) return;
    shown_[queue_.front()] = true;
    test_.LastStudent()->Answer(queue_.front())->TimeAns().Start();
}

CGiudizio Session::Settle(const CReplica& reply, bool late)
{
    const int index = queue_.front();
    CStudRispo& answer = *test_.LastStudent()->Answer(index);
    answer.TimeAns().Stop();
    const CGiudizio result = RecordReply(*test_.GetQuestion(index), reply, late, answer);
    outcomes_.push_back({index, result.Judgement, answer.GetScore()});
    queue_.pop_front();
    ++answered_;
    return result;
}

void Session::SettlePending(bool late)
{
    while (!queue_.empty()) {
        if (!shown_[queue_.front()]) {
            queue_.pop_front();
            continue;
        }
        CReplica nothing;
        nothing.Skipped = !late;
        Settle(nothing, late);
    }
}

void Session::Advance()
{
    UpdateRecord();
    if (queue_.empty()) {
        Finish();
        return;
    }
    Keep();
    Show();
}

void Session::Finish()
{
    finished_ = true;
    testClock_.Stop();
    UpdateRecord();
    Keep();
}

void Session::UpdateRecord()
{
    CStudente& record = *test_.LastStudent();
    float total = 0;
    for (int i = 0; i < record.AnswerCount(); ++i) total += record.Answer(i)->GetScore();
    record.SetTotalScore(total);
    record.SetTimeLength(FormatMinSec(testClock_.Elapsed()));
}

void Session::Keep()
{
    if (sink_ && !sinkFailed_ && !sink_->Progress(test_)) sinkFailed_ = true;
}

}  // namespace quadrivo::runner
