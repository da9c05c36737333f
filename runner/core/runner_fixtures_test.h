#ifndef QUADRIVO_RUNNER_CORE_RUNNER_FIXTURES_TEST_H
#define QUADRIVO_RUNNER_CORE_RUNNER_FIXTURES_TEST_H

// A questionnaire built in memory for the runner's tests, and a clock that
// moves only when a test says so.

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "model/domanda.h"
#include "model/test.h"
#include "student/tempo.h"
#include "text/fixtures_test.h"

namespace quadrivo::runner {

inline std::time_t fakeNow = 1700000000;
inline std::time_t FakeClock()
{
    return fakeNow;
}

// Questions in storage order: 1 a single choice (answer 2 correct, 2 points),
// 2 a number (12.5, 3 points), 3 disabled, 4 a text ("Roma", 3 points),
// 5 a free text that the runner does not judge.
inline void AddQuestions(CTest& test)
{
    auto add = [&](TQue type) -> CDomanda& {
        test.AddQuestion();
        CDomanda& q = *test.GetQuestion(test.QuestionCount() - 1);
        q.SetTypeQue(type);
        q.SetScoreIfSkip(-0.5f);
        q.SetScoreIfLate(-1);
        q.SetScoreIfSendBack(-0.25f);
        return q;
    };
    CDomanda& choice = add(TQue::MultipleAnswer);
    for (int i = 0; i < 3; ++i) {
        CRisposta a(nullptr);
        a.SetScore(i == 1 ? 2 : 0);
        a.SetCorrect(i == 1);
        choice.AddAnswer(a);
    }
    add(TQue::SingleNumber).SetNumOk(12.5);
    add(TQue::SingleText).SetEnableQue(0);
    add(TQue::SingleText).SetTextOk("Roma");
    add(TQue::FreeText);
    test.GetParams().Save = 1;
    test.BuildOrder();
}

// A test in a folder of its own, on the fake clock.
class RunnerTest : public testing::Test, public RecordedReports {
protected:
    RunnerTest() : folder("runner"), test(&errors)
    {
        previous = SetClock(FakeClock);
        test.SetPathName(CStringa((folder.Path() + "/quiz.tst").c_str()));
        AddQuestions(test);
    }
    ~RunnerTest() override { SetClock(previous); }

    std::string Path(const std::string& name) const { return folder.Path() + "/" + name; }

    TempFolder folder;
    CTest test;
    ClockFunction previous = nullptr;
};

inline CReplica Marks(int i)
{
    CReplica r;
    r.Marked[i] = true;
    return r;
}

inline CReplica Typed(const char* text)
{
    CReplica r;
    r.Typed = text;
    return r;
}

}  // namespace quadrivo::runner

#endif
