// Figures of a CTest: the score range its asked questions allow, and the
// class statistics over the student records loaded from its student file.

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "text/utilita.h"

namespace quadrivo {

namespace {

// Sums of seconds come from files and may be anything: they are added in 64
// bits and brought back into the int range instead of overflowing.
int ClampToInt(long long x)
{
    if (x > INT_MAX) return INT_MAX;
    if (x < INT_MIN) return INT_MIN;
    return static_cast<int>(x);
}

// The deviations are taken from sums of values and of their squares, so a
// class whose values are all equal can leave a radicand a few ulps below 0:
// that spread is 0, not NaN.
double RootOf(long double radicand)
{
    if (!(radicand > 0)) return 0;
    return static_cast<double>(std::sqrt(radicand));
}

// The answer i of a record, or null when the record has none there. A record
// that carries an error code would hand back its answer 0 for every index.
using StudentList = CTest::StudentList;

CStudRispo* AnswerAt(CStudente* student, int i)
{
    if (!student || student->Error() != 0) return nullptr;
    if (i < 0 || i >= student->AnswerCount()) return nullptr;
    return student->Answer(i);
}

// The sum of a figure of the questions a run asks: the first `asked` enabled
// ones in storage order.
template <typename Figure>
long double SumOverAsked(const std::vector<std::unique_ptr<CDomanda>>& questions, int asked, Figure figure)
{
    long double sum = 0;
    for (std::size_t i = 0, taken = 0; i < questions.size() && static_cast<int>(taken) < asked; ++i) {
        if (!questions[i]->GetEnableQue()) continue;
        sum += std::invoke(figure, *questions[i]);
        taken += 1;
    }
    return sum;
}

// Answers to every question, for SumOverAnswers.
constexpr int kEveryQuestion = -1;

// The sum of value(answer) over the answers of the records: those to question
// q, or all of them for kEveryQuestion. Sums of seconds may be anything and
// are taken in 64 bits.
template <typename Value>
long long SumOverAnswers(const StudentList& students, int q, Value value)
{
    long long sum = 0;
    for (std::size_t j = 0; j < students.size(); ++j) {
        const int first = q == kEveryQuestion ? 0 : q;
        const int end = q == kEveryQuestion ? students[j]->AnswerCount() : q + 1;
        for (int i = first; i < end; ++i)
            if (const CStudRispo* answer = AnswerAt(students[j].get(), i)) sum += value(*answer);
    }
    return sum;
}

// The total scores of the records added up, and their squares, for the mean
// and the deviations.
struct ScoreSums {
    long double scores = 0;
    long double squares = 0;
};

ScoreSums SumScores(const StudentList& students)
{
    ScoreSums sums;
    for (const auto& student : students) {
        const long double x = student->GetTotalScore();
        sums.scores += x;
        sums.squares += x * x;
    }
    return sums;
}

// What one answer adds to the answer figures.
int Seconds(const CStudRispo& a)
{
    return a.GetTimeAns();
}

auto SecondsIfJudged(TCorrect c)
{
    return [c](const CStudRispo& a) { return a.GetIsCorrect() == c ? a.GetTimeAns() : 0; };
}

auto OneIfJudged(TCorrect c)
{
    return [c](const CStudRispo& a) { return a.GetIsCorrect() == c ? 1 : 0; };
}

// Disable marks an answer that was never given: it counts as no answer.
int OneIfGiven(const CStudRispo& a)
{
    return a.GetIsCorrect() != TCorrect::Disable ? 1 : 0;
}

int SendBacksIfGiven(const CStudRispo& a)
{
    return a.GetIsCorrect() != TCorrect::Disable ? a.GetNumSendBack() : 0;
}

// The sort key of a name: lower-cased as the program lower-cases, compared
// with strcmp.
CStringa NameKey(const CStudente* student)
{
    return Lower(student->GetNameStudent());
}

int CompareNames(const CStringa& a, const CStringa& b)
{
    const char* x = a.CStr();
    const char* y = b.CStr();
    return std::strcmp(x ? x : "", y ? y : "");
}

}  // namespace

// Test figures: the first AskedCount enabled questions in storage order.

double CTest::TestMaxScore()
{
    return static_cast<double>(SumOverAsked(Questions, AskedCount(), &CDomanda::MaxScore));
}

double CTest::TestMinScore()
{
    return static_cast<double>(SumOverAsked(Questions, AskedCount(), &CDomanda::MinScore));
}

double CTest::TestScoreVariance()
{
    return static_cast<double>(SumOverAsked(Questions, AskedCount(), &CDomanda::ScoreVariance));
}

double CTest::TestScoreStdDev()
{
    return RootOf(TestScoreVariance());
}

double CTest::TestMeanScore()
{
    const int asked = AskedCount();
    if (asked <= 0) return 0;
    return static_cast<double>(SumOverAsked(Questions, asked, &CDomanda::MeanScore) / asked);
}

// Class scores.

double CTest::ClassMin() const
{
    double least = 100000;
    for (int j = 0; j < StudentCount(); ++j) {
        const double x = Students[j]->GetTotalScore();
        if (j == 0 || x < least) least = x;
    }
    return least;
}

double CTest::ClassMax() const
{
    double most = -100000;
    for (int j = 0; j < StudentCount(); ++j) {
        const double x = Students[j]->GetTotalScore();
        if (j == 0 || x > most) most = x;
    }
    return most;
}

double CTest::ClassMean() const
{
    if (StudentCount() <= 0) return 0;
    return static_cast<double>(SumScores(Students).scores / StudentCount());
}

double CTest::ClassMean(int decimals) const
{
    return Round(ClassMean(), decimals);
}

double CTest::ClassMedian()
{
    const int n = StudentCount();
    if (n <= 0) return 0;
    const int* order = SortByScore();
    if (n % 2 == 1) return Students[order[n / 2]]->GetTotalScore();
    const double lower = Students[order[n / 2 - 1]]->GetTotalScore();
    const double upper = Students[order[n / 2]]->GetTotalScore();
    return (lower + upper) / 2;
}

double CTest::ClassMedian(int decimals)
{
    return Round(ClassMedian(), decimals);
}

double CTest::ClassStdDev() const
{
    const int n = StudentCount();
    if (n <= 0) return 0;
    const ScoreSums sums = SumScores(Students);
    const long double mean = sums.scores / n;
    return RootOf(sums.squares / n - mean * mean);
}

double CTest::ClassStdDev(int decimals) const
{
    return Round(ClassStdDev(), decimals);
}

double CTest::ClassSampleStdDev() const
{
    const int n = StudentCount();
    if (n <= 1) return 0;
    const ScoreSums sums = SumScores(Students);
    const long double mean = sums.scores / n;
    return RootOf(sums.squares / (n - 1) - mean * mean * n / (n - 1));
}

double CTest::ClassSampleStdDev(int decimals) const
{
    return Round(ClassSampleStdDev(), decimals);
}

// Class times. TimeLength is a text "minutes:seconds" as the runner wrote it.

int CTest::ParseMinSec(const CStringa& text)
{
    const int colon = Find(text, CStringa(":"), 0);
    if (colon <= 0) return 0;
    const long long minutes = Slice(text, 0, static_cast<unsigned>(colon)).ToInt();
    const long long seconds = Tail(text, static_cast<unsigned>(colon) + 1).ToInt();
    return ClampToInt(minutes * 60 + seconds);
}

int CTest::ClassTotalTime() const
{
    long long sum = 0;
    for (int j = 0; j < StudentCount(); ++j) sum += ParseMinSec(Students[j]->GetTimeLength());
    return ClampToInt(sum);
}

double CTest::ClassMeanTime() const
{
    if (StudentCount() <= 0) return 0;
    return ClassTotalTime() / StudentCount();
}

double CTest::ClassTimeStdDev() const
{
    const int n = StudentCount();
    if (n <= 0) return 0;
    long double squares = 0;
    for (int j = 0; j < n; ++j) {
        const long double t = ParseMinSec(Students[j]->GetTimeLength());
        squares += t * t;
    }
    const long double mean = ClassMeanTime();
    return RootOf(squares / n - mean * mean);
}

// Answers by judgement and by question.

int CTest::TotalAnswerTime() const
{
    return ClampToInt(SumOverAnswers(Students, kEveryQuestion, Seconds));
}

int CTest::ExpectedAnswers()
{
    return ClampToInt(static_cast<long long>(AskedCount()) * StudentCount());
}

int CTest::TimeByJudgement(TCorrect c) const
{
    return ClampToInt(SumOverAnswers(Students, kEveryQuestion, SecondsIfJudged(c)));
}

int CTest::CountByJudgement(TCorrect c) const
{
    return ClampToInt(SumOverAnswers(Students, kEveryQuestion, OneIfJudged(c)));
}

int CTest::QuestionTimeByJudgement(TCorrect c, int q) const
{
    if (q < 0 || q >= QuestionCount()) return 0;
    return ClampToInt(SumOverAnswers(Students, q, SecondsIfJudged(c)));
}

int CTest::QuestionCountByJudgement(TCorrect c, int q) const
{
    if (q < 0 || q >= QuestionCount()) return 0;
    return ClampToInt(SumOverAnswers(Students, q, OneIfJudged(c)));
}

int CTest::QuestionTime(int q) const
{
    if (q < 0 || q >= QuestionCount()) return 0;
    return ClampToInt(SumOverAnswers(Students, q, Seconds));
}

int CTest::QuestionAnsweredCount(int q) const
{
    if (q < 0 || q >= QuestionCount()) return 0;
    return ClampToInt(SumOverAnswers(Students, q, OneIfGiven));
}

int CTest::QuestionSendBacks(int q) const
{
    if (q < 0 || q >= QuestionCount()) return 0;
    return ClampToInt(SumOverAnswers(Students, q, SendBacksIfGiven));
}

// Orderings. Both are the same exchange sort, entry by entry, so that records
// equal in both keys always come out in the same places.

const int* CTest::SortByScore()
{
    const int n = StudentCount();
    ScoreOrder.resize(n);
    for (int i = 0; i < n; ++i) ScoreOrder[i] = i;
    for (int p = 0; p + 1 < n; ++p)
        for (int r = p + 1; r < n; ++r) {
            const CStudente* atP = Students[ScoreOrder[p]].get();
            const CStudente* atR = Students[ScoreOrder[r]].get();
            const float scoreP = atP->GetTotalScore();
            const float scoreR = atR->GetTotalScore();
            const bool first =
                scoreR > scoreP || (scoreR == scoreP && CompareNames(NameKey(atP), NameKey(atR)) > 0);
            if (first) std::swap(ScoreOrder[p], ScoreOrder[r]);
        }
    return ScoreOrder.data();
}

const int* CTest::SortByName()
{
    const int n = StudentCount();
    NameOrder.resize(n);
    for (int i = 0; i < n; ++i) NameOrder[i] = i;
    for (int p = 0; p + 1 < n; ++p)
        for (int r = p + 1; r < n; ++r) {
            const CStudente* atP = Students[NameOrder[p]].get();
            const CStudente* atR = Students[NameOrder[r]].get();
            const int names = CompareNames(NameKey(atP), NameKey(atR));
            const bool first = names > 0 || (names == 0 && atP->GetTotalScore() < atR->GetTotalScore());
            if (first) std::swap(NameOrder[p], NameOrder[r]);
        }
    return NameOrder.data();
}

}  // namespace quadrivo
