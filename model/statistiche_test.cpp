#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

struct Record {
    const char* name;
    float score;
    const char* time;
};

class StatisticheTest : public testing::Test, protected RecordedReports {
protected:
    void AddRecords(const std::vector<Record>& records)
    {
        for (const Record& r : records) {
            ASSERT_EQ(test.AddStudent(), 0);
            CStudente* s = test.LastStudent();
            s->SetNameStudent(CStringa(r.name));
            s->SetTotalScore(r.score);
            s->SetTimeLength(CStringa(r.time));
        }
    }

    // A numeric question whose score bounds are ok and bad.
    void AddNumberQuestion(float ok, float bad, int enabled = 1)
    {
        ASSERT_EQ(test.AddQuestion(), 0);
        CDomanda* q = test.GetQuestion(test.QuestionCount() - 1);
        q->SetTypeQue(TQue::SingleNumber);
        q->SetScoreIfOk(ok);
        q->SetScoreIfBad(bad);
        q->SetEnableQue(enabled);
    }

    // A single-selection choice question with the given answer scores.
    void AddChoiceQuestion(const std::vector<float>& scores)
    {
        ASSERT_EQ(test.AddQuestion(), 0);
        CDomanda* q = test.GetQuestion(test.QuestionCount() - 1);
        for (float s : scores) {
            CRisposta answer(&errors);
            answer.SetScore(s);
            ASSERT_TRUE(q->AddAnswer(answer));
        }
    }

    void Judge(int student, int question, TCorrect c, int seconds, int sendBacks = 0)
    {
        CStudRispo* a = test.GetStudent(student)->Answer(question);
        a->SetIsValid(1);
        a->SetIsCorrect(c);
        a->TimeAns().SetElapsed(seconds);
        for (int k = 0; k < sendBacks; ++k) a->IncNumSendBack();
    }

    std::vector<std::string> Names(const int* order)
    {
        std::vector<std::string> names;
        for (int i = 0; i < test.StudentCount(); ++i)
            names.emplace_back(test.GetStudent(order[i])->GetNameStudent().CStr());
        return names;
    }

    CTest test{&errors};
};

TEST_F(StatisticheTest, ClassScoreFigures)
{
    struct Row {
        std::vector<float> scores;
        double min, max, mean, median, stdDev, sampleStdDev;
    };
    const Row rows[] = {
        {{5, 9, 7}, 5, 9, 7, 7, std::sqrt(8.0 / 3.0), 2},
        {{4, 8, 6, 2}, 2, 8, 5, 5, std::sqrt(5.0), std::sqrt(20.0 / 3.0)},
        {{-3}, -3, -3, -3, -3, 0, 0},
        {{}, 100000, -100000, 0, 0, 0, 0},
        {{200000, 150000}, 150000, 200000, 175000, 175000, 25000, std::sqrt(1250000000.0)},
        // Equal scores: no spread, and never NaN from a radicand below 0.
        {{7.3f, 7.3f, 7.3f}, 7.3f, 7.3f, 7.3f, 7.3f, 0, 0},
    };
    for (const Row& row : rows) {
        CTest t(&errors);
        for (float s : row.scores) {
            ASSERT_EQ(t.AddStudent(), 0);
            t.LastStudent()->SetTotalScore(s);
        }
        SCOPED_TRACE(testing::PrintToString(row.scores));
        EXPECT_DOUBLE_EQ(t.ClassMin(), row.min);
        EXPECT_DOUBLE_EQ(t.ClassMax(), row.max);
        EXPECT_DOUBLE_EQ(t.ClassMean(), row.mean);
        EXPECT_DOUBLE_EQ(t.ClassMedian(), row.median);
        EXPECT_DOUBLE_EQ(t.ClassStdDev(), row.stdDev);
        EXPECT_DOUBLE_EQ(t.ClassSampleStdDev(), row.sampleStdDev);
    }
}

TEST_F(StatisticheTest, FiguresToDecimalsAreRounded)
{
    AddRecords({{"a", 1, ""}, {"b", 2, ""}, {"c", 2, ""}});
    EXPECT_DOUBLE_EQ(test.ClassMean(2), 1.67);
    EXPECT_DOUBLE_EQ(test.ClassMedian(0), 2);
    EXPECT_DOUBLE_EQ(test.ClassStdDev(2), 0.47);         // sqrt(2/9)
    EXPECT_DOUBLE_EQ(test.ClassSampleStdDev(3), 0.577);  // sqrt(1/3)
}

TEST_F(StatisticheTest, SortsByScoreThenNameAndByNameThenScore)
{
    AddRecords({{"bianchi", 3, ""}, {"Bianchi", 7, ""}, {"Arco", 7, ""}});
    EXPECT_EQ(Names(test.SortByScore()), (std::vector<std::string>{"Arco", "Bianchi", "bianchi"}));
    const int* byName = test.SortByName();
    EXPECT_EQ(Names(byName), (std::vector<std::string>{"Arco", "Bianchi", "bianchi"}));
    EXPECT_EQ(test.GetStudent(byName[1])->GetTotalScore(), 7);
}

TEST_F(StatisticheTest, SortsOfRecordsEqualInBothKeysFollowTheExchanges)
{
    // Records 0, 1, 2 equal in both keys, 3 first by score: the exchange of
    // entries 0 and 3 moves record 0 to the end.
    AddRecords({{"x", 1, ""}, {"x", 1, ""}, {"x", 1, ""}, {"x", 2, ""}});
    const int* byScore = test.SortByScore();
    EXPECT_EQ(std::vector<int>(byScore, byScore + 4), (std::vector<int>{3, 1, 2, 0}));
    const int* byName = test.SortByName();
    EXPECT_EQ(std::vector<int>(byName, byName + 4), (std::vector<int>{3, 1, 2, 0}));
}

TEST_F(StatisticheTest, ParsesMinutesAndSeconds)
{
    struct Row {
        const char* text;
        int seconds;
    };
    const Row rows[] = {
        {"1:15", 75}, {"0:45", 45},   {"10:00", 600},           {":15", 0}, {"75", 0}, {"", 0},
        {"2:", 120},  {" 3:07", 187}, {"99999999:00", INT_MAX},
    };
    for (const Row& row : rows) EXPECT_EQ(CTest::ParseMinSec(CStringa(row.text)), row.seconds) << row.text;
}

TEST_F(StatisticheTest, ClassTimes)
{
    struct Row {
        const char* first;
        const char* second;
        int total;
        double mean;
        double stdDev;
    };
    const Row rows[] = {
        {"1:15", "0:45", 120, 60, 15},
        {"0:05", "0:06", 11, 5, std::sqrt(61.0 / 2 - 25)},  // mean truncated
        {"x", "", 0, 0, 0},
    };
    for (const Row& row : rows) {
        CTest t(&errors);
        for (const char* time : {row.first, row.second}) {
            ASSERT_EQ(t.AddStudent(), 0);
            t.LastStudent()->SetTimeLength(CStringa(time));
        }
        EXPECT_EQ(t.ClassTotalTime(), row.total) << row.first;
        EXPECT_DOUBLE_EQ(t.ClassMeanTime(), row.mean) << row.first;
        EXPECT_DOUBLE_EQ(t.ClassTimeStdDev(), row.stdDev) << row.first;
    }
    EXPECT_EQ(test.ClassTotalTime(), 0);
    EXPECT_EQ(test.ClassMeanTime(), 0);
    EXPECT_EQ(test.ClassTimeStdDev(), 0);
}

TEST_F(StatisticheTest, TestFiguresSumTheFirstAskedEnabledQuestionsInStorageOrder)
{
    AddNumberQuestion(1, -1, 0);  // disabled: never counted
    AddNumberQuestion(2, -2);
    AddNumberQuestion(4, -4, 0);
    AddNumberQuestion(8, -8);
    AddNumberQuestion(16, -16);
    AddNumberQuestion(32, -32);
    AddNumberQuestion(64, -64);
    test.BuildOrder();
    test.GetParams().MaxQue = 2;
    EXPECT_EQ(test.AskedCount(), 2);
    EXPECT_DOUBLE_EQ(test.TestMaxScore(), 10);
    EXPECT_DOUBLE_EQ(test.TestMinScore(), -10);
    EXPECT_DOUBLE_EQ(test.TestMeanScore(), -5);  // per asked question
    test.GetParams().MaxQue = 0;
    EXPECT_DOUBLE_EQ(test.TestMaxScore(), 122);
}

TEST_F(StatisticheTest, TestSpreadAddsTheVariancesOfTheAskedQuestions)
{
    AddChoiceQuestion({3, -1});     // mean 1, variance 4
    AddChoiceQuestion({2, 2, -1});  // mean 1, variance 2
    AddNumberQuestion(5, 1);        // mean 1 (ScoreIfBad), variance 0
    test.BuildOrder();
    EXPECT_DOUBLE_EQ(test.TestMaxScore(), 3 + 2 + 5);
    EXPECT_DOUBLE_EQ(test.TestMinScore(), -1 - 1 + 1);
    EXPECT_DOUBLE_EQ(test.TestMeanScore(), 1);
    EXPECT_DOUBLE_EQ(test.TestScoreVariance(), 6);
    EXPECT_DOUBLE_EQ(test.TestScoreStdDev(), std::sqrt(6.0));
}

TEST_F(StatisticheTest, TestWithoutAskedQuestionsHasZeroFigures)
{
    AddNumberQuestion(3, 1, 0);
    test.BuildOrder();
    EXPECT_EQ(test.AskedCount(), 0);
    EXPECT_EQ(test.TestMaxScore(), 0);
    EXPECT_EQ(test.TestMeanScore(), 0);
    EXPECT_EQ(test.TestScoreStdDev(), 0);
    EXPECT_EQ(test.ExpectedAnswers(), 0);
}

TEST_F(StatisticheTest, CountsAndTimesByJudgementAndByQuestion)
{
    for (int i = 0; i < 3; ++i) AddNumberQuestion(1, 0);
    test.BuildOrder();
    AddRecords({{"a", 0, ""}, {"b", 0, ""}});
    Judge(0, 0, TCorrect::Yes, 10, 1);
    Judge(0, 1, TCorrect::No, 20);
    Judge(0, 2, TCorrect::Skip, 5, 2);
    Judge(1, 0, TCorrect::Yes, 30);
    Judge(1, 1, TCorrect::Late, 40, 3);
    // Answer 2 of record 1 stays Disable; its put-offs do not count.
    test.GetStudent(1)->Answer(2)->SetIsValid(1);
    test.GetStudent(1)->Answer(2)->IncNumSendBack();
    test.GetStudent(1)->Answer(2)->TimeAns().SetElapsed(7);

    EXPECT_EQ(test.TotalAnswerTime(), 112);
    EXPECT_EQ(test.ExpectedAnswers(), 6);
    test.GetParams().MaxQue = 2;
    EXPECT_EQ(test.ExpectedAnswers(), 4);
    test.GetParams().MaxQue = 0;
    struct Row {
        TCorrect c;
        int count, time;
    };
    const Row rows[] = {{TCorrect::Yes, 2, 40}, {TCorrect::No, 1, 20},   {TCorrect::Nearly, 0, 0},
                        {TCorrect::Skip, 1, 5}, {TCorrect::Late, 1, 40}, {TCorrect::Disable, 1, 7}};
    for (const Row& row : rows) {
        EXPECT_EQ(test.CountByJudgement(row.c), row.count) << TCorrectText(row.c).CStr();
        EXPECT_EQ(test.TimeByJudgement(row.c), row.time) << TCorrectText(row.c).CStr();
    }

    EXPECT_EQ(test.QuestionCountByJudgement(TCorrect::Yes, 0), 2);
    EXPECT_EQ(test.QuestionTimeByJudgement(TCorrect::Yes, 0), 40);
    EXPECT_EQ(test.QuestionCountByJudgement(TCorrect::Late, 1), 1);
    EXPECT_EQ(test.QuestionTimeByJudgement(TCorrect::No, 1), 20);
    EXPECT_EQ(test.QuestionAnsweredCount(2), 1);
    EXPECT_EQ(test.QuestionTime(2), 12);
    const int sendBacks[] = {1, 3, 2};
    for (int q = 0; q < 3; ++q) EXPECT_EQ(test.QuestionSendBacks(q), sendBacks[q]) << q;
    for (int q : {-1, 3, INT_MAX}) {
        EXPECT_EQ(test.QuestionTime(q) + test.QuestionAnsweredCount(q) + test.QuestionSendBacks(q) +
                      test.QuestionCountByJudgement(TCorrect::Disable, q) +
                      test.QuestionTimeByJudgement(TCorrect::Disable, q),
                  0)
            << q;
    }
}

TEST_F(StatisticheTest, RecordWithFewerAnswersThanQuestionsCountsOnlyItsOwn)
{
    for (int i = 0; i < 3; ++i) AddNumberQuestion(1, 0);
    test.BuildOrder();
    CStudente shortRecord(&errors, 1);
    CStudRispo* only = shortRecord.Answer(0);
    only->SetIsValid(1);
    only->SetIsCorrect(TCorrect::Yes);
    only->TimeAns().SetElapsed(9);
    ASSERT_EQ(test.AppendStudent(shortRecord), 0);
    ASSERT_EQ(test.GetStudent(0)->AnswerCount(), 1);

    EXPECT_EQ(test.CountByJudgement(TCorrect::Yes), 1);
    EXPECT_EQ(test.TotalAnswerTime(), 9);
    EXPECT_EQ(test.QuestionAnsweredCount(0), 1);
    EXPECT_EQ(test.QuestionAnsweredCount(2), 0);
    EXPECT_EQ(test.QuestionTime(2), 0);
}

}  // namespace

}  // namespace quadrivo
