// Judging a student's reply to one question, for the test runner and for
// results typed in from paper.

#include "model/giudizio.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/domanda.h"

namespace quadrivo {

namespace {

// Two numbers this close count as the same number: the file keeps NumOk with
// six decimals, and a reply typed in full must still match it.
constexpr double kSameNumber = 1e-9;

bool SameNumber(double x, double y)
{
    return std::fabs(x - y) <= kSameNumber * std::max(std::fabs(x), std::fabs(y));
}

CStringa Normalised(const CStringa& text)
{
    CStringa t = Lower(text);
    t.Trim();
    return t;
}

bool NothingGiven(const CDomanda& q, const CReplica& reply)
{
    if (q.GetTypeQue() == TQue::MultipleAnswer) {
        for (int i = 0; i < q.GetAnswerCount(); ++i)
            if (reply.Marked[i]) return false;
        return true;
    }
    return Normalised(reply.Typed).Length() == 0;
}

CGiudizio JudgeChoices(const CDomanda& q, const CReplica& reply)
{
    CGiudizio result{TCorrect::No, 0};
    bool sameSet = true;
    bool anyCorrect = false;
    for (int i = 0; i < q.GetAnswerCount(); ++i) {
        const CRisposta& answer = q.GetAnswer(i);
        const bool correct = answer.IsCorrect() != 0;
        if (reply.Marked[i]) {
            result.Score += answer.GetScore();
            anyCorrect = anyCorrect || correct;
        }
        sameSet = sameSet && reply.Marked[i] == correct;
    }
    if (q.GetSelection() == TSel::Single)
        result.Judgement = anyCorrect ? TCorrect::Yes : TCorrect::No;
    else if (sameSet)
        result.Judgement = TCorrect::Yes;
    else if (anyCorrect)
        result.Judgement = TCorrect::Nearly;
    return result;
}

CGiudizio JudgeNumber(const CDomanda& q, const CReplica& reply)
{
    double x = 0;
    if (!ReadTypedNumber(reply.Typed, &x)) return {TCorrect::No, q.GetScoreIfBad()};
    if (SameNumber(x, q.GetNumOk())) return {TCorrect::Yes, q.GetScoreIfOk()};
    if (std::fabs(x - q.GetNumOk()) <= q.GetPrecision()) return {TCorrect::Nearly, q.GetScoreIfNear()};
    return {TCorrect::No, q.GetScoreIfBad()};
}

CGiudizio JudgeText(const CDomanda& q, const CReplica& reply)
{
    const CStringa given = Normalised(reply.Typed);
    const CStringa expected = Normalised(q.GetTextOk());
    if (given == expected) return {TCorrect::Yes, q.GetScoreIfOk()};
    // A text question's tolerance is kept as a whole number of edits.
    const double precision = std::round(q.GetPrecision());
    const int limit = precision < 1 ? 0 : static_cast<int>(std::min(precision, 1e6));
    if (limit > 0 && EditDistance(given, expected, limit) <= limit)
        return {TCorrect::Nearly, q.GetScoreIfNear()};
    return {TCorrect::No, q.GetScoreIfBad()};
}

}  // namespace

bool IsJudgedKind(TQue type)
{
    return type == TQue::MultipleAnswer || type == TQue::SingleNumber || type == TQue::SingleText;
}

bool ReadTypedNumber(const CStringa& text, double* x)
{
    if (!text.IsOk()) return false;
    std::string s(text.CStr(), text.Length());
    std::replace(s.begin(), s.end(), ',', '.');
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    s = s.substr(first, s.find_last_not_of(" \t") - first + 1);
    // Only plain decimals: strtod would also take hexadecimals, "inf" and
    // "nan", which nobody types as an answer.
    if (s.find_first_not_of("0123456789.+-eE") != std::string::npos) return false;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0' || errno == ERANGE || !std::isfinite(value)) return false;
    *x = value;
    return true;
}

int EditDistance(const CStringa& a, const CStringa& b, int limit)
{
    limit = std::max(limit, 0);
    const int n = static_cast<int>(a.Length());
    const int m = static_cast<int>(b.Length());
    if (std::abs(n - m) > limit) return limit + 1;
    // Two rows of the usual table, and only the cells within limit of the
    // diagonal: a cell further out already costs more than limit.
    const int far = limit + 1;
    std::vector<int> previous(m + 1), current(m + 1);
    for (int j = 0; j <= m; ++j) previous[j] = std::min(j, far);
    for (int i = 1; i <= n; ++i) {
        const int from = std::max(1, i - limit);
        const int to = std::min(m, i + limit);
        std::fill(current.begin(), current.end(), far);
        current[0] = std::min(i, far);
        int best = current[0];
        for (int j = from; j <= to; ++j) {
            const int substitution = previous[j - 1] + (*a.At(i - 1) == *b.At(j - 1) ? 0 : 1);
            current[j] = std::min({substitution, previous[j] + 1, current[j - 1] + 1, far});
            best = std::min(best, current[j]);
        }
        if (best > limit) return far;
        previous.swap(current);
    }
    return std::min(previous[m], far);
}

CGiudizio Judge(const CDomanda& q, const CReplica& reply, bool late)
{
    if (!IsJudgedKind(q.GetTypeQue())) return {TCorrect::Disable, 0};
    if (reply.Skipped) return {TCorrect::Skip, q.GetScoreIfSkip()};
    if (late) return {TCorrect::Late, q.GetScoreIfLate()};
    if (NothingGiven(q, reply)) return {TCorrect::Skip, q.GetScoreIfSkip()};
    switch (q.GetTypeQue()) {
        case TQue::MultipleAnswer:
            return JudgeChoices(q, reply);
        case TQue::SingleNumber:
            return JudgeNumber(q, reply);
        default:
            return JudgeText(q, reply);
    }
}

CGiudizio RecordReply(const CDomanda& q, const CReplica& reply, bool late, CStudRispo& answer)
{
    const CGiudizio result = Judge(q, reply, late);
    answer.SetIsValid(1);
    answer.PutTypeQue(q.GetTypeQue());
    switch (q.GetTypeQue()) {
        case TQue::MultipleAnswer: {
            const int count = std::min(q.GetAnswerCount(), MAX_STUDENT_CHOICES);
            answer.PutStNumRisp(count);
            for (int p = 0; p < count; ++p) answer.PutStRndRisp(q.GetShownIndex(p), p);
            for (int i = 0; i < count; ++i) answer.PutChoice(i, reply.Marked[i] ? 1 : 0);
            break;
        }
        case TQue::SingleNumber:
        case TQue::SingleText: {
            // A number is kept as typed too: the student file holds the text and
            // reads the number back from it.
            CStringa typed = reply.Typed;
            typed.Trim();
            answer.PutLineAns(typed);
            double x = 0;
            if (q.GetTypeQue() == TQue::SingleNumber && ReadTypedNumber(typed, &x)) answer.PutNumber(x);
            break;
        }
        default:
            break;
    }
    answer.SetIsCorrect(result.Judgement);
    answer.AddScore(result.Score);
    return result;
}

}  // namespace quadrivo
