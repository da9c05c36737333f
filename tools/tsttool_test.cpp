// tsttool end to end: the built program on the bundled sample and on files
// of a temporary directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "model/domanda.h"
#include "model/test.h"
#include "tstfile/testfiles_test.h"

namespace quadrivo::tsttool {

namespace {

using nlohmann::json;

class TsttoolTest : public testing::Test {
protected:
    // Runs tsttool with the arguments, from dir as the current directory.
    // Arguments hold no single quotes.
    ToolRun Tsttool(const std::string& arguments) { return RunTsttool(dir, arguments); }

    void Write(const std::string& name, const std::string& text) { WriteFile(dir + name, text); }

    TempFolder folder{"tsttool"};
    std::string dir = folder.Path() + "/";
};

TEST_F(TsttoolTest, HelpNamesEveryCommandOnALine)
{
    const ToolRun run = Tsttool("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* line : {"\n  tsttool check FILE", "\n  tsttool dump FILE [--students]",
                             "\n  tsttool save IN OUT [--no-overwrite] [--scramble|--plain]",
                             "\n  tsttool stats FILE.tst [--json]"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST_F(TsttoolTest, VersionIsTheProjects)
{
    const ToolRun run = Tsttool("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "tsttool " QV_VERSION "\n");
}

TEST_F(TsttoolTest, WithoutArgumentsItShowsTheUsageAndFails)
{
    const ToolRun run = Tsttool("");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("tsttool check"), std::string::npos);
}

TEST_F(TsttoolTest, UnknownOptionIsAUsageError)
{
    EXPECT_EQ(Tsttool("save '" + kExamplesDir + "geografia.tst' out --scramble --plain").status, 2);
    EXPECT_EQ(Tsttool("dump '" + kExamplesDir + "geografia.tst' --student").status, 2);
    EXPECT_FALSE(std::filesystem::exists(kExamplesDir + "out.tst"));
}

TEST_F(TsttoolTest, CheckAcceptsTheSamples)
{
    for (const char* name : {"geografia.tst", "geografia-cifrato.tst"}) {
        const ToolRun run = Tsttool("check '" + kExamplesDir + name + "'");
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.err, "") << name;
    }
}

TEST_F(TsttoolTest, CheckPrintsEachReportOnALine)
{
    Write("vuoto.tst", "");
    const ToolRun run = Tsttool("check vuoto.tst");
    EXPECT_EQ(run.status, 8);
    EXPECT_EQ(run.err, "Errore nelle linee 1 ... 1\nTag <Test> errato\n");
    EXPECT_EQ(run.out, "");
}

// A file cut inside a section fails with the reason; one cut between two
// sections loads, with a warning that it may be incomplete.
TEST_F(TsttoolTest, CheckOfACutFileSaysWhy)
{
    const std::string whole = ReadFile(kExamplesDir + "geografia.tst");
    const std::size_t lastQuestion = whole.rfind("<Question>");
    const struct {
        std::size_t length;
        int status;
        const char* said;
    } rows[] = {
        {lastQuestion + 40, 8, "Tag </question> errato"},
        {lastQuestion, 0, "non termina con </Test>: potrebbe essere incompleto"},
    };
    for (const auto& row : rows) {
        Write("tagliato.tst", whole.substr(0, row.length));
        const ToolRun run = Tsttool("check tagliato.tst");
        EXPECT_EQ(run.status, row.status) << row.said;
        EXPECT_NE(run.err.find(row.said), std::string::npos) << run.err;
    }
}

TEST_F(TsttoolTest, CheckNamesTheFileAsTyped)
{
    const ToolRun run = Tsttool("check manca");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "Problemi nella lettura del file \"manca.tst\"\n");
}

TEST_F(TsttoolTest, DumpShowsTheSampleWithItsStudents)
{
    const ToolRun run = Tsttool("dump '" + kExamplesDir + "geografia.tst' --students");
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["error"], 0);
    EXPECT_EQ(doc["scrambled"], 0);
    EXPECT_EQ(doc["params"]["Name"], "Geografia d'Italia");
    EXPECT_EQ(doc["params"]["Time"], 20);
    ASSERT_EQ(doc["questions"].size(), 5u);
    const json& first = doc["questions"][0];
    EXPECT_EQ(first["TextQue"], "Qual \xC3\xA8 il fiume pi\xC3\xB9 lungo d'Italia?");
    EXPECT_EQ(first["TypeQue"], "MultipleAnswer");
    EXPECT_EQ(first["Selection"], "Single");
    EXPECT_EQ(first["answers"].size(), 4u);
    EXPECT_EQ(doc["questions"][1]["Selection"], "Multiple");
    EXPECT_EQ(doc["questions"][3]["NumOk"], 652.0);
    EXPECT_EQ(doc["questions"][3]["ScoreIfNear"], 1.5);
    EXPECT_EQ(doc["questions"][4]["answers"][1]["Score"], -0.5);

    EXPECT_EQ(doc["studentsError"], 0);
    ASSERT_EQ(doc["students"].size(), 5u);
    const json& answer = doc["students"][0]["answers"][0];
    EXPECT_EQ(answer["IsCorrect"], "Yes");
    EXPECT_EQ(answer["Choice"], json({1, 0, 0, 0}));
    EXPECT_EQ(answer["StRndRisp"], json({2, 0, 1, 3}));
}

TEST_F(TsttoolTest, DumpNumbersReadBackToTheLoadedValues)
{
    RecordedReports quiet;
    Write("numeri.tst",
          "<Test><ParTest></ParTest><TextTest></TextTest>\n"
          "<Question><ParQue>TypeQue = SingleNumber, NumOk = 0.1, Precision = 0.333333, ScoreIfOk = 0.1, "
          "ScoreIfBad = -2.7, ScoreIfNear = 1e-3</ParQue><TextQue>q</TextQue>"
          "<Answer><ParAns>Score = 3.3</ParAns><TextAns>a</TextAns></Answer></Question>\n");
    const ToolRun run = Tsttool("dump numeri.tst");
    ASSERT_EQ(run.status, 0) << run.err;
    const json q = json::parse(run.out)["questions"][0];
    const auto test = LoadTest(&quiet.errors, dir, "numeri.tst");
    const CDomanda& loaded = *test->GetQuestion(0);
    EXPECT_EQ(q["NumOk"].get<double>(), loaded.GetNumOk());
    EXPECT_EQ(q["Precision"].get<double>(), loaded.GetPrecision());
    EXPECT_EQ(q["ScoreIfOk"].get<float>(), loaded.GetScoreIfOk());
    EXPECT_EQ(q["ScoreIfBad"].get<float>(), loaded.GetScoreIfBad());
    EXPECT_EQ(q["ScoreIfNear"].get<float>(), loaded.GetScoreIfNear());
    EXPECT_EQ(q["answers"][0]["Score"].get<float>(), loaded.GetAnswer(0).GetScore());
    // Floats show their shortest form, not the widened double.
    EXPECT_NE(run.out.find("\"ScoreIfOk\": 0.1,"), std::string::npos);
}

TEST_F(TsttoolTest, DumpDecodesWindows1252)
{
    Write("euro.tst", "<Test><ParTest>Name = \"\x80uro \xE0 \x81\"</ParTest><TextTest></TextTest>");
    const ToolRun run = Tsttool("dump euro.tst");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["params"]["Name"], "\xE2\x82\xACuro \xC3\xA0 \xC2\x81");
}

TEST_F(TsttoolTest, DumpAfterAFailedLoadShowsWhatWasRead)
{
    Write("rotto.tst",
          "<Test><ParTest>Name = \"x\"</ParTest><TextTest></TextTest>\n"
          "<Question><ParQue></ParQue><TextQue>prima</TextQue></Question>\n"
          "<Question><ParQue>Foo = 1</ParQue><TextQue>seconda</TextQue></Question>\n"
          "<Question><ParQue></ParQue><TextQue>terza</TextQue></Question>\n");
    const ToolRun run = Tsttool("dump rotto.tst --students");
    EXPECT_EQ(run.status, 11);
    EXPECT_EQ(run.err, "Domanda 1 : nel tag <parque> parametro *foo* non riconosciuto\n");
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["error"], 11);
    EXPECT_EQ(doc["questions"].size(), 2u);
    EXPECT_EQ(doc["studentsError"], 11);
    EXPECT_EQ(doc["students"].size(), 0u);
}

TEST_F(TsttoolTest, DumpShowsWhatAnInvalidRecordStores)
{
    Write("quiz.tst",
          "<Test><ParTest></ParTest><TextTest></TextTest>\n"
          "<Question><ParQue></ParQue><TextQue>q</TextQue></Question>\n");
    Write("quiz.stu",
          "<Student>\n<StPar>NameTest = \"quiz.tst\", NameStudent = \"Rossi\", TotalScore = 0</StPar>\n"
          "<Ans>IDAns = 0, IsValid = No, IsCorrect = Disable, NumSendBack = 2, Score = 2.5, "
          "TypeQue = SingleNumber, Choice = X-X, StRndRisp = 201</Ans>\n</Student>\n");
    const ToolRun run = Tsttool("dump quiz.tst --students");
    ASSERT_EQ(run.status, 0) << run.err;
    const json answer = json::parse(run.out)["students"][0]["answers"][0];
    EXPECT_EQ(answer["IsValid"], 0);
    EXPECT_EQ(answer["NumSendBack"], 2);
    EXPECT_EQ(answer["Score"], 2.5);
    EXPECT_EQ(answer["Choice"], json({1, 0, 1}));
    EXPECT_EQ(answer["StRndRisp"], json({2, 0, 1}));
}

TEST_F(TsttoolTest, SaveConvertsBetweenPlainAndScrambled)
{
    ToolRun run = Tsttool("save '" + kExamplesDir + "geografia.tst' '" + dir + "cifrato.tst' --scramble");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir + "cifrato.tst"), ReadFile(kExamplesDir + "geografia-cifrato.tst"));
    run = Tsttool("save '" + dir + "cifrato.tst' '" + dir + "chiaro' --plain");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir + "chiaro.tst"), ReadFile(kExamplesDir + "geografia.tst"));
}

TEST_F(TsttoolTest, SaveKeepsTheFormItLoaded)
{
    const ToolRun run = Tsttool("save '" + kExamplesDir + "geografia-cifrato.tst' '" + dir + "copia.tst'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir + "copia.tst"), ReadFile(kExamplesDir + "geografia-cifrato.tst"));
}

TEST_F(TsttoolTest, SavePutsABareNameBesideTheInput)
{
    std::filesystem::create_directory(dir + "corso");
    Write("corso/quiz.tst", ReadFile(kExamplesDir + "geografia.tst"));
    const ToolRun run = Tsttool("save corso/quiz.tst copia");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir + "corso/copia.tst"));
}

TEST_F(TsttoolTest, SaveWithoutOverwriteKeepsAnExistingFile)
{
    Write("esiste.tst", "vecchio");
    const ToolRun run =
        Tsttool("save '" + kExamplesDir + "geografia.tst' '" + dir + "esiste.tst' --no-overwrite");
    EXPECT_EQ(run.status, 14);
    EXPECT_EQ(run.err, "Il file \"" + dir + "esiste.tst\" esiste gia'\n");
    EXPECT_EQ(ReadFile(dir + "esiste.tst"), "vecchio");
}

TEST_F(TsttoolTest, SaveOfAFileThatDoesNotLoadWritesNothing)
{
    Write("vuoto.tst", "");
    const ToolRun run = Tsttool("save vuoto.tst nuovo.tst");
    EXPECT_EQ(run.status, 8);
    EXPECT_FALSE(std::filesystem::exists(dir + "nuovo.tst"));
}

}  // namespace

}  // namespace quadrivo::tsttool
