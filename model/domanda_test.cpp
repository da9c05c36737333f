#include "model/domanda.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "text/blocco.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

using Prepare = void (*)(CDomanda&);

void AddAnswers(CDomanda& q, std::vector<float> scores)
{
    for (float s : scores) {
        CRisposta a(q.GetErrors());
        a.SetScore(s);
        a.SetCorrect(s > 0);
        a.SetTextAns(CStringa("Risposta ") + CStringa(q.GetAnswerCount()));
        ASSERT_TRUE(q.AddAnswer(a));
    }
}

void FullChoice(CDomanda& q)
{
    q.SetTextQue("Capitale d'Italia?");
    q.SetEnableQue(0), q.SetScoreIfSkip(-0.5f), q.SetScoreIfLate(1.25f), q.SetScoreIfSendBack(2);
    q.SetTimeQue(90), q.SetHintMode(THint::List), q.SetClassQue("Storia"), q.SetImage("img\\Roma.bmp");
    AddAnswers(q, {2, -0.75f});
}

std::string Unscrambled(std::string text)
{
    for (char& c : text) c = c == '\n' ? c : ScrambleChar(c);
    return text;
}

class DomandaTest : public testing::Test, protected RecordedReports {
protected:
    std::string Written(const CDomanda& q, int scrambled = 0)
    {
        std::ostringstream out;
        q.Write(out, scrambled);
        return out.str();
    }

    int ReadContent(CDomanda& q, const std::string& content, int index = 0)
    {
        return q.Read(index, CBlocco(&errors, content.c_str()));
    }

    // As the loader does: the content of <Question>, comments removed.
    int ReadRecord(CDomanda& q, const std::string& record)
    {
        CBlocco content(&errors);
        unsigned open = 0, close = 0;
        EXPECT_EQ(GetTag(CBlocco(&errors, record.c_str()), "Question", content, 0, open, close), 0);
        StripComments(content);
        return q.Read(0, content);
    }

    int Apply(CDomanda& q, const char* list)
    {
        CParametro pairs[PARAM_CAPACITY];
        unsigned count = 0;
        ParseParams(list, pairs, count);
        return q.ApplyParQue(0, pairs, count);
    }
};

std::string Record(const std::string& type, const std::string& rest)
{
    return "<Question>\n<ParQue>\nEnableQue = Yes, ScoreIfSkip = 0, ScoreIfLate = 0, ScoreIfSendBack = 0, \n"
           "TimeQue = 0, TypeQue = " +
           type + ", HintMode = Natural, \nClassQue = \"\", Image = \"\", \n" + rest +
           "</ParQue>\n<TextQue>\n0\n</TextQue>\n</Question>\n";
}

TEST_F(DomandaTest, WritesTheParametersOfEachKind)
{
    const std::string choice = "Random = No, Selection = Single, TypeSel = Sign, AddTxtNum = ";
    const std::string scores = "ScoreIfOk = 3, \nScoreIfBad = 0, ScoreIfNear = 3\n";
    struct Row {
        Prepare prepare;
        std::string expected;
    };
    const Row rows[] = {
        {[](CDomanda&) {}, Record("MultipleAnswer", choice + "None")},
        {[](CDomanda& q) { q.SetRandom(1), q.SetSelection(TSel::Multiple), q.SetTypeSel(TTypeSel::YesNo); },
         Record("MultipleAnswer", "Random = Yes, Selection = Multiple, TypeSel = YesNo, AddTxtNum = None")},
        {[](CDomanda& q) {
             q.SetAddTxtNum(TAdd::Number), q.SetNumOk(2.5), q.SetPrecision(0.1), q.SetScoreIfBad(-1);
         },
         Record("MultipleAnswer", choice + "Number, \nNumOk = 2.5, Precision = 0.1, ScoreIfOk = 3, \n"
                                           "ScoreIfBad = -1, ScoreIfNear = 3\n")},
        {[](CDomanda& q) { q.SetAddTxtNum(TAdd::Text), q.SetTextOk("Roma"), q.SetPrecision(1.4); },
         Record("MultipleAnswer", choice + "Text, \nTextOk = \"Roma\", Precision = 1, " + scores)},
        {[](CDomanda& q) {
             q.SetTypeQue(TQue::SingleNumber), q.SetAddTxtNum(TAdd::Text), q.SetScoreIfNear(2);
         },
         Record("SingleNumber",
                "NumOk = 0, Precision = 0.001, ScoreIfOk = 3, \nScoreIfBad = 0, ScoreIfNear = 2\n")},
        {[](CDomanda& q) { q.SetTypeQue(TQue::SingleText), q.SetPrecision(2.5); },
         Record("SingleText", "TextOk = \"\", Precision = 3, " + scores)},
        {[](CDomanda& q) { q.SetTypeQue(TQue::SingleText), q.SetPrecision(-2.5); },
         Record("SingleText", "TextOk = \"\", Precision = -3, " + scores)},
        {[](CDomanda& q) { q.SetTypeQue(TQue::SortItem), q.SetAddTxtNum(TAdd::Number); },
         Record("SortItem", "")},
        {[](CDomanda& q) { q.SetTypeQue(TQue::AssociateWord); }, Record("AssociateWord", "")},
        {[](CDomanda& q) { q.SetTypeQue(TQue::FreeText); }, Record("FreeText", "")},
        {[](CDomanda& q) { q.SetTypeQue(TQue::Information); }, Record("Information", "")},
    };
    for (const Row& row : rows) {
        CDomanda q(&errors);
        row.prepare(q);
        EXPECT_EQ(Written(q), row.expected);
    }
}

TEST_F(DomandaTest, WritesCommonFieldsAndNumberedAnswers)
{
    CDomanda q(&errors);
    FullChoice(q);
    EXPECT_EQ(Written(q),
              "<Question>\n<ParQue>\n"
              "EnableQue = No, ScoreIfSkip = -0.5, ScoreIfLate = 1.25, ScoreIfSendBack = 2, \n"
              "TimeQue = 90, TypeQue = MultipleAnswer, HintMode = List, \n"
              "ClassQue = \"Storia\", Image = \"img\\Roma.bmp\", \n"
              "Random = No, Selection = Single, TypeSel = Sign, AddTxtNum = None</ParQue>\n"
              "<TextQue>\nCapitale d'Italia?\n</TextQue>\n"
              "<!--- risposta 1 --->\n<Answer>\n<ParAns>Score = 2, Correct = Yes</ParAns>\n"
              "<TextAns>Risposta 0</TextAns>\n</Answer>\n"
              "<!--- risposta 2 --->\n<Answer>\n<ParAns>Score = -0.75, Correct = No</ParAns>\n"
              "<TextAns>Risposta 1</TextAns>\n</Answer>\n</Question>\n");
}

TEST_F(DomandaTest, ScrambledWriteScramblesEveryLineAndKeepsTheQuestionPlain)
{
    CDomanda q(&errors);
    FullChoice(q);
    const std::string plain = Written(q);
    const std::string scrambled = Written(q, 1);
    EXPECT_EQ(scrambled.substr(0, 11), "?Dhrfgvba;\n");
    EXPECT_EQ(Unscrambled(scrambled), plain);
    EXPECT_EQ(Written(q), plain);
}

TEST_F(DomandaTest, WrittenQuestionsReadBackEqual)
{
    const Prepare prepares[] = {
        [](CDomanda&) {},
        [](CDomanda& q) {
            FullChoice(q), q.SetRandom(1), q.SetSelection(TSel::Multiple), q.SetTypeSel(TTypeSel::TrueFalse);
            q.SetHintMode(THint::NoHint), AddAnswers(q, {0.125f, 3, -1}),
                q.GetAnswer(3).SetTextAns("Due, \"tre\" = <b>");
        },
        [](CDomanda& q) {
            q.SetAddTxtNum(TAdd::Number), q.SetNumOk(-12.125), q.SetPrecision(0.25), q.SetScoreIfOk(5);
            q.SetScoreIfNear(1.5f), q.SetTypeSel(TTypeSel::YesNo), q.SetHintMode(THint::Casual);
        },
        [](CDomanda& q) { q.SetAddTxtNum(TAdd::Text), q.SetTextOk("Dante Alighieri"), q.SetPrecision(2); },
        [](CDomanda& q) {
            q.SetTypeQue(TQue::SingleNumber), q.SetNumOk(3.14159), q.SetPrecision(0.01), q.SetScoreIfOk(5);
            q.SetScoreIfBad(-1), q.SetScoreIfNear(2);
        },
        [](CDomanda& q) {
            q.SetTypeQue(TQue::SingleText), q.SetTextOk("Roma, caput = mundi"), q.SetPrecision(-1);
        },
        [](CDomanda& q) { q.SetTypeQue(TQue::FreeText), q.SetTimeQue(-3), AddAnswers(q, {4}); },
        [](CDomanda& q) { q.SetTypeQue(TQue::Information), q.SetTextQue("Leggi <b>bene</b>\nprima"); },
    };
    for (Prepare prepare : prepares) {
        CDomanda q(&errors), back(&errors);
        prepare(q);
        ASSERT_EQ(ReadRecord(back, Written(q)), 0) << Written(q);
        EXPECT_EQ(back, q) << Written(q);
    }
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(DomandaTest, DivideBlanksAndQuotesDoNotSurviveAWrite)
{
    CDomanda q(&errors), back(&errors);
    q.SetTypeQue(TQue::SingleText), q.SetDivide(0);
    q.SetTextQue("  Chi scrisse la Commedia?\n"), q.SetTextOk("Il \"sommo\" poeta");
    ASSERT_EQ(ReadRecord(back, Written(q)), 0);
    EXPECT_EQ(back.GetDivide(), 1);
    const CDomanda fresh(&errors);
    CDomanda undivided(&errors);
    undivided.SetDivide(0);
    EXPECT_FALSE(undivided == fresh);
    EXPECT_EQ(back.GetTextQue(), CStringa("Chi scrisse la Commedia?"));
    EXPECT_EQ(back.GetTextOk(), CStringa("Il "));
    EXPECT_EQ(back.GetPrecision(), 0.0);  // a text question's 0.001 is written as 0
}

TEST_F(DomandaTest, ScoreIfOkAlsoSetsScoreIfNearSoOrderMatters)
{
    CDomanda q(&errors);
    EXPECT_EQ(Apply(q, "ScoreIfNear = 1, ScoreIfOk = 2"), 0);
    EXPECT_EQ(q.GetScoreIfNear(), 2.0f);
    EXPECT_EQ(Apply(q, "ScoreIfOk = 2, ScoreIfNear = 1"), 0);
    EXPECT_EQ(q.GetScoreIfNear(), 1.0f);
    q.SetScoreIfOk(4);
    EXPECT_EQ(q.GetScoreIfNear(), 4.0f);
}

TEST_F(DomandaTest, ValuesIgnoreCaseButQuotedWordsNeverMatch)
{
    struct Row {
        const char* list;
        bool (*holds)(const CDomanda&);
    };
    const Row rows[] = {
        {"Selection = SINGLE", [](const CDomanda& q) { return q.GetSelection() == TSel::Single; }},
        {"Selection = \"single\"", [](const CDomanda& q) { return q.GetSelection() == TSel::Multiple; }},
        {"HintMode = x", [](const CDomanda& q) { return q.GetHintMode() == THint::NoHint; }},
        {"TypeQue = \"SingleText\"", [](const CDomanda& q) { return q.GetTypeQue() == TQue::Information; }},
        {"TypeSel = YESNO", [](const CDomanda& q) { return q.GetTypeSel() == TTypeSel::YesNo; }},
        {"Random = YES, EnableQue = \"Yes\"",
         [](const CDomanda& q) { return q.GetRandom() && !q.GetEnableQue(); }},
        {"ClassQue = \"Arte\", ClassQue = arte",
         [](const CDomanda& q) { return q.GetClassQue() == CStringa(""); }},
        {"Image = \"Foto A.BMP\"", [](const CDomanda& q) { return q.GetImage() == CStringa("Foto A.BMP"); }},
        {"TimeQue = 12.7, NumOk = 1,5",
         [](const CDomanda& q) { return q.GetTimeQue() == 12 && q.GetNumOk() == 1; }},
        {"Precision = abc, Divide = no",
         [](const CDomanda& q) { return q.GetPrecision() == 0 && !q.GetDivide(); }},
    };
    for (const Row& row : rows) {
        CDomanda q(&errors);
        EXPECT_EQ(Apply(q, row.list), 0) << row.list;
        EXPECT_TRUE(row.holds(q)) << row.list;
    }
}

TEST_F(DomandaTest, UnknownNameReports11OnceAndStopsBeforeTheText)
{
    CDomanda q(&errors);
    EXPECT_EQ(ReadContent(q, "<ParQue>Foo = 1, TimeQue = 7</ParQue><TextQue>T</TextQue>", 3),
              kUnknownQuestionParameter);
    ASSERT_EQ(recorder.codes, std::vector<int>{kUnknownQuestionParameter});
    EXPECT_EQ(recorder.messages[0], "Domanda 3 : nel tag <parque> parametro *foo* non riconosciuto");
    EXPECT_EQ(q.GetTimeQue(), 7);
    EXPECT_EQ(q.GetTextQue(), CStringa("0"));
}

TEST_F(DomandaTest, ReadFailuresReturnTheirCodeAndRestartTheAnswers)
{
    const std::string head = "<ParQue>TimeQue = 5</ParQue><TextQue>T</TextQue>";
    const struct {
        std::string content;
        int result;
        std::vector<int> reported;
        int answers;
    } rows[] = {
        {"<TextQue>T</TextQue>", kMissingOpeningTag, {kErrorLines, kMissingOpeningTag}, 0},
        {"<ParQue></ParQue><TextQue>T", kMissingClosingTag, {kErrorLines, kMissingClosingTag}, 0},
        {head + "<Answer><ParAns></ParAns><TextAns>a</TextAns>",
         kMissingClosingTag,
         {kErrorLines, kMissingClosingTag},
         0},
        {head + "<Answer><ParAns>Punti = 1</ParAns><TextAns>a</TextAns></Answer>",
         kUnknownAnswerParameter,
         {kUnknownAnswerParameter},
         1},
    };
    for (const auto& row : rows) {
        CDomanda q(&errors);
        AddAnswers(q, {1, 2});
        recorder.Clear();
        EXPECT_EQ(ReadContent(q, row.content), row.result) << row.content;
        EXPECT_EQ(recorder.codes, row.reported) << row.content;
        EXPECT_EQ(q.GetAnswerCount(), row.answers) << row.content;
    }
}

TEST_F(DomandaTest, ReadLoadsTwentyOfTwentyFiveAnswers)
{
    std::string content = "<ParQue></ParQue><TextQue>T</TextQue>";
    for (int i = 0; i < 25; ++i)
        content += "<Answer><ParAns>Score = " + std::to_string(i) + "</ParAns><TextAns>a</TextAns></Answer>";
    CDomanda q(&errors);
    EXPECT_EQ(ReadContent(q, content), 0);
    EXPECT_EQ(q.GetAnswerCount(), 20);
    EXPECT_EQ(q.GetAnswer(19).GetScore(), 19.0f);
}

TEST_F(DomandaTest, AddAnswerStopsAtTwenty)
{
    CDomanda q(&errors);
    AddAnswers(q, std::vector<float>(MAX_ANSWERS, 1));
    EXPECT_FALSE(q.AddAnswer(CRisposta(&errors)));
    EXPECT_EQ(q.GetAnswerCount(), MAX_ANSWERS);
}

TEST_F(DomandaTest, RemoveAnswerMovesTheRemovedObjectToTheEnd)
{
    CDomanda q(&errors);
    AddAnswers(q, {1, 2, 3});
    const CRisposta* first = &q.GetAnswer(0);
    q.RemoveAnswer(3), q.RemoveAnswer(-1), q.RemoveAnswer(0);
    ASSERT_EQ(q.GetAnswerCount(), 2);
    EXPECT_EQ(q.GetAnswer(0).GetScore(), 2.0f);
    EXPECT_EQ(q.GetAnswer(1).GetScore(), 3.0f);
    EXPECT_EQ(&q.GetAnswer(2), first);
}

TEST_F(DomandaTest, ClearAnswersKeepsTheirContents)
{
    CDomanda q(&errors);
    AddAnswers(q, {7});
    q.ClearAnswers();
    EXPECT_EQ(q, CDomanda(&errors));  // slots beyond the count are not compared
    ASSERT_TRUE(q.AddAnswer());
    EXPECT_EQ(q.GetAnswer(0).GetScore(), 7.0f);
}

TEST_F(DomandaTest, OrderIsIdentityOrAPermutation)
{
    CDomanda q(&errors);
    AddAnswers(q, {1, 2, 3, 4, 5});
    std::vector<int> shown;
    for (int p = 0; p < 5; ++p) shown.push_back(q.GetShownIndex(p));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4}));
    q.SetRandom(1);
    for (int p = 0; p < 5; ++p) shown[p] = q.GetShownIndex(p);
    EXPECT_EQ(&q.GetShownAnswer(0), &q.GetAnswer(shown[0]));
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(q.GetShownIndex(5), -1);
}

// Every way a question gets its answers leaves a display order that shows
// each of them once: an order left behind would point at no answer.
TEST_F(DomandaTest, DisplayOrderFollowsEveryChangeOfTheAnswers)
{
    const std::string answers = "<Answer><ParAns></ParAns><TextAns>a</TextAns></Answer>";
    using Change = std::function<void(CDomanda&)>;
    const struct {
        const char* what;
        Change change;
        int count;
    } rows[] = {
        {"read",
         [&](CDomanda& q) {
             ReadContent(q,
                         "<ParQue>Random = Yes</ParQue><TextQue>t</TextQue>" + answers + answers + answers);
         },
         3},
        {"assigned",
         [&](CDomanda& q) {
             CDomanda other(&errors);
             AddAnswers(other, {1, 2, 3, 4});
             other.SetRandom(1);
             q = other;
         },
         4},
        {"random set", [](CDomanda& q) { q.SetRandom(1); }, 5},
        {"answer removed", [](CDomanda& q) { q.RemoveAnswer(0); }, 4},
    };
    for (const auto& row : rows) {
        CDomanda q(&errors);
        AddAnswers(q, {1, 2, 3, 4, 5});
        row.change(q);
        std::vector<int> shown;
        for (int p = 0; p < q.GetAnswerCount(); ++p) shown.push_back(q.GetShownIndex(p));
        std::sort(shown.begin(), shown.end());
        std::vector<int> every(row.count);
        std::iota(every.begin(), every.end(), 0);
        EXPECT_EQ(shown, every) << row.what;
    }
}

TEST_F(DomandaTest, AssignmentCopiesValuesIntoOwnAnswers)
{
    CDomanda source(&errors), target(nullptr);
    FullChoice(source);
    source.SetDivide(0);
    const CRisposta* own = &target.GetAnswer(0);
    target = source;
    EXPECT_EQ(target, source);
    EXPECT_EQ(&target.GetAnswer(0), own);
    EXPECT_EQ(CDomanda(source), source);
    target.GetAnswer(1).SetTextAns("altro");
    EXPECT_NE(target, source);
}

TEST_F(DomandaTest, ScoreBoundsAndChanceStatistics)
{
    const struct {
        Prepare prepare;
        float max, min;
        double mean, variance;
    } rows[] = {
        {[](CDomanda& q) {
             AddAnswers(q, {-1, -2});
         },
         0, -2, -1.5, 0.25},
        {[](CDomanda& q) {
             AddAnswers(q, {2, -1, -3});
         },
         2, -3, -2.0 / 3, 114.0 / 27},
        {[](CDomanda& q) {
             q.SetSelection(TSel::Multiple), AddAnswers(q, {2, -1, -3, 1});
         },
         3, -4, -0.25, 3.6875},
        {[](CDomanda& q) { q.SetSelection(TSel::Multiple); }, 0, 0, 0, 0},
        {[](CDomanda& q) { q.SetTypeQue(TQue::SingleNumber), q.SetScoreIfOk(5), q.SetScoreIfBad(-1); }, 5, -1,
         -1, 0},
        {[](CDomanda& q) { q.SetTypeQue(TQue::SingleText), q.SetScoreIfOk(-2), q.SetScoreIfBad(1); }, 1, -2,
         1, 0},
        {[](CDomanda& q) { q.SetTypeQue(TQue::FreeText), AddAnswers(q, {4}); }, 0, 0, 0, 0},
    };
    for (const auto& row : rows) {
        CDomanda q(&errors);
        row.prepare(q);
        EXPECT_EQ(q.MaxScore(), row.max) << row.mean;
        EXPECT_EQ(q.MinScore(), row.min) << row.mean;
        EXPECT_DOUBLE_EQ(q.MeanScore(), row.mean);
        EXPECT_DOUBLE_EQ(q.ScoreVariance(), row.variance) << row.mean;
    }
}

}  // namespace

}  // namespace quadrivo
