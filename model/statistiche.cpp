// Figures of a CTest: the score range its asked questions allow, and the
// class statistics over the student records loaded from its student file.

#include <climits>
#include <cmath>
#include <cstring>
#include <utility>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "text/utilita.h"

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
CStudRispo* AnswerAt(CStudente* student, int i)
{
    if (!student || student->Error() != 0) return nullptr;
    if (i < 0 || i >= student->AnswerCount()) return nullptr;
    return student->Answer(i);
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
    const int asked = AskedCount();
    long double sum = 0;
    for (int i = 0, taken = 0; i < QuestionCount_ && taken < asked; ++i) {
        if (!Questions[i]->GetEnableQue()) continue;
        sum += Questions[i]->MaxScore();
        taken += 1;
    }
    return static_cast<double>(sum);
}

double CTest::TestMinScore()
{
    const int asked = AskedCount();
    long double sum = 0;
    for (int i = 0, taken = 0; i < QuestionCount_ && taken < asked; ++i) {
        if (!Questions[i]->GetEnableQue()) continue;
        sum += Questions[i]->MinScore();
        taken += 1;
    }
    return static_cast<double>(sum);
}

double CTest::TestScoreVariance()
{
    const int asked = AskedCount();
    long double sum = 0;
    for (int i = 0, taken = 0; i < QuestionCount_ && taken < asked; ++i) {
        if (!Questions[i]->GetEnableQue()) continue;
        sum += Questions[i]->ScoreVariance();
        taken += 1;
    }
    return static_cast<double>(sum);
}

double CTest::TestScoreStdDev()
{
    return RootOf(TestScoreVariance());
}

double CTest::TestMeanScore()
{
    const int asked = AskedCount();
    if (asked <= 0) return 0;
    long double sum = 0;
    for (int i = 0, taken = 0; i < QuestionCount_ && taken < asked; ++i) {
        if (!Questions[i]->GetEnableQue()) continue;
        sum += Questions[i]->MeanScore();
        taken += 1;
    }
    return static_cast<double>(sum / asked);
}

// Class scores.

double CTest::ClassMin() const
{
    double least = 100000;
    for (int j = 0; j < StudentCount_; ++j) {
        const double x = Students[j]->GetTotalScore();
        if (j == 0 || x < least) least = x;
    }
    return least;
}

double CTest::ClassMax() const
{
    double most = -100000;
    for (int j = 0; j < StudentCount_; ++j) {
        const double x = Students[j]->GetTotalScore();
        if (j == 0 || x > most) most = x;
    }
    return most;
}

double CTest::ClassMean() const
{
    if (StudentCount_ <= 0) return 0;
    long double sum = 0;
    for (int j = 0; j < StudentCount_; ++j) sum += Students[j]->GetTotalScore();
    return static_cast<double>(sum / StudentCount_);
}

double CTest::ClassMean(int decimals) const
{
    return Round(ClassMean(), decimals);
}

double CTest::ClassMedian()
{
    const int n = StudentCount_;
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
    const int n = StudentCount_;
    if (n <= 0) return 0;
    long double sum = 0;
    long double squares = 0;
    for (int j = 0; j < n; ++j) {
        const long double x = Students[j]->GetTotalScore();
        sum += x;
        squares += x * x;
    }
    const long double mean = sum / n;
    return RootOf(squares / n - mean * mean);
}

double CTest::ClassStdDev(int decimals) const
{
    return Round(ClassStdDev(), decimals);
}

double CTest::ClassSampleStdDev() const
{
    const int n = StudentCount_;
    if (n <= 1) return 0;
    long double sum = 0;
    long double squares = 0;
    for (int j = 0; j < n; ++j) {
        const long double x = Students[j]->GetTotalScore();
        sum += x;
        squares += x * x;
    }
    const long double mean = sum / n;
    return RootOf(squares / (n - 1) - mean * mean * n / (n - 1));
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
    for (int j = 0; j < StudentCount_; ++j) sum += ParseMinSec(Students[j]->GetTimeLength());
    return ClampToInt(sum);
}

double CTest::ClassMeanTime() const
{
    if (StudentCount_ <= 0) return 0;
    return ClassTotalTime() / StudentCount_;
}

double CTest::ClassTimeStdDev() const
{
    const int n = StudentCount_;
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
    long long sum = 0;
    for (int j = 0; j < StudentCount_; ++j)
        for (int i = 0; i < Students[j]->AnswerCount(); ++i)
            if (const CStudRispo* answer = AnswerAt(Students[j], i)) sum += answer->GetTimeAns();
    return ClampToInt(sum);
}

int CTest::ExpectedAnswers()
{
    return ClampToInt(static_cast<long long>(AskedCount()) * StudentCount_);
}

int CTest::TimeByJudgement(TCorrect c) const
{
    long long sum = 0;
    for (int j = 0; j < StudentCount_; ++j)
        for (int i = 0; i < Students[j]->AnswerCount(); ++i) {
            const CStudRispo* answer = AnswerAt(Students[j], i);
            if (answer && answer->GetIsCorrect() == c) sum += answer->GetTimeAns();
        }
    return ClampToInt(sum);
}

int CTest::CountByJudgement(TCorrect c) const
{
    int count = 0;
    for (int j = 0; j < StudentCount_; ++j)
        for (int i = 0; i < Students[j]->AnswerCount(); ++i) {
            const CStudRispo* answer = AnswerAt(Students[j], i);
            if (answer && answer->GetIsCorrect() == c) count += 1;
        }
    return count;
}

int CTest::QuestionTimeByJudgement(TCorrect c, int q) const
{
    if (q < 0 || q >= QuestionCount_) return 0;
    long long sum = 0;
    for (int j = 0; j < StudentCount_; ++j) {
        const CStudRispo* answer = AnswerAt(Students[j], q);
        if (answer && answer->GetIsCorrect() == c) sum += answer->GetTimeAns();
    }
    return ClampToInt(sum);
}

int CTest::QuestionCountByJudgement(TCorrect c, int q) const
{
    if (q < 0 || q >= QuestionCount_) return 0;
    int count = 0;
    for (int j = 0; j < StudentCount_; ++j) {
        const CStudRispo* answer = AnswerAt(Students[j], q);
        if (answer && answer->GetIsCorrect() == c) count += 1;
    }
    return count;
}

int CTest::QuestionTime(int q) const
{
    if (q < 0 || q >= QuestionCount_) return 0;
    long long sum = 0;
    for (int j = 0; j < StudentCount_; ++j)
        if (const CStudRispo* answer = AnswerAt(Students[j], q)) sum += answer->GetTimeAns();
    return ClampToInt(sum);
}

int CTest::QuestionAnsweredCount(int q) const
{
    if (q < 0 || q >= QuestionCount_) return 0;
    int count = 0;
    for (int j = 0; j < StudentCount_; ++j) {
        const CStudRispo* answer = AnswerAt(Students[j], q);
        if (answer && answer->GetIsCorrect() != TCorrect::Disable) count += 1;
    }
    return count;
}

int CTest::QuestionSendBacks(int q) const
{
    if (q < 0 || q >= QuestionCount_) return 0;
    long long sum = 0;
    for (int j = 0; j < StudentCount_; ++j) {
        const CStudRispo* answer = AnswerAt(Students[j], q);
        if (answer && answer->GetIsCorrect() != TCorrect::Disable) sum += answer->GetNumSendBack();
    }
    return ClampToInt(sum);
}

// Orderings. Both are the same exchange sort, entry by entry, so that records
// equal in both keys always come out in the same places.

const int* CTest::SortByScore()
{
    const int n = StudentCount_;
    for (int i = 0; i < n; ++i) ScoreOrder[i] = i;
    for (int p = 0; p + 1 < n; ++p)
        for (int r = p + 1; r < n; ++r) {
            const CStudente* atP = Students[ScoreOrder[p]];
            const CStudente* atR = Students[ScoreOrder[r]];
            const float scoreP = atP->GetTotalScore();
            const float scoreR = atR->GetTotalScore();
            const bool first =
                scoreR > scoreP || (scoreR == scoreP && CompareNames(NameKey(atP), NameKey(atR)) > 0);
            if (first) std::swap(ScoreOrder[p], ScoreOrder[r]);
        }
    return ScoreOrder;
}

const int* CTest::SortByName()
{
    const int n = StudentCount_;
    for (int i = 0; i < n; ++i) NameOrder[i] = i;
    for (int p = 0; p + 1 < n; ++p)
        for (int r = p + 1; r < n; ++r) {
            const CStudente* atP = Students[NameOrder[p]];
            const CStudente* atR = Students[NameOrder[r]];
            const int names = CompareNames(NameKey(atP), NameKey(atR));
            const bool first = names > 0 || (names == 0 && atP->GetTotalScore() < atR->GetTotalScore());
            if (first) std::swap(NameOrder[p], NameOrder[r]);
        }
    return NameOrder;
}
