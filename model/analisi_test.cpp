#include "model/analisi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

constexpr double kNone = NAN;     // an undefined figure in the tables below
constexpr double kMissing = NAN;  // no valid answer from that student

void ExpectFigure(const std::optional<double>& actual, double expected, const char* what)
{
    if (std::isnan(expected))
        EXPECT_FALSE(actual.has_value()) << what << " is " << actual.value_or(0);
    else if (!actual)
        ADD_FAILURE() << what << " undefined, expected " << expected;
    else
        EXPECT_NEAR(*actual, expected, 1e-9) << what;
}

// A test whose questions have the given score bounds, and the points each
// student scored (kMissing: no valid answer); the total is the sum.
class AnalisiTest : public testing::Test, protected RecordedReports {
protected:
    // A numeric question scoring ok or bad; a question with three answers
    // scoring 1, 0, -1 when choice is set.
    void AddQuestion(float ok, float bad, bool choice = false)
    {
        ASSERT_EQ(test.AddQuestion(), 0);
        CDomanda* q = test.GetQuestion(test.QuestionCount() - 1);
        if (!choice) {
            q->SetTypeQue(TQue::SingleNumber);
            q->SetScoreIfOk(ok);
            q->SetScoreIfBad(bad);
            return;
        }
        for (float s : {1.0f, 0.0f, -1.0f}) {
            CRisposta answer(&errors);
            answer.SetScore(s);
            ASSERT_TRUE(q->AddAnswer(answer));
        }
    }

    void AddStudent(const std::vector<double>& points, TCorrect judgement = TCorrect::Yes)
    {
        ASSERT_EQ(test.AddStudent(), 0);
        CStudente* s = test.LastStudent();
        double total = 0;
        for (int q = 0; q < static_cast<int>(points.size()); ++q) {
            if (std::isnan(points[q])) continue;
            CStudRispo* a = s->Answer(q);
            a->SetIsValid(1);
            a->SetIsCorrect(judgement);
            a->AddScore(static_cast<float>(points[q]));
            total += points[q];
        }
        s->SetTotalScore(static_cast<float>(total));
    }

    CTest test{&errors};
};

// Four students on two numeric questions (0..2 and 0..4) and a choice
// question (-1..1) that the last student was never shown.
TEST_F(AnalisiTest, ItemFiguresMatchHandComputedValues)
{
    AddQuestion(2, 0);
    AddQuestion(4, 0);
    AddQuestion(0, 0, true);
    AddStudent({2, 4, 1});
    AddStudent({2, 0, -1});
    AddStudent({0, 4, 1});
    AddStudent({0, 0, kMissing});
    const int choices[][3] = {{1, 0, 0}, {0, 0, 1}, {1, 0, 0}};
    for (int s = 0; s < 3; ++s) {
        CStudRispo* a = test.GetStudent(s)->Answer(2);
        ASSERT_EQ(a->PutTypeQue(TQue::MultipleAnswer), 0);
        ASSERT_EQ(a->PutStNumRisp(3), 0);
        for (int i = 0; i < 3; ++i) ASSERT_EQ(a->PutChoice(i, choices[s][i]), 0);
    }
    test.GetStudent(1)->Answer(0)->IncNumSendBack();
    test.GetStudent(1)->Answer(0)->IncNumSendBack();

    struct Row {
        int valid;
        double mean, facility, stdDev, discrimination;
        unsigned flags;
    };
    const Row rows[] = {
        // Rest of the test 5, -1, 5, 0: r = -1 / sqrt(123).
        {4, 1, 50, std::sqrt(4.0 / 3), -100 / std::sqrt(123.0), kLowDiscrimination | kNegativeDiscrimination},
        // Rest 3, 1, 1, 0: r = 6 / sqrt(76).
        {4, 2, 50, std::sqrt(16.0 / 3), 600 / std::sqrt(76.0), 0},
        // Rest 6, 2, 4: r = sqrt(3) / 2.
        {3, 1.0 / 3, 100.0 * (4.0 / 3) / 2, std::sqrt(4.0 / 3), 50 * std::sqrt(3.0), 0},
    };
    const CAnalisi a = AnalyseItems(test);
    ASSERT_EQ(a.items.size(), 3u);
    for (int q = 0; q < 3; ++q) {
        SCOPED_TRACE(q);
        const CAnalisiDomanda& item = a.items[q];
        EXPECT_EQ(item.validAnswers, rows[q].valid);
        ExpectFigure(item.meanScore, rows[q].mean, "mean");
        ExpectFigure(item.facility, rows[q].facility, "facility");
        ExpectFigure(item.stdDev, rows[q].stdDev, "deviation");
        ExpectFigure(item.discrimination, rows[q].discrimination, "discrimination");
        EXPECT_EQ(item.flags, rows[q].flags);
    }
    EXPECT_EQ(a.items[2].choiceCounts, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(a.items[2].judgements[static_cast<int>(TCorrect::Yes)], 3);
    EXPECT_EQ(a.items[2].judgements[static_cast<int>(TCorrect::Disable)], 1);
    EXPECT_EQ(a.items[0].sendBacks, 2);
    EXPECT_EQ(a.items[0].studentsPuttingOff, 1);

    // Alpha over the three complete records: item variances 4/3, 16/3, 4/3
    // against a total variance of 28/3.
    EXPECT_EQ(a.completeStudents, 3);
    ExpectFigure(a.alpha, 1.5 * (1 - 8 / (28.0 / 3)), "alpha");
    ExpectFigure(a.sem, std::sqrt(22.0 / 3), "sem");
    // Totals 7, 1, 5, 0 over -1..7 in bins of 0.8.
    EXPECT_EQ(a.binLow, -1);
    EXPECT_DOUBLE_EQ(a.binWidth, 0.8);
    EXPECT_EQ(a.bins, (std::array<int, 10>{0, 1, 1, 0, 0, 0, 0, 1, 0, 1}));
}

TEST_F(AnalisiTest, FiguresTheRecordsLeaveOpenAreUndefined)
{
    struct Row {
        const char* name;
        std::vector<std::pair<float, float>> bounds;  // ok, bad per question
        std::vector<std::vector<double>> students;
        double facility0, stdDev0, discrimination0, alpha;
    };
    const Row rows[] = {
        {"no students", {{2, 0}, {2, 0}}, {}, kNone, kNone, kNone, kNone},
        {"one student", {{2, 0}, {2, 0}}, {{2, 0}}, 100, kNone, kNone, kNone},
        {"nobody answered", {{2, 0}, {2, 0}}, {{kMissing, 2}, {kMissing, 0}}, kNone, kNone, kNone, kNone},
        {"equal bounds", {{1, 1}, {2, 0}}, {{1, 2}, {1, 0}}, kNone, 0, kNone, 0},
        {"same points for all", {{2, 0}, {2, 0}}, {{2, 0}, {2, 2}}, 100, 0, kNone, 0},
        {"rest of the test without spread", {{2, 0}, {2, 0}}, {{0, 2}, {2, 2}}, 50, std::sqrt(2.0), kNone, 0},
        {"a single question", {{2, 0}}, {{2}, {0}}, 50, std::sqrt(2.0), kNone, kNone},
        {"equal totals", {{2, 0}, {2, 0}}, {{2, 0}, {0, 2}}, 50, std::sqrt(2.0), -100, kNone},
        {"nobody answered everything",
         {{2, 0}, {2, 0}},
         {{2, kMissing}, {kMissing, 2}},
         100,
         kNone,
         kNone,
         kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test = CTest(&errors);
        for (const auto& [ok, bad] : row.bounds) AddQuestion(ok, bad);
        for (const auto& points : row.students) AddStudent(points);
        const CAnalisi a = AnalyseItems(test);
        ASSERT_EQ(a.items.size(), row.bounds.size());
        ExpectFigure(a.items[0].facility, row.facility0, "facility");
        ExpectFigure(a.items[0].stdDev, row.stdDev0, "deviation");
        ExpectFigure(a.items[0].discrimination, row.discrimination0, "discrimination");
        ExpectFigure(a.alpha, row.alpha, "alpha");
        EXPECT_EQ(a.sem.has_value(), a.alpha.has_value());
    }
}

TEST_F(AnalisiTest, DisabledQuestionsAndUnusableRecordsAreLeftOut)
{
    AddQuestion(2, 0);
    AddQuestion(2, 0);
    test.GetQuestion(0)->SetEnableQue(0);
    AddStudent({2, 2}, TCorrect::Late);
    AddStudent({0, 0});
    test.GetStudent(0)->SetTotalScore(INFINITY);  // beyond what the bins can place
    const CAnalisi a = AnalyseItems(test);
    ASSERT_EQ(a.items.size(), 1u);
    EXPECT_EQ(a.items[0].question, 1);
    EXPECT_EQ(a.items[0].judgements[static_cast<int>(TCorrect::Late)], 1);
    EXPECT_FALSE(a.items[0].discrimination.has_value());
    EXPECT_EQ(a.bins[0], 1);
    EXPECT_EQ(a.bins[9], 0);

    EXPECT_FALSE(Share(1, 0).has_value());
    ExpectFigure(Share(1, 4), 25, "share");
}

}  // namespace

}  // namespace quadrivo
