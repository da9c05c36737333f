// Loading questionnaires and student files through CTest.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "tstfile/testfiles_test.h"

namespace quadrivo {

namespace {

using Messages = std::vector<std::string>;

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

std::string Scrambled(std::string text)
{
    for (char& c : text) c = ScrambleChar(c);
    return text;
}

// A small questionnaire as another program might write it: several
// parameters to a line, answers on one line, accented letters in
// Windows-1252.
const std::string kCapitali =
    "<Test>\n"
    "<ParTest>Name = \"Capitali\", Random = Yes, Time = 10, ClassTest = \"3B\"</ParTest>\n"
    "<TextTest>Rispondi a tutte le domande.</TextTest>\n"
    "<Question>\n"
    "<ParQue>TypeQue = MultipleAnswer, Selection = Multiple, Image = \"italia.png\"</ParQue>\n"
    "<TextQue>Quali citt\xE0 sono capoluoghi di regione?</TextQue>\n"
    "<Answer><ParAns>Score = 1, Correct = Yes</ParAns><TextAns>Torino</TextAns></Answer>\n"
    "<Answer><ParAns>Score = -1, Correct = No</ParAns><TextAns>Pavia</TextAns></Answer>\n"
    "</Question>\n"
    "<Question>\n"
    "<ParQue>TypeQue = SingleNumber, NumOk = 1861, Precision = 0.5, ScoreIfOk = 2</ParQue>\n"
    "<TextQue>In che anno fu proclamato il Regno d'Italia?</TextQue>\n"
    "</Question>\n"
    "</Test>\n";

// The loaded test has no error and equals the expected one.
void ExpectLoadedEqual(const CTest& test, const CTest& expected)
{
    EXPECT_EQ(test.Error(), 0);
    EXPECT_TRUE(test == expected);
}

class CaricatoreTest : public testing::Test, protected RecordedReports {
protected:
    void Write(const std::string& name, const std::string& text) { WriteFile(dir + name, text); }

    std::unique_ptr<CTest> Load(const std::string& name) { return LoadTest(&errors, dir, name); }

    std::unique_ptr<CTest> LoadText(const std::string& text, const std::string& name = "quiz.tst")
    {
        return LoadTestText(&errors, dir, text, name);
    }

    TempFolder folder{"caricatore"};
    std::string dir = folder.Path() + "/";
};

TEST_F(CaricatoreTest, ReadsEveryRecordOfAPlainFile)
{
    const auto test = LoadText(kCapitali);
    ASSERT_EQ(test->Error(), 0) << testing::PrintToString(recorder.messages);
    EXPECT_EQ(test->IsScrambled(), 0);
    EXPECT_EQ(Str(test->GetParams().Name), "Capitali");
    EXPECT_EQ(test->GetParams().Random, 1);
    EXPECT_EQ(test->GetParams().Time, 10);
    EXPECT_EQ(Str(test->GetParams().TextTest), "Rispondi a tutte le domande.");
    ASSERT_EQ(test->QuestionCount(), 2);
    const CDomanda& choice = *test->GetQuestion(0);
    EXPECT_EQ(Str(choice.GetTextQue()), "Quali citt\xE0 sono capoluoghi di regione?");
    EXPECT_EQ(choice.GetSelection(), TSel::Multiple);
    EXPECT_EQ(Str(choice.GetImage()), "italia.png");
    ASSERT_EQ(choice.GetAnswerCount(), 2);
    EXPECT_EQ(Str(choice.GetAnswer(1).GetTextAns()), "Pavia");
    EXPECT_EQ(choice.GetAnswer(1).GetScore(), -1.0f);
    EXPECT_EQ(test->GetQuestion(1)->GetNumOk(), 1861.0);
    EXPECT_EQ(test->EnabledCount(), 2);  // the order was built
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CaricatoreTest, TagsAreMatchedInAnyCase)
{
    std::string variant = kCapitali;
    for (const auto& [from, to] :
         std::vector<std::pair<std::string, std::string>>{{"<Test>", "<test>"},
                                                          {"<ParTest>", "<PARTEST>"},
                                                          {"</ParTest>", "</partest>"},
                                                          {"<TextTest>", "<texttest>"},
                                                          {"<Question>", "<QUESTION>"},
                                                          {"</Question>", "</qUeStIoN>"},
                                                          {"<ParQue>", "<parque>"},
                                                          {"</TextQue>", "</TEXTQUE>"},
                                                          {"<Answer>", "<ANSWER>"},
                                                          {"</TextAns>", "</textans>"}})
        variant = Replaced(variant, from, to);
    const auto expected = LoadText(kCapitali, "a.tst");
    const auto test = LoadText(variant, "b.tst");
    ExpectLoadedEqual(*test, *expected);
}

TEST_F(CaricatoreTest, ScrambledFileLoadsLikeItsPlainForm)
{
    const auto plain = LoadText(kCapitali, "a.tst");
    const auto test = LoadText(Scrambled(kCapitali), "b.tst");
    ExpectLoadedEqual(*test, *plain);
    EXPECT_EQ(test->IsScrambled(), 1);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CaricatoreTest, PlainFileLeavesTheScrambledFlagAsItWas)
{
    Write("quiz.tst", kCapitali);
    CTest test(&errors);
    test.SetScrambled(1);
    test.SetPathName(CStringa((dir + "quiz").c_str()));
    EXPECT_EQ(test.Load(), 0);
    EXPECT_EQ(test.IsScrambled(), 1);
}

TEST_F(CaricatoreTest, TextOutsideTheSectionsIsIgnored)
{
    std::string noisy = "Questionario di prova, versione 2\n<!-- vecchio -->\n" + kCapitali;
    noisy = Replaced(noisy, "</ParTest>\n", "</ParTest>\nnote del docente\n<!--- commento --->\n");
    noisy = Replaced(noisy, "</Question>\n<Question>", "</Question>\n\n\taltro testo\n<Question>");
    noisy = Replaced(noisy, "</Test>\n", "fine senza tag di chiusura\n");
    const auto expected = LoadText(kCapitali, "a.tst");
    const auto test = LoadText(noisy, "b.tst");
    ExpectLoadedEqual(*test, *expected);
}

TEST_F(CaricatoreTest, MinimalFileGivesADefaultTest)
{
    const auto test = LoadText("<Test><ParTest></ParTest><TextTest></TextTest></Test>");
    EXPECT_EQ(test->Error(), 0);
    EXPECT_EQ(test->QuestionCount(), 0);
    EXPECT_TRUE(test->GetParams() == CParTest(&errors));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CaricatoreTest, EmptyFileIsTakenForAScrambledOneWithoutTest)
{
    const auto test = LoadText("");
    EXPECT_EQ(test->Error(), kMissingTag);
    EXPECT_EQ(test->IsScrambled(), 1);
    EXPECT_EQ(recorder.messages, (Messages{"Errore nelle linee 1 ... 1", "Tag <Test> errato"}));
}

TEST_F(CaricatoreTest, MissingFileIsNamedWithItsExtension)
{
    const auto test = Load("manca");
    EXPECT_EQ(test->Error(), kCannotRead);
    EXPECT_EQ(recorder.messages, Messages{"Problemi nella lettura del file \"" + dir + "manca.tst\""});
}

TEST_F(CaricatoreTest, FailedLoadClearsTheQuestionsButKeepsTheParameters)
{
    const auto test = LoadText(kCapitali);
    ASSERT_EQ(test->QuestionCount(), 2);
    test->SetPathName(CStringa((dir + "manca").c_str()));
    EXPECT_EQ(test->Load(), kCannotRead);
    EXPECT_EQ(test->QuestionCount(), 0);
    EXPECT_EQ(Str(test->GetParams().Name), "Capitali");
}

TEST_F(CaricatoreTest, StickyErrorStopsLoadingBeforeAnythingIsRead)
{
    const auto test = LoadText(kCapitali);
    test->SetError(10);
    test->SetPathName(CStringa((dir + "manca").c_str()));
    EXPECT_EQ(test->Load(), kUnknownTestParameter);
    EXPECT_EQ(test->LoadStudents(), kUnknownTestParameter);
    EXPECT_EQ(test->QuestionCount(), 2);
    EXPECT_TRUE(recorder.messages.empty());
}

// A malformed file: its result, its messages and how many questions stay.
struct BadFile {
    const char* what;
    std::string text;
    int code;
    Messages messages;
    int questions;
};

void PrintTo(const BadFile& file, std::ostream* out)
{
    *out << file.what;
}

const std::string kHead = "<Test>\n<ParTest>Name = \"x\"</ParTest>\n<TextTest>t</TextTest>\n";
const std::string kQuestion = "<Question><ParQue></ParQue><TextQue>q</TextQue></Question>\n";

class BadFileTest : public CaricatoreTest, public testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, ReportsWhatItFoundAndStops)
{
    const BadFile& file = GetParam();
    const auto test = LoadText(file.text);
    EXPECT_EQ(test->Error(), file.code);
    Messages expected = file.messages;
    for (std::string& message : expected) message = Replaced(message, "DIR/", dir);
    EXPECT_EQ(recorder.messages, expected);
    EXPECT_EQ(test->QuestionCount(), file.questions);
}

INSTANTIATE_TEST_SUITE_P(
    Loader, BadFileTest,
    testing::Values(BadFile{"no ParTest",
                            "<Test>\n<TextTest></TextTest>\n",
                            kMissingOpeningTag,
                            {"Errore nelle linee 1 ... 3", "Tag <partest> errato"},
                            0},
                    BadFile{"ParTest not closed",
                            "<Test>\n<ParTest>Name = \"x\"\n",
                            kMissingTag,
                            {"Errore nelle linee 1 ... 3", "Tag </partest> errato"},
                            0},
                    BadFile{"no TextTest",
                            "<Test>\n<ParTest></ParTest>\n",
                            kMissingOpeningTag,
                            {"Errore nelle linee 2 ... 3", "Tag <texttest> errato"},
                            0},
                    BadFile{"TextTest not closed",
                            "<Test><ParTest></ParTest>\n<TextTest>\nabc\n",
                            kMissingTag,
                            {"Errore nelle linee 1 ... 4", "Tag </texttest> errato"},
                            0},
                    BadFile{"unknown ParTest names",
                            "<Test><ParTest>Colour = red, Time = 5, Size = 2</ParTest>",
                            kUnknownTestParameter,
                            {"Nel tag <partest> parametro *colour* non riconosciuto",
                             "Nel tag <partest> parametro *size* non riconosciuto"},
                            0},
                    BadFile{"question not closed",
                            kHead + kQuestion + "<Question><ParQue></ParQue>\n",
                            kMissingTag,
                            {"Errore nelle linee 4 ... 6", "Tag </question> errato"},
                            1},
                    BadFile{"question section too long",
                            kHead + "<Question>" + std::string(MAX_SECTION_TEXT, ' ') + "</Question>",
                            kSectionTooLong,
                            {"Il file \"DIR/quiz.tst\" e' > di 8388608 byte"},
                            0},
                    BadFile{"unknown ParQue name stops the loading",
                            kHead + kQuestion + "<Question><ParQue>Foo = 1</ParQue></Question>\n" + kQuestion,
                            kUnknownQuestionParameter,
                            {"Domanda 1 : nel tag <parque> parametro *foo* non riconosciuto"},
                            2},
                    BadFile{"question without TextQue",
                            kHead + "\n<Question><ParQue></ParQue></Question>",
                            kMissingOpeningTag,
                            {"Errore nelle linee 3 ... 5", "Tag <textque> errato"},
                            1},
                    BadFile{"unknown ParAns name",
                            kHead + "<Question><ParQue></ParQue><TextQue>q</TextQue><Answer><ParAns>Punti = 2"
                                    "</ParAns><TextAns>a</TextAns></Answer></Question>",
                            kUnknownAnswerParameter,
                            {"Risposta 0 : nel tag <parans> parametro *punti* non riconosciuto"},
                            1}));

// The message of a too long section names the file, which lives in the
// fixture's directory.
TEST_F(CaricatoreTest, TooLongParametersNameTheFile)
{
    const auto test = LoadText("<Test><ParTest>" + std::string(MAX_SECTION_TEXT, ' ') + "</ParTest>");
    EXPECT_EQ(test->Error(), kSectionTooLong);
    EXPECT_EQ(recorder.messages, Messages{"Il file \"" + dir + "quiz.tst\" e' > di 8388608 byte"});
}

// A file cut between two sections loads, but the teacher learns that it may
// lack its last questions.
TEST_F(CaricatoreTest, FileWithoutItsClosingTagLoadsWithAWarning)
{
    const auto test = LoadText(kHead + kQuestion + "</Test >");
    EXPECT_EQ(test->Error(), 0);
    EXPECT_EQ(test->QuestionCount(), 1);
    EXPECT_EQ(recorder.messages, Messages{"Il file \"" + dir +
                                          "quiz.tst\" non termina con </Test>: potrebbe essere incompleto"});
    recorder.Clear();
    EXPECT_EQ(LoadText(kHead + kQuestion + "</test>\nfine")->QuestionCount(), 1);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(CaricatoreTest, OnlyTheFirst800QuestionsAreLoaded)
{
    std::string text = kHead;
    for (int i = 0; i < MAX_QUESTIONS + 1; ++i) text += kQuestion;
    const auto test = LoadText(text);
    EXPECT_EQ(test->Error(), 0);
    EXPECT_EQ(test->QuestionCount(), MAX_QUESTIONS);
}

TEST_F(CaricatoreTest, CrLfAndLfFilesLoadTheSame)
{
    const auto expected = LoadText(kCapitali, "a.tst");
    const auto test = LoadText(Replaced(kCapitali, "\n", "\r\n"), "b.tst");
    ExpectLoadedEqual(*test, *expected);
}

const std::string kStudentRecord =
    "<!---------------------------------------------------------------------->\n"
    "<Student>\n"
    "<StPar>NameTest = \"quiz.tst\", NameStudent = \"Rossi\" ,\n"
    "TimeInit = \"x\" , TimeLength = \"1:15\" ,\n"
    "TotalScore = 2.5</StPar>\n"
    "<Ans>IDAns = 1, IsValid = Yes, RndAns = 0, IsCorrect = Yes,\n"
    "TimeAns = 12, NumSendBack = 0, Score = 2, TypeQue = SingleNumber,\n"
    "LineAns = \"1861\"</Ans>\n"
    "</Student>\n";

TEST_F(CaricatoreTest, StudentRecordsFollowTheQuestions)
{
    auto test = LoadText(kCapitali);
    Write("quiz.stu", kStudentRecord + Replaced(kStudentRecord, "Rossi", "Bianchi"));
    EXPECT_EQ(test->LoadStudents(), 0);
    ASSERT_EQ(test->StudentCount(), 2);
    CStudente& second = *test->GetStudent(1);
    EXPECT_EQ(Str(second.GetNameStudent()), "Bianchi");
    EXPECT_EQ(second.GetTotalScore(), 2.5f);
    ASSERT_EQ(second.AnswerCount(), 2);
    EXPECT_EQ(second.Answer(1)->GetNumber(), 1861.0);
    EXPECT_EQ(second.Answer(0)->GetIsValid(), 0);
}

TEST_F(CaricatoreTest, LoadStudentsWithoutStudentFileNamesIt)
{
    auto test = LoadText(kCapitali);
    EXPECT_EQ(test->LoadStudents(), kCannotRead);
    EXPECT_EQ(test->StudentCount(), 0);
    EXPECT_EQ(recorder.messages, Messages{"Problemi nella lettura del file \"" + dir + "quiz.stu\""});
}

// A class of any size is read whole; only past MAX_STUDENTS, where memory
// is at stake, are records left out, and the teacher is told how many.
TEST_F(CaricatoreTest, EveryStudentIsLoadedUpToTheLimit)
{
    auto test = LoadText(kCapitali);
    const struct {
        int records;
        int loaded;
        Messages messages;
    } rows[] = {
        {250, 250, {}},
        {MAX_STUDENTS + 2, MAX_STUDENTS, {"Il file \"DIR/quiz.stu\" ha piu' di 10000 studenti: 2 non letti"}},
    };
    for (const auto& row : rows) {
        std::string records;
        for (int i = 0; i < row.records; ++i) records += kStudentRecord;
        Write("quiz.stu", records);
        recorder.Clear();
        EXPECT_EQ(test->LoadStudents(), 0);
        EXPECT_EQ(test->StudentCount(), row.loaded);
        Messages expected = row.messages;
        for (std::string& message : expected) message = Replaced(message, "DIR/", dir);
        EXPECT_EQ(recorder.messages, expected);
    }
}

TEST_F(CaricatoreTest, RecordOfAnotherTestStopsTheStudents)
{
    auto test = LoadText(kCapitali);
    Write("quiz.stu", kStudentRecord + Replaced(kStudentRecord, "quiz.tst", "altra.tst") + kStudentRecord);
    EXPECT_EQ(test->LoadStudents(), kOtherTestsRecord);
    EXPECT_EQ(test->StudentCount(), 2);
    EXPECT_EQ(recorder.messages, Messages{"Studente 1 con nome test \"altra.tst\" errato"});
}

// The bundled sample: a questionnaire with every kind of question the editor
// makes, its scrambled twin and its student file.
class EsempiTest : public testing::Test, protected RecordedReports {
protected:
    std::unique_ptr<CTest> Load(const char* name) { return LoadTest(&errors, kExamplesDir, name); }
};

TEST_F(EsempiTest, GeografiaHoldsEveryKindOfQuestion)
{
    const auto test = Load("geografia.tst");
    ASSERT_EQ(test->Error(), 0) << testing::PrintToString(recorder.messages);
    bool single = false, multiple = false, text = false, number = false, image = false;
    for (int i = 0; i < test->QuestionCount(); ++i) {
        const CDomanda& q = *test->GetQuestion(i);
        const bool choice = q.GetTypeQue() == TQue::MultipleAnswer;
        single |= choice && q.GetSelection() == TSel::Single;
        multiple |= choice && q.GetSelection() == TSel::Multiple;
        text |= q.GetTypeQue() == TQue::SingleText;
        number |= q.GetTypeQue() == TQue::SingleNumber;
        image |= q.GetImage().Length() > 0;
    }
    EXPECT_TRUE(single && multiple && text && number && image);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(EsempiTest, ScrambledTwinLoadsEqual)
{
    const auto plain = Load("geografia.tst");
    const auto twin = Load("geografia-cifrato.tst");
    ExpectLoadedEqual(*twin, *plain);
    EXPECT_EQ(twin->IsScrambled(), 1);
}

TEST_F(EsempiTest, StudentFileLoads)
{
    const auto test = Load("geografia.tst");
    EXPECT_EQ(test->LoadStudents(), 0);
    EXPECT_GE(test->StudentCount(), 4);
    EXPECT_TRUE(recorder.messages.empty());
}

}  // namespace

}  // namespace quadrivo
