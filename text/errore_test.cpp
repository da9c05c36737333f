#include "text/errore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

std::string Str(const CStringa& s)
{
    return std::string(s.CStr(), s.Length());
}

TEST(ErrorMessages, EveryCodeOfTheTable)
{
    const CStringa a("A");
    const CStringa b("B");
    const struct {
        int code;
        const char* message;
    } table[] = {
        {kFileMissing, "Il file \"A\" non esiste"},
        {kCannotRead, "Problemi nella lettura del file \"A\""},
        {kSectionTooLong, "Il file \"A\" e' > di 8388608 byte"},
        {kNoMemoryForTest, "Poca memoria, non posso allocare il test"},
        {kMissingOpeningTag, "Tag <A> errato"},
        {kMissingClosingTag, "Tag </A> errato"},
        {kMissingTag, "Tag A errato"},
        {kErrorLines, "Errore nelle linee A ... B"},
        {kUnknownTestParameter, "Nel tag <partest> parametro *A* non riconosciuto"},
        {kUnknownQuestionParameter, "Domanda A : nel tag <parque> parametro *B* non riconosciuto"},
        {kNoMemoryForQuestion, "Non riesco ad allocare la domandaA"},
        {kUnknownAnswerParameter, "Risposta A : nel tag <parans> parametro *B* non riconosciuto"},
        {kFileExists, "Il file \"A\" esiste gia'"},
        {kCannotCreate, "Non riesco a creare il file \"A\""},
        {kNoMemoryForStudentAnswer, "Non ho memoria per allocare una risposta dello studente"},
        {kFieldNotWritable, "Non posso scrivere *A* nell'oggetto CStudRispo"},
        {kNoMemoryForStudent, "Non posso allocare le risposte dello studente A"},
        {kWrongStudentCount, "Numero studenti errato durante il salvataggio"},
        {kOtherTestsRecord, "Studente A con nome test \"B\" errato"},
        {kUnknownStudentParameter, "Studente A : nel tag <stpar> parametro *B* non riconosciuto"},
        {kUnknownAnsParameter, "Studente A : nel tag <Ans> parametro *B* non riconosciuto"},
        {kMayBeIncomplete, "Il file \"A\" non termina con </Test>: potrebbe essere incompleto"},
        {kSectionTooLongToSave, "Non posso salvare il file \"A\": B supera 8388608 byte"},
        {kTextNotStorable, "Il campo A contiene *B*, che il file non puo' contenere"},
        {kTooManyStudents, "Il file \"A\" ha piu' di 10000 studenti: B non letti"},
        {1, "Errore ???"},
        {23, "Errore ???"},
        {28, "Errore ???"},
        {-4, "Errore ???"},
    };
    for (const auto& row : table) EXPECT_EQ(Str(mkErrore::Message(row.code, a, b)), row.message) << row.code;
}

class ReportTest : public testing::Test, protected RecordedReports {};

TEST_F(ReportTest, FreeFormsTurnNumbersIntoText)
{
    Report(&errors, kWrongStudentCount);
    Report(&errors, kCannotRead, CStringa("a.tst"));
    Report(&errors, kNoMemoryForQuestion, 800);
    Report(&errors, kUnknownQuestionParameter, 4, CStringa("foo"));
    Report(&errors, kErrorLines, 3L, 17L);
    Report(&errors, kNoMemoryForStudent, 200);
    EXPECT_EQ(recorder.codes,
              (std::vector<int>{kWrongStudentCount, kCannotRead, kNoMemoryForQuestion,
                                kUnknownQuestionParameter, kErrorLines, kNoMemoryForStudent}));
    EXPECT_EQ(recorder.messages, (std::vector<std::string>{
                                     "Numero studenti errato durante il salvataggio",
                                     "Problemi nella lettura del file \"a.tst\"",
                                     "Non riesco ad allocare la domanda800",
                                     "Domanda 4 : nel tag <parque> parametro *foo* non riconosciuto",
                                     "Errore nelle linee 3 ... 17",
                                     "Non posso allocare le risposte dello studente 200",
                                 }));
}

TEST_F(ReportTest, CodeZeroShowsNothing)
{
    Report(&errors, 0, CStringa("x"));
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(ReportTest, UnknownCodesAreShownToo)
{
    Report(&errors, 1);
    Report(&errors, 23);
    EXPECT_EQ(recorder.codes, (std::vector<int>{1, 23}));
    EXPECT_EQ(recorder.messages, (std::vector<std::string>{"Errore ???", "Errore ???"}));
}

TEST_F(ReportTest, FileNameIsShownLiterally)
{
    Report(&errors, kCannotRead, CStringa("100%s%d.tst"));
    EXPECT_EQ(recorder.messages,
              (std::vector<std::string>{"Problemi nella lettura del file \"100%s%d.tst\""}));
}

TEST_F(ReportTest, NullReporterReportsNothing)
{
    Report(nullptr, 3, CStringa("a"));
    Report(nullptr, 9, 1L, 2L);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST(ErrorPresenters, RedirectedReportsPutBackThePreviousSink)
{
    ReportRecorder outer;
    ReportRecorder inner;
    mkErrore errors(outer);
    {
        RedirectedReports redirected(errors, inner);
        Report(&errors, kCannotRead, CStringa("a"));
    }
    Report(&errors, kNoMemoryForTest);
    EXPECT_EQ(inner.codes, std::vector<int>{kCannotRead});
    EXPECT_EQ(outer.codes, std::vector<int>{kNoMemoryForTest});
}

TEST(ErrorPresenters, StderrPresenterWritesEachMessageOnALine)
{
    StderrPresenter presenter;
    mkErrore errors(presenter);
    testing::internal::CaptureStderr();
    Report(&errors, kMissingTag, CStringa("<Te%sst>"));
    Report(&errors, 0);
    Report(&errors, kNoMemoryForTest);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Tag <Te%sst> errato\nPoca memoria, non posso allocare il test\n");
}

TEST(ProgramTexts, PatternsAreFilledInOnePass)
{
    struct Row {
        const char* pattern;
        std::initializer_list<std::string_view> values;
        const char* filled;
    };
    const Row rows[] = {
        {"Tag <%1> errato", {"Test"}, "Tag <Test> errato"},
        {"%2 prima di %1", {"a", "b"}, "b prima di a"},
        {"Il file \"%1\"", {"%2.tst", "x"}, "Il file \"%2.tst\""},  // a value is never filled in again
        {"100% e %3, %", {"a"}, "100% e %3, %"},                    // '%' alone or without its value stays
        {"%1%1", {"ab"}, "abab"},
    };
    for (const Row& row : rows) EXPECT_EQ(FilledIn(row.pattern, row.values), row.filled) << row.pattern;
}

TEST(ProgramTexts, TranslatorAndWordingAreUsedOnlyOnceSet)
{
    EXPECT_STREQ(TranslatedText("Prova", "Propriet\u00e0"), "Propriet\xe0");  // UTF-8 in, Windows-1252 out
    SetTextTranslator([](const char*, const char* source) { return std::string("<") + source + ">"; });
    EXPECT_STREQ(TranslatedText("Prova", "Propriet\u00e0"), "<Propriet\xe0>");
    SetTextTranslator(nullptr);
    EXPECT_STREQ(TranslatedText("Prova", "Propriet\u00e0"), "Propriet\xe0");

    ReportRecorder recorder;
    mkErrore errors(recorder);
    SetMessageWording([](int code, const CStringa& a, const CStringa&) {
        return code == kCannotRead ? CStringa("Cannot read ") + a : CStringa();
    });
    Report(&errors, kCannotRead, CStringa("a.tst"));
    Report(&errors, kMissingTag, CStringa("Test"));  // no wording: the table's message
    SetMessageWording(nullptr);
    Report(&errors, kCannotRead, CStringa("a.tst"));
    EXPECT_EQ(recorder.messages, (std::vector<std::string>{"Cannot read a.tst", "Tag Test errato",
                                                           "Problemi nella lettura del file \"a.tst\""}));
}

}  // namespace

}  // namespace quadrivo
