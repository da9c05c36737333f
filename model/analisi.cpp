// The item analysis of a questionnaire over its students' records.

#include "model/analisi.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"

namespace quadrivo {

const ItemFlagName kItemFlagNames[kItemFlagCount] = {
    {kTooEasy, "troppo facile"},
    {kTooHard, "troppo difficile"},
    {kLowDiscrimination, "poco discriminante"},
    {kNegativeDiscrimination, "discrimina al contrario"},
};

const JudgementName kJudgementNames[kJudgementKinds] = {
    {TCorrect::Yes, "Esatta", "Esatte"},          {TCorrect::Nearly, "Quasi esatta", "Quasi esatte"},
    {TCorrect::No, "Errata", "Errate"},           {TCorrect::Skip, "Saltata", "Saltate"},
    {TCorrect::Late, "In ritardo", "In ritardo"}, {TCorrect::Disable, "Non data", "Non date"},
};

std::string ItemFlagsText(unsigned flags)
{
    std::string text;
    for (const ItemFlagName& name : kItemFlagNames) {
        if (!(flags & name.flag)) continue;
        if (!text.empty()) text += ", ";
        text += name.text;
    }
    return text;
}

namespace {

// The answer of a record to question q, or null when it holds none there. A
// record with an error code would hand back its answer 0 for every index.
const CStudRispo* AnswerOf(CStudente& student, int q)
{
    if (student.Error() != 0 || q < 0 || q >= student.AnswerCount()) return nullptr;
    return student.Answer(q);
}

const CStudRispo* ValidAnswerOf(CStudente& student, int q)
{
    const CStudRispo* answer = AnswerOf(student, q);
    return answer && answer->GetIsValid() ? answer : nullptr;
}

bool AllEqual(const std::vector<double>& values)
{
    return std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); });
}

double Mean(const std::vector<double>& values)
{
    long double sum = 0;
    for (double v : values) sum += v;
    return static_cast<double>(sum / values.size());
}

// The sample variance (n - 1), taken in two passes; the caller has at least
// two values.
double SampleVariance(const std::vector<double>& values)
{
    const double mean = Mean(values);
    long double sum = 0;
    for (double v : values) sum += (v - mean) * (v - mean);
    return static_cast<double>(sum / (values.size() - 1));
}

// The Pearson correlation of x and y, empty when either has no spread or
// there are fewer than two pairs.
std::optional<double> Correlation(const std::vector<double>& x, const std::vector<double>& y)
{
    if (x.size() < 2 || AllEqual(x) || AllEqual(y)) return std::nullopt;
    const double mx = Mean(x);
    const double my = Mean(y);
    long double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    if (!(sxx > 0) || !(syy > 0)) return std::nullopt;
    const double r = static_cast<double>(sxy / std::sqrt(sxx * syy));
    // Rounding can carry a perfect correlation a hair beyond 1, and leave a
    // few ulps of sign on none at all, which would flag the question as
    // discriminating the wrong way.
    if (std::fabs(r) < 1e-12) return 0.0;
    return std::clamp(r, -1.0, 1.0);
}

// Scores come from files: a value the arithmetic cannot use undefines the
// figure instead of spreading NaN.
std::optional<double> Finite(double x)
{
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

unsigned FlagsOf(const CAnalisiDomanda& item)
{
    unsigned flags = 0;
    if (item.facility && *item.facility > 90) flags |= kTooEasy;
    if (item.facility && *item.facility < 20) flags |= kTooHard;
    if (item.discrimination && *item.discrimination < 20) flags |= kLowDiscrimination;
    if (item.discrimination && *item.discrimination < 0) flags |= kNegativeDiscrimination;
    return flags;
}

CAnalisiDomanda AnalyseQuestion(CTest& test, int q)
{
    const CDomanda& question = *test.GetQuestion(q);
    CAnalisiDomanda item;
    item.question = q;
    item.minScore = question.MinScore();
    item.maxScore = question.MaxScore();
    const bool choice = question.GetTypeQue() == TQue::MultipleAnswer;
    if (choice) item.choiceCounts.assign(question.GetAnswerCount(), 0);

    std::vector<double> points, rest;
    for (int s = 0; s < test.StudentCount(); ++s) {
        CStudente& student = *test.GetStudent(s);
        const CStudRispo* answer = AnswerOf(student, q);
        const TCorrect judgement = answer ? answer->GetIsCorrect() : TCorrect::Disable;
        const int kind = static_cast<int>(judgement);
        item.judgements[kind >= 0 && kind < kJudgementKinds ? kind : static_cast<int>(TCorrect::Disable)] +=
            1;
        if (!answer || !answer->GetIsValid()) continue;

        const double x = answer->GetScore();
        points.push_back(x);
        rest.push_back(static_cast<double>(student.GetTotalScore()) - x);
        item.sendBacks += answer->GetNumSendBack();
        if (answer->GetNumSendBack() > 0) item.studentsPuttingOff += 1;
        if (choice)
            for (int i = 0; i < static_cast<int>(item.choiceCounts.size()); ++i)
                if (answer->GetChoice(i)) item.choiceCounts[i] += 1;
    }

    item.validAnswers = static_cast<int>(points.size());
    if (!points.empty()) {
        const double mean = Mean(points);
        item.meanScore = Finite(mean);
        const double range = static_cast<double>(item.maxScore) - item.minScore;
        if (range > 0) item.facility = Finite(100 * (mean - item.minScore) / range);
    }
    if (points.size() >= 2) item.stdDev = Finite(std::sqrt(SampleVariance(points)));
    if (const auto r = Correlation(points, rest)) item.discrimination = Finite(100 * *r);
    item.flags = FlagsOf(item);
    return item;
}

// Alpha over the records that answered every analysed question; T is the
// sum of their points, not the stored total, so that both sides of the
// formula see the same numbers.
void AnalyseReliability(CTest& test, CAnalisi& analysis)
{
    const std::size_t k = analysis.items.size();
    std::vector<std::vector<double>> points(k);
    std::vector<double> totals;
    for (int s = 0; s < test.StudentCount(); ++s) {
        CStudente& student = *test.GetStudent(s);
        std::vector<double> row;
        for (const CAnalisiDomanda& item : analysis.items) {
            const CStudRispo* answer = ValidAnswerOf(student, item.question);
            if (!answer) break;
            row.push_back(answer->GetScore());
        }
        if (row.size() != k || k == 0) continue;
        long double total = 0;
        for (std::size_t i = 0; i < k; ++i) {
            points[i].push_back(row[i]);
            total += row[i];
        }
        totals.push_back(static_cast<double>(total));
    }
    analysis.completeStudents = static_cast<int>(totals.size());
    if (k < 2 || totals.size() < 2 || AllEqual(totals)) return;

    const double totalVariance = SampleVariance(totals);
    if (!(totalVariance > 0)) return;
    long double itemVariances = 0;
    for (const auto& column : points) itemVariances += SampleVariance(column);
    const double kk = static_cast<double>(k);
    const auto alpha = Finite(kk / (kk - 1) * (1 - static_cast<double>(itemVariances) / totalVariance));
    if (!alpha) return;
    analysis.alpha = alpha;
    // Alpha cannot exceed 1; rounding must not leave a negative radicand.
    analysis.sem = Finite(std::sqrt(totalVariance) * std::sqrt(std::max(0.0, 1 - *alpha)));
}

void CountScores(CTest& test, CAnalisi& analysis)
{
    const double low = test.TestMinScore();
    const double high = test.TestMaxScore();
    const int bins = static_cast<int>(analysis.bins.size());
    analysis.binLow = low;
    analysis.binWidth = high > low ? (high - low) / bins : 0;
    for (int s = 0; s < test.StudentCount(); ++s) {
        const double x = test.GetStudent(s)->GetTotalScore();
        if (!std::isfinite(x)) continue;
        int bin = 0;
        if (analysis.binWidth > 0) {
            const double position = std::floor((x - low) / analysis.binWidth);
            bin = static_cast<int>(std::clamp(position, 0.0, static_cast<double>(bins - 1)));
        }
        analysis.bins[bin] += 1;
    }
}

}  // namespace

CAnalisi AnalyseItems(CTest& test)
{
    CAnalisi analysis;
    analysis.students = test.StudentCount();
    for (int q = 0; q < test.QuestionCount(); ++q)
        if (test.GetQuestion(q)->GetEnableQue()) analysis.items.push_back(AnalyseQuestion(test, q));
    AnalyseReliability(test, analysis);
    CountScores(test, analysis);
    return analysis;
}

std::optional<double> Share(int count, int total)
{
    if (total <= 0) return std::nullopt;
    return 100.0 * count / total;
}

}  // namespace quadrivo
