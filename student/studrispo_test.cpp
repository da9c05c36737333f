#include "student/studrispo.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "text/blocco.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

std::time_t FixedClock()
{
    return 1'700'000'000;
}

class StudRispoTest : public testing::Test, protected RecordedReports {
protected:
    void SetUp() override { previous_ = SetClock(FixedClock); }  // records compare equal
    void TearDown() override { SetClock(previous_); }

    static std::string Written(const CStudRispo& answer)
    {
        std::ostringstream out;
        out << std::fixed << std::setprecision(2);  // must not leak into the record
        answer.Write(out);
        return out.str();
    }
    int ReadText(CStudRispo& answer, const char* text, int number = 0)
    {
        return answer.Read(number, CBlocco(&errors, text));
    }
    CStudRispo Valid(TQue type)
    {
        CStudRispo answer(&errors);
        answer.SetIsValid(1);
        answer.PutTypeQue(type);
        return answer;
    }

    ClockFunction previous_ = nullptr;
};

TEST(TCorrectWords, ReadBackWithFallbacks)
{
    const char* words[] = {"No", "Yes", "Nearly", "Skip", "Late", "Disable"};
    for (int v = 0; v < 6; ++v) {
        EXPECT_EQ(Str(TCorrectText(static_cast<TCorrect>(v))), words[v]);
        EXPECT_EQ(TCorrectFromText(CStringa(words[v])), static_cast<TCorrect>(v)) << words[v];
    }
    EXPECT_EQ(TCorrectFromText(CStringa("LATE")), TCorrect::Late);
    EXPECT_EQ(TCorrectFromText(CStringa("maybe")), TCorrect::Disable);
    EXPECT_EQ(Str(TCorrectText(static_cast<TCorrect>(9))), "TCorrect_sconosciuto");
}

TEST_F(StudRispoTest, NewRecordWritesNothingAndSkippedOneWritesWithoutChoices)
{
    CStudRispo answer(&errors);
    EXPECT_EQ(Written(answer), "");
    answer.SetIsCorrect(TCorrect::Skip);
    EXPECT_EQ(Written(answer),
              "<Ans>IDAns = -1, IsValid = No, RndAns = -1, IsCorrect = Skip,\n"
              "TimeAns = 0, NumSendBack = 0, Score = 0, TypeQue = SingleNumber,\n"
              "LineAns = \"\"</Ans>\n");
}

TEST_F(StudRispoTest, MultipleAnswerLayout)
{
    CStudRispo answer = Valid(TQue::MultipleAnswer);
    answer.SetIDAns(4);
    answer.SetIsCorrect(TCorrect::Nearly);
    answer.TimeAns().SetElapsed(75);
    answer.IncNumSendBack();
    answer.AddScore(0.5f);
    answer.PutStNumRisp(3);
    const int marks[] = {1, 0, 1}, positions[] = {2, 0, 1};
    for (int i = 0; i < 3; ++i) {
        answer.PutChoice(i, marks[i]);
        answer.PutStRndRisp(i, positions[i]);
    }
    EXPECT_EQ(Written(answer),
              "<Ans>IDAns = 4, IsValid = Yes, RndAns = -1, IsCorrect = Nearly,\n"
              "TimeAns = 75, NumSendBack = 1, Score = 0.5, TypeQue = MultipleAnswer,\n"
              "LineAns = \"\", Choice = X-X, StRndRisp = 201</Ans>\n");

    CStudRispo back(&errors);
    const std::string text = Written(answer);
    EXPECT_EQ(ReadText(back, text.substr(5, text.rfind("</Ans>") - 5).c_str()), 0);
    EXPECT_EQ(back, answer);
}

TEST_F(StudRispoTest, LoneInvalidFlagIsReadAsLateAnswer)
{
    CBlocco file(&errors, "<Ans>IsValid = No</Ans>");
    CBlocco content(&errors);
    unsigned open = 0, close = 0;
    ASSERT_EQ(GetTag(file, CStringa("Ans"), content, 0, open, close), 0);
    CStudRispo answer(&errors);
    EXPECT_EQ(answer.Read(0, content), 0);
    EXPECT_EQ(answer.GetIsValid(), 0);
    EXPECT_EQ(answer.GetIsCorrect(), TCorrect::Late);
    // Only "yes", in any case, makes a record valid.
    for (const char* flag : {"1", "si", "\"Yes\""}) {
        CStudRispo other(&errors);
        ReadText(other, (std::string("IsValid = ") + flag).c_str());
        EXPECT_EQ(other.GetIsValid(), 0) << flag;
    }
    ReadText(answer, "IsValid = YES");
    EXPECT_EQ(answer.GetIsValid(), 1);
}

TEST_F(StudRispoTest, NumericAnswerAcceptsDecimalComma)
{
    CStudRispo answer(&errors);
    EXPECT_EQ(ReadText(answer, "IsValid = Yes, TypeQue = SingleNumber, LineAns = \"2,75\""), 0);
    EXPECT_DOUBLE_EQ(answer.GetNumber(), 2.75);
    EXPECT_EQ(Str(answer.GetLineAns()), "2,75");
}

// A record as Write lays it out is read directly, to the same record as the
// parameter list reader makes of it, which reports nothing on it; any other
// text is declined and changes nothing.
TEST_F(StudRispoTest, WrittenLayoutReadsAsTheParameterListReaderReadsIt)
{
    const std::string head =
        "IDAns = 3, IsValid = Yes, RndAns = -1, IsCorrect = Nearly,\n"
        "TimeAns = 75, NumSendBack = 1, Score = 0.5, TypeQue = ";
    const std::string noChoices = "MultipleAnswer,\nLineAns = \"\"";
    const struct {
        std::string text;
        bool direct;
    } cases[] = {
        {head + noChoices + ", Choice = X-X, StRndRisp = 2/z", true},
        {head + "SingleNumber,\nLineAns = \"2,75\"", true},
        {head + "SingleText,\nLineAns = \"a = b, <c>\"", true},
        {"IDAns = -2, IsValid = no, RndAns = 0, IsCorrect = LATE,\nTimeAns = 0, NumSendBack = 0, Score = -1, "
         "TypeQue = freetext,\nLineAns = \"\"",
         true},
        {head + noChoices + ", Choice = " + std::string(25, 'X') + ", StRndRisp = " + std::string(22, '7'),
         true},
        // Anything else goes to the parameter list reader.
        {"IsValid = No", false},
        {"IDAns = +3, IsValid = Yes", false},
        {head + "SingleText,\nLineAns = \"say \"hi\"\"", false},
        {head + noChoices + ", Choice = X X, StRndRisp = 01", false},
        {head + noChoices + ", Choice = XX, StRndRisp = 0=", false},
        {head + noChoices + ", Choice = XX, StRndRisp = 0A", false},
        {head + noChoices + ", Choice = XX, StRndRisp = 01, Extra = 1", false},
        {"IDAns = 3, IsValid = Yes, RndAns = -1, IsCorrect = Yes,\nTimeAns = 7, NumSendBack = 0, "
         "Score = 1e+06, TypeQue = SingleText,\nLineAns = \"\"",
         false},
    };
    for (const auto& c : cases) {
        CStudRispo direct(&errors);
        EXPECT_EQ(direct.ReadWritten(c.text), c.direct) << c.text;
        if (!c.direct) {
            EXPECT_EQ(direct, CStudRispo(&errors)) << c.text;
            continue;
        }
        CStudRispo general(&errors);
        recorder.Clear();
        EXPECT_EQ(ReadText(general, c.text.c_str(), 7), 0) << c.text;
        EXPECT_TRUE(recorder.codes.empty()) << c.text;
        EXPECT_EQ(direct, general) << c.text;
    }
}

TEST_F(StudRispoTest, ChoicesAreReadOneCharacterEachUpToTwenty)
{
    const struct {
        std::string choice, positions, marks;
    } cases[] = {{"X-x-", "3102", "X-X-"},
                 {std::string(25, 'x'), "0123456789012345678901234", std::string(20, 'X')}};
    for (const auto& c : cases) {
        const std::string text =
            "IsValid = Yes, TypeQue = MultipleAnswer, Choice = " + c.choice + ", StRndRisp = " + c.positions;
        CStudRispo answer(&errors);
        EXPECT_EQ(ReadText(answer, text.c_str()), 0);
        EXPECT_EQ(answer.GetStNumRisp(), static_cast<int>(c.marks.size()));
        EXPECT_NE(Written(answer).find("Choice = " + c.marks +
                                       ", StRndRisp = " + c.positions.substr(0, c.marks.size()) + "</Ans>"),
                  std::string::npos)
            << c.choice;
    }
}

// Positions 0..9 keep their digit; -1 and 10..19 take one character each
// that no reader could take for a delimiter, and all come back.
TEST_F(StudRispoTest, EveryChoicePositionTakesOneCharacterAndComesBack)
{
    CStudRispo answer = Valid(TQue::MultipleAnswer);
    ASSERT_EQ(answer.PutStNumRisp(MAX_STUDENT_CHOICES), 0);
    for (int k = 0; k < MAX_STUDENT_CHOICES; ++k) {
        ASSERT_EQ(answer.PutStRndRisp(k, k - 1), 0);
        ASSERT_EQ(answer.PutChoice(k, k % 3 == 0 ? 5 : 0), 0);
    }
    EXPECT_EQ(answer.GetChoice(0), 1);
    const std::string written = Written(answer);
    EXPECT_NE(written.find("StRndRisp = /0123456789abcdefghi</Ans>"), std::string::npos) << written;

    CStudRispo back(&errors);
    const std::string content = written.substr(5, written.size() - 5 - 7);  // without <Ans> and </Ans>\n
    ASSERT_EQ(ReadText(back, content.c_str()), 0);
    EXPECT_EQ(back, answer);
    answer.PutStRndRisp(19, 7);
    EXPECT_NE(back, answer);

    // Characters no writer puts there, as a quoted value brings them, read
    // as "not shown" rather than as positions that could not be written.
    CStudRispo quoted(&errors);
    ASSERT_EQ(ReadText(quoted, "IsValid = Yes, TypeQue = MultipleAnswer, StRndRisp = \"a,B-\""), 0);
    const int expected[] = {-1, 10, -1, -1, '-' - '0', -1};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(quoted.GetStRndRisp(k), expected[k]) << k;
}

TEST_F(StudRispoTest, UnknownNamesReport22AndOtherPairsApply)
{
    CStudRispo answer(&errors);
    EXPECT_EQ(ReadText(answer, "Foo = 1, Score = 2.5, TypeQue = Questionario, IsCorrect = maybe", 3),
              kUnknownAnsParameter);
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Studente 3 : nel tag <Ans> parametro *foo* non riconosciuto"});
    EXPECT_EQ(answer.GetTypeQue(), TQue::Information);
    EXPECT_EQ(answer.GetIsCorrect(), TCorrect::Disable);
    answer.SetIsValid(1);
    EXPECT_FLOAT_EQ(answer.GetScore(), 2.5f);
}

TEST_F(StudRispoTest, GuardedGettersAnswerZeroForInvalidRecord)
{
    CStudRispo answer(&errors);
    ASSERT_EQ(ReadText(answer, "TypeQue = MultipleAnswer, NumSendBack = 2, Choice = X, StRndRisp = 5"), 0);
    EXPECT_EQ(answer.GetChoice(0) + answer.GetStRndRisp(0) + answer.GetNumSendBack(), 0);
    answer.SetIsValid(1);
    EXPECT_EQ(answer.GetChoice(0) + answer.GetStRndRisp(0) + answer.GetNumSendBack(), 8);
}

TEST_F(StudRispoTest, StoredGettersShowAnInvalidRecordAsRead)
{
    CStudRispo answer(&errors);
    ASSERT_EQ(
        ReadText(answer, "TypeQue = SingleText, NumSendBack = 2, Score = -1.5, Choice = -X, StRndRisp = 51"),
        0);
    EXPECT_EQ(answer.StoredNumSendBack(), 2);
    EXPECT_EQ(answer.StoredScore(), -1.5f);
    EXPECT_EQ(answer.StoredChoice(1), 1);
    EXPECT_EQ(answer.StoredStRndRisp(0), 5);
    for (int outside : {-1, MAX_STUDENT_CHOICES})
        EXPECT_EQ(answer.StoredChoice(outside) + answer.StoredStRndRisp(outside), 0) << outside;
}

// Each row: a guarded setter on a record that must refuse it.
TEST_F(StudRispoTest, GuardedSettersRefuseReportAndChangeNothing)
{
    using Put = int (*)(CStudRispo&);
    const struct {
        int valid;
        TQue type;
        Put put;
        const char* field;
    } cases[] = {
        {0, TQue::MultipleAnswer, [](CStudRispo& a) { return a.IncNumSendBack(); }, "NumSendBack"},
        {0, TQue::MultipleAnswer, [](CStudRispo& a) { return a.AddScore(1); }, "Score"},
        {0, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutTypeQue(TQue::SingleText); }, "TypeQue"},
        {0, TQue::SingleNumber, [](CStudRispo& a) { return a.PutNumber(1); }, "Number"},
        {1, TQue::SingleText, [](CStudRispo& a) { return a.PutNumber(1); }, "Number"},
        {0, TQue::SingleText, [](CStudRispo& a) { return a.PutLineAns(CStringa("x")); }, "LineAns"},
        {1, TQue::SingleNumber, [](CStudRispo& a) { return a.PutStNumRisp(1); }, "StNumRisp"},
        {1, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutStNumRisp(21); }, "StNumRisp"},
        {1, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutStNumRisp(-1); }, "StNumRisp"},
        {0, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutChoice(0, 1); }, "Choice"},
        {1, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutChoice(2, 1); }, "Choice"},
        {1, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutChoice(-1, 1); }, "Choice"},
        {1, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutStRndRisp(2, 1); }, "PutStRndRisp"},
        {1, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutStRndRisp(0, 36); }, "PutStRndRisp"},
        {1, TQue::MultipleAnswer, [](CStudRispo& a) { return a.PutStRndRisp(0, -2); }, "PutStRndRisp"},
    };
    for (const auto& c : cases) {
        CStudRispo answer = Valid(c.type);
        answer.PutStNumRisp(2);
        answer.SetIsValid(c.valid);
        const CStudRispo before = answer;
        recorder.Clear();
        EXPECT_EQ(c.put(answer), kFieldNotWritable) << c.field;
        EXPECT_EQ(answer, before) << c.field;
        EXPECT_EQ(recorder.messages, std::vector<std::string>{std::string("Non posso scrivere *") + c.field +
                                                              "* nell'oggetto CStudRispo"});
    }
}

}  // namespace

}  // namespace quadrivo
