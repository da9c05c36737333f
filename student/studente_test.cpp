#include "student/studente.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "text/blocco.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

std::time_t FixedClock()
{
    return 1'700'000'000;
}

const std::string kStPar =
    "<StPar>NameTest = \"prova.tst\", NameStudent = \"Alunno 12\" ,\n"
    "TimeInit = \"x\" , TimeLength = \"y\" ,\nTotalScore = 7.5</StPar>\n";

class StudenteTest : public testing::Test, protected RecordedReports {
protected:
    void SetUp() override { previous_ = SetClock(FixedClock); }  // records compare equal
    void TearDown() override { SetClock(previous_); }

    int ReadBlock(CStudente& student, const std::string& text, int questionCount = 3)
    {
        return student.Read(CStringa("prova.tst"), questionCount, 4, CBlocco(&errors, text.c_str()));
    }

    ClockFunction previous_ = nullptr;
};

TEST_F(StudenteTest, StParLayoutReadsBackEqual)
{
    CStudente student(&errors, 3);
    student.SetNameStudent(CStringa("Alunno 12"));
    student.SetTimeInit(CStringa("x"));
    student.SetTimeLength(CStringa("y"));
    student.SetTotalScore(7.5f);
    std::ostringstream out;
    student.WriteStPar(out, CStringa("prova.tst"));
    EXPECT_EQ(out.str(), kStPar);

    CStudRispo* answer = student.Answer(2);
    answer->SetIDAns(2);
    answer->SetIsValid(1);
    answer->PutLineAns(CStringa("3,5"));
    answer->PutNumber(3.5);
    answer->Write(out);
    CStudente back(&errors);
    EXPECT_EQ(ReadBlock(back, out.str()), 0);
    EXPECT_EQ(back, student) << out.str();
}

TEST_F(StudenteTest, TestNameIsComparedByFileNameWithoutCase)
{
    const struct {
        const char* named;
        int result;
    } cases[] = {
        {"C:\\Tests\\PROVA.TST", 0}, {"/home/a/Prova.tst", 0}, {"altra.tst", 20}, {"C:\\prova.tst\\x", 20}};
    for (const auto& c : cases) {
        CStudente student(&errors);
        recorder.Clear();
        EXPECT_EQ(ReadBlock(student, std::string("<StPar>NameTest = \"") + c.named + "\"</StPar>"), c.result);
        EXPECT_EQ(student.AnswerCount(), c.result ? 0 : 3) << c.named;
    }
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Studente 4 con nome test \"C:\\prova.tst\\x\" errato"});
}

TEST_F(StudenteTest, BadStParLeavesNoAnswers)
{
    CStudente student(&errors, 2);
    EXPECT_EQ(ReadBlock(student, "<StPar>Classe = 3, NameStudent = \"Rossi\"</StPar>"),
              kUnknownStudentParameter);
    EXPECT_EQ(std::string(student.GetNameStudent().CStr()), "Rossi");
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Studente 4 : nel tag <stpar> parametro *classe* non riconosciuto"});
    EXPECT_EQ(student.AnswerCount(), 0);
    recorder.Clear();
    EXPECT_EQ(ReadBlock(student, "<Ans>IsValid = Yes</Ans>"), kMissingOpeningTag);
    EXPECT_EQ(recorder.codes, (std::vector<int>{kErrorLines, kMissingOpeningTag}));
    EXPECT_EQ(student.AnswerCount(), 0);
}

TEST_F(StudenteTest, AnswersArePlacedByIDAnsAndOutsidersDropped)
{
    CStudente student(&errors);
    EXPECT_EQ(
        ReadBlock(student, kStPar + "<Ans>IDAns = 2, IsValid = Yes</Ans><Ans>IDAns = 0, IsValid = Yes</Ans>"
                                    "<Ans>IDAns = 7, IsValid = Yes</Ans>"),
        0);
    EXPECT_EQ(student.Answer(0)->GetIsValid(), 1);
    EXPECT_EQ(*student.Answer(1), CStudRispo(&errors));
    EXPECT_EQ(student.Answer(2)->GetIsValid(), 1);
}

TEST_F(StudenteTest, WrittenAndOtherRecordsReadTogether)
{
    CStudRispo written(&errors);
    written.SetIDAns(2);
    written.SetIsValid(1);
    written.PutTypeQue(TQue::SingleText);
    written.PutLineAns(CStringa("risposta"));
    std::ostringstream out;
    written.Write(out);
    CStudente student(&errors);
    ASSERT_EQ(ReadBlock(student, kStPar + "<Ans>IsValid = No</Ans>" + out.str() +
                                     "<Ans>IDAns = 1, IsValid = YES</Ans>"),
              0);
    EXPECT_EQ(student.Answer(0)->GetIsCorrect(), TCorrect::Late);
    EXPECT_EQ(student.Answer(1)->GetIsValid(), 1);
    EXPECT_EQ(*student.Answer(2), written);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(StudenteTest, AnswerCountIsTheQuestionCountWhateverTheFileHolds)
{
    const std::string threeAnswers =
        "<Ans>IsValid = Yes</Ans><Ans>IsValid = Yes</Ans><Ans>IsValid = Yes</Ans>";
    const struct {
        int questionCount, expected;
    } cases[] = {{2, 2}, {5, 5}, {-1, 0}, {900, MAX_STUDENT_ANSWERS}};
    for (const auto& c : cases) {
        CStudente student(&errors);
        EXPECT_EQ(ReadBlock(student, kStPar + threeAnswers, c.questionCount), 0);
        EXPECT_EQ(student.AnswerCount(), c.expected) << c.questionCount;
    }
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(StudenteTest, ARecordReadOverAnotherKeepsNothingOfIt)
{
    CStudente student(&errors, 5);
    ASSERT_EQ(ReadBlock(student,
                        kStPar + "<Ans>IDAns = 0, IsValid = Yes, LineAns = \"a\"</Ans>"
                                 "<Ans>IDAns = 2, IsValid = Yes, Choice = X-</Ans>",
                        5),
              0);
    ASSERT_EQ(ReadBlock(student, kStPar + "<Ans>IDAns = 1, IsValid = Yes</Ans>", 2), 0);
    ASSERT_EQ(student.AnswerCount(), 2);
    EXPECT_EQ(*student.Answer(0), CStudRispo(&errors));
    EXPECT_EQ(student.Answer(1)->GetIsValid(), 1);
    ASSERT_EQ(ReadBlock(student, kStPar, 4), 0);
    ASSERT_EQ(student.AnswerCount(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(*student.Answer(i), CStudRispo(&errors)) << i;
}

TEST_F(StudenteTest, UnclosedAnswerEndsReadingWithSevenReported)
{
    CStudente student(&errors);
    EXPECT_EQ(ReadBlock(student, kStPar + "<Ans>IsValid = Yes</Ans><Ans>IDAns = 1"), kMissingClosingTag);
    EXPECT_EQ(student.Answer(0)->GetIsValid(), 1);
    EXPECT_EQ(recorder.codes, (std::vector<int>{kErrorLines, kMissingClosingTag}));
    EXPECT_EQ(recorder.messages[1], "Tag </Ans> errato");
}

TEST_F(StudenteTest, CopyOwnsItsAnswers)
{
    CStudente student(&errors, 2);
    CStudente copy(student);
    copy.Answer(1)->SetIsValid(1);
    EXPECT_NE(copy, student);
    EXPECT_EQ(student.Answer(1)->GetIsValid(), 0);
    copy = copy;
    student = copy;
    EXPECT_EQ(student, copy);
}

TEST_F(StudenteTest, CapacityIsEightHundredAnswers)
{
    CStudente student(&errors, MAX_STUDENT_ANSWERS + 1);
    EXPECT_EQ(student.Error(), kNoMemoryForStudentAnswer);
    EXPECT_EQ(student.AnswerCount(), MAX_STUDENT_ANSWERS);
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"Non ho memoria per allocare una risposta dello studente"});
    EXPECT_EQ(student.Answer(MAX_STUDENT_ANSWERS), student.Answer(0));
}

}  // namespace

}  // namespace quadrivo
