#include "model/giudizio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/domanda.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

// Answers with these points; those above 0 are the correct ones.
CDomanda Choices(TSel selection, std::vector<float> points)
{
    CDomanda q(nullptr);
    q.SetSelection(selection);
    q.SetScoreIfSkip(-0.25f);
    q.SetScoreIfLate(-0.5f);
    for (float p : points) {
        CRisposta a(nullptr);
        a.SetScore(p);
        a.SetCorrect(p > 0);
        q.AddAnswer(a);
    }
    return q;
}

CDomanda Number()
{
    CDomanda q(nullptr);
    q.SetTypeQue(TQue::SingleNumber);
    q.SetNumOk(650.5);
    q.SetPrecision(0.5);
    q.SetScoreIfOk(3);
    q.SetScoreIfNear(2);
    q.SetScoreIfBad(-1);
    return q;
}

CDomanda Text(double precision)
{
    CDomanda q(nullptr);
    q.SetTypeQue(TQue::SingleText);
    q.SetTextOk("  Cagliari ");
    q.SetPrecision(precision);
    q.SetScoreIfOk(3);
    q.SetScoreIfNear(1.5f);
    q.SetScoreIfBad(-1);
    q.SetScoreIfSkip(-0.25f);
    return q;
}

CReplica Marks(std::vector<int> marked)
{
    CReplica r;
    for (int i : marked) r.Marked[i] = true;
    return r;
}

CReplica Typed(const char* text)
{
    CReplica r;
    r.Typed = text;
    return r;
}

CReplica Skipped()
{
    CReplica r;
    r.Skipped = true;
    return r;
}

CDomanda OfKind(TQue type)
{
    CDomanda q(nullptr);
    q.SetTypeQue(type);
    q.SetScoreIfSkip(-1);
    return q;
}

TEST(JudgeTest, EachKindByItsRules)
{
    const CDomanda single = Choices(TSel::Single, {-1, 2, 0.5f});
    const CDomanda multiple = Choices(TSel::Multiple, {1, -1, 2, 0});
    const CDomanda number = Number();
    const CDomanda exactText = Text(0.001);
    const CDomanda tolerantText = Text(2);
    const CDomanda sortItems = OfKind(TQue::SortItem), words = OfKind(TQue::AssociateWord);
    const CDomanda freeText = OfKind(TQue::FreeText), information = OfKind(TQue::Information);
    struct Row {
        const char* what;
        const CDomanda& q;
        CReplica reply;
        bool late;
        TCorrect judgement;
        float score;
    };
    const Row rows[] = {
        {"single, correct answer", single, Marks({1}), false, TCorrect::Yes, 2},
        {"single, another correct answer", single, Marks({2}), false, TCorrect::Yes, 0.5f},
        {"single, wrong answer", single, Marks({0}), false, TCorrect::No, -1},
        {"single, nothing marked", single, Marks({}), false, TCorrect::Skip, -0.25f},
        {"multiple, the correct set", multiple, Marks({0, 2}), false, TCorrect::Yes, 3},
        {"multiple, part of it", multiple, Marks({2}), false, TCorrect::Nearly, 2},
        {"multiple, a correct and a wrong", multiple, Marks({0, 1, 2}), false, TCorrect::Nearly, 2},
        {"multiple, only wrong ones", multiple, Marks({1, 3}), false, TCorrect::No, -1},
        {"multiple, late", multiple, Marks({0, 2}), true, TCorrect::Late, -0.5f},
        {"multiple, skipped", multiple, Skipped(), true, TCorrect::Skip, -0.25f},
        {"number, exact", number, Typed("650.5"), false, TCorrect::Yes, 3},
        {"number, comma", number, Typed(" 650,5 "), false, TCorrect::Yes, 3},
        {"number, within 1e-9 relative", number, Typed("650.50000000001"), false, TCorrect::Yes, 3},
        {"number, within precision", number, Typed("651"), false, TCorrect::Nearly, 2},
        {"number, beyond precision", number, Typed("651.01"), false, TCorrect::No, -1},
        {"number, not a number", number, Typed("650 metri"), false, TCorrect::No, -1},
        {"number, blank", number, Typed("   "), false, TCorrect::Skip, 0},
        {"text, another case and blanks", exactText, Typed(" CAGLIARI"), false, TCorrect::Yes, 3},
        {"text, one letter off, no tolerance", exactText, Typed("Cagliri"), false, TCorrect::No, -1},
        {"text, two edits within 2", tolerantText, Typed("Caglaiari"), false, TCorrect::Nearly, 1.5f},
        {"text, three edits beyond 2", tolerantText, Typed("Kaglaiary"), false, TCorrect::No, -1},
        {"text, empty", tolerantText, Typed(""), false, TCorrect::Skip, -0.25f},
        {"sort items are not judged", sortItems, Typed("x"), false, TCorrect::Disable, 0},
        {"associated words", words, Skipped(), false, TCorrect::Disable, 0},
        {"free text", freeText, Typed("x"), true, TCorrect::Disable, 0},
        {"information", information, Typed(""), false, TCorrect::Disable, 0},
    };
    for (const Row& row : rows) {
        const CGiudizio g = Judge(row.q, row.reply, row.late);
        EXPECT_EQ(g.Judgement, row.judgement) << row.what;
        EXPECT_FLOAT_EQ(g.Score, row.score) << row.what;
    }
}

TEST(JudgeTest, TypedNumbersAndEditDistances)
{
    struct Number {
        const char* text;
        bool ok;
        double value;
    };
    for (const Number& n : {Number{"3,25", true, 3.25}, Number{"-1e3", true, -1000}, Number{" 7 ", true, 7},
                            Number{"1,2,3", false, 0}, Number{"0x10", false, 0}, Number{"inf", false, 0},
                            Number{"1e999", false, 0}, Number{"", false, 0}}) {
        double x = 0;
        EXPECT_EQ(ReadTypedNumber(n.text, &x), n.ok) << n.text;
        if (n.ok) {
            EXPECT_DOUBLE_EQ(x, n.value) << n.text;
        }
    }
    struct Distance {
        const char* a;
        const char* b;
        int limit;
        int distance;
    };
    for (const Distance& d :
         {Distance{"kitten", "sitting", 5, 3}, Distance{"kitten", "sitting", 2, 3}, Distance{"", "abc", 9, 3},
          Distance{"roma", "roma", 0, 0}, Distance{"abcdef", "ab", 1, 2}, Distance{"flaw", "lawn", -4, 1}}) {
        EXPECT_EQ(EditDistance(d.a, d.b, d.limit), d.distance) << d.a << " " << d.b << " " << d.limit;
    }
}

TEST(JudgeTest, RecordedReplyKeepsWhatWasGivenAndAddsItsPoints)
{
    CDomanda q = Choices(TSel::Multiple, {1, -1, 2});
    CStudRispo answer(nullptr);
    answer.SetIsValid(1);
    answer.AddScore(-0.5f);  // a put-off earlier
    RecordReply(q, Marks({0, 2}), false, answer);
    EXPECT_EQ(answer.GetIsCorrect(), TCorrect::Yes);
    EXPECT_FLOAT_EQ(answer.GetScore(), 2.5f);
    ASSERT_EQ(answer.GetStNumRisp(), 3);
    EXPECT_EQ(answer.GetChoice(0) + answer.GetChoice(1) * 2 + answer.GetChoice(2) * 4, 5);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(answer.GetStRndRisp(q.GetShownIndex(p)), p);

    CStudRispo number(nullptr);
    RecordReply(Number(), Typed("651,25"), false, number);
    EXPECT_EQ(number.GetIsValid(), 1);
    EXPECT_EQ(number.GetTypeQue(), TQue::SingleNumber);
    EXPECT_DOUBLE_EQ(number.GetNumber(), 651.25);
    EXPECT_EQ(number.GetLineAns(), CStringa("651,25"));
    EXPECT_EQ(number.GetIsCorrect(), TCorrect::No);

    CStudRispo text(nullptr);
    RecordReply(Text(0), Typed(" Sassari "), true, text);
    EXPECT_EQ(text.GetLineAns(), CStringa("Sassari"));
    EXPECT_EQ(text.GetIsCorrect(), TCorrect::Late);
}

}  // namespace

}  // namespace quadrivo
