#include "runner/core/session.h"

#include <gtest/gtest.h>

#include <vector>

#include "runner/core/runner_fixtures_test.h"
#include "student/studente.h"

namespace quadrivo::runner {

namespace {

class SessionTest : public RunnerTest {
protected:
    CStudRispo& Answer(int index) { return *test.LastStudent()->Answer(index); }
};

TEST_F(SessionTest, StartNeedsANameAndThePassword)
{
    test.GetParams().Password = "segreto";
    Session session(test, -1, nullptr);
    EXPECT_TRUE(session.NeedsPassword());
    EXPECT_EQ(session.Start("  ", "segreto"), StartProblem::NoName);
    EXPECT_EQ(session.Start("Rossi Maria", "Segreto"), StartProblem::WrongPassword);
    EXPECT_EQ(test.StudentCount(), 0);
    EXPECT_EQ(session.Start(" Rossi \"Maria\" ", "segreto"), StartProblem::None);
    EXPECT_EQ(test.LastStudent()->GetNameStudent(), CStringa("Rossi 'Maria'"));
    EXPECT_EQ(session.AskedCount(), 4);
    EXPECT_EQ(session.CurrentIndex(), 0);

    CTest empty(&errors);
    Session nothing(empty, -1, nullptr);
    EXPECT_EQ(nothing.Start("Rossi", ""), StartProblem::NoQuestions);
}

TEST_F(SessionTest, WholeRunStoresEveryShownQuestionWithItsJudgementAndTimes)
{
    test.GetQuestion(1)->SetTimeQue(10);
    Session session(test, -1, nullptr);
    ASSERT_EQ(session.Start("Rossi", ""), StartProblem::None);
    fakeNow += 5;
    EXPECT_EQ(session.Confirm(Marks(1)).Judgement, TCorrect::Yes);
    EXPECT_EQ(session.QuestionSecondsLeft(), 10);
    fakeNow += 11;  // past the number's ten seconds
    EXPECT_EQ(session.Confirm(Typed("12,5")).Judgement, TCorrect::Late);
    EXPECT_EQ(session.Skip().Judgement, TCorrect::Skip);
    EXPECT_EQ(session.Confirm(Typed("testo")).Judgement, TCorrect::Disable);
    EXPECT_TRUE(session.Finished());
    EXPECT_EQ(session.Current(), nullptr);

    const CStudente& record = *test.LastStudent();
    EXPECT_FLOAT_EQ(record.GetTotalScore(), 2 - 1 - 0.5f);
    EXPECT_EQ(record.GetTimeLength(), CStringa("0:16"));
    EXPECT_EQ(Answer(0).GetTimeAns(), 5);
    EXPECT_EQ(Answer(1).GetTimeAns(), 11);
    const int valid[] = {1, 1, 0, 1, 1};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Answer(i).GetIsValid(), valid[i]) << i;
    ASSERT_EQ(session.Outcomes().size(), 4u);
    EXPECT_EQ(session.Outcomes()[2].index, 3);
}

TEST_F(SessionTest, PutOffSendsTheQuestionAfterTheOthersWhilePutOffsRemain)
{
    test.GetParams().SendBack = 1;
    test.GetParams().MaxQue = 2;
    Session session(test, -1, nullptr);
    ASSERT_EQ(session.Start("Rossi", ""), StartProblem::None);
    ASSERT_TRUE(session.CanPutOff());
    EXPECT_TRUE(session.PutOff());
    EXPECT_EQ(session.CurrentIndex(), 1);
    session.Confirm(Typed("12.5"));
    EXPECT_EQ(session.CurrentIndex(), 0);
    EXPECT_FALSE(session.PutOff());
    session.Confirm(Marks(1));
    EXPECT_TRUE(session.Finished());
    EXPECT_EQ(Answer(0).GetNumSendBack(), 1);
    EXPECT_FLOAT_EQ(Answer(0).GetScore(), 2 - 0.25f);
    EXPECT_EQ(Answer(3).GetIsValid(), 0);  // beyond MaxQue
}

TEST_F(SessionTest, TestTimeOutMakesTheQuestionOnScreenLateAndLeavesTheRestUnasked)
{
    test.GetParams().Time = 1;
    test.GetParams().SendBack = 2;
    Session session(test, -1, nullptr);
    ASSERT_EQ(session.Start("Rossi", ""), StartProblem::None);
    session.PutOff();  // question 0 shown, put off
    fakeNow += 30;
    EXPECT_FALSE(session.Tick());
    EXPECT_EQ(session.TestSecondsLeft(), 30);
    fakeNow += 31;
    EXPECT_TRUE(session.Tick());
    EXPECT_TRUE(session.Finished());
    EXPECT_EQ(Answer(1).GetIsCorrect(), TCorrect::Late);
    EXPECT_EQ(Answer(0).GetIsCorrect(), TCorrect::Late);
    EXPECT_EQ(Answer(3).GetIsValid(), 0);
    EXPECT_FLOAT_EQ(test.LastStudent()->GetTotalScore(), -1 - 1 - 0.25f);
    EXPECT_EQ(test.LastStudent()->GetTimeLength(), CStringa("1:01"));
}

TEST_F(SessionTest, QuitSkipsTheQuestionOnScreenAndTryingOutAsksOneQuestion)
{
    Session session(test, -1, nullptr);
    ASSERT_EQ(session.Start("Rossi", ""), StartProblem::None);
    session.Confirm(Marks(0));
    session.Quit();
    EXPECT_TRUE(session.Finished());
    EXPECT_EQ(Answer(1).GetIsCorrect(), TCorrect::Skip);
    EXPECT_EQ(Answer(3).GetIsValid(), 0);

    CTest one(&errors);
    AddQuestions(one);
    one.GetParams().Password = "x";
    Session trial(one, 2, nullptr);  // the disabled question
    EXPECT_FALSE(trial.NeedsPassword());
    ASSERT_EQ(trial.Start("", ""), StartProblem::None);
    EXPECT_EQ(trial.AskedCount(), 1);
    EXPECT_EQ(trial.CurrentIndex(), 2);
}

}  // namespace

}  // namespace quadrivo::runner
