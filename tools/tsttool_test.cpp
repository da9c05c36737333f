// tsttool end to end: the built program on the bundled sample and on files
// of a temporary directory.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "model/domanda.h"
#include "model/test.h"
#include "tstfile/errore.h"

namespace {

using nlohmann::json;

const std::string kExamples = QV_SOURCE_DIR "/examples/";

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class TsttoolTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = testing::TempDir() + "tsttoolXXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern + "/";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Runs tsttool with the arguments, from dir as the current directory.
    // Arguments hold no single quotes.
    Outcome Tsttool(const std::string& arguments)
    {
        const std::string command = "cd '" + dir + "' && '" QV_TSTTOOL "' " + arguments + " >'" + dir +
                                    ".out' 2>'" + dir + ".err'";
        const int status = std::system(command.c_str());
        Outcome run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir + ".out"), ReadFile(dir + ".err")};
        std::filesystem::remove(dir + ".out");
        std::filesystem::remove(dir + ".err");
        return run;
    }

    void Write(const std::string& name, const std::string& text)
    {
        std::ofstream(dir + name, std::ios::binary) << text;
    }

    std::string dir;
};

TEST_F(TsttoolTest, HelpNamesEveryCommandOnALine)
{
    const Outcome run = Tsttool("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* line : {"\n  tsttool check FILE", "\n  tsttool dump FILE [--students]",
                             "\n  tsttool save IN OUT [--no-overwrite] [--scramble|--plain]",
                             "\n  tsttool stats FILE.tst [--json]"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST_F(TsttoolTest, WithoutArgumentsItShowsTheUsageAndFails)
{
    const Outcome run = Tsttool("");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("tsttool check"), std::string::npos);
}

TEST_F(TsttoolTest, UnknownOptionIsAUsageError)
{
    EXPECT_EQ(Tsttool("save '" + kExamples + "geografia.tst' out --scramble --plain").status, 2);
    EXPECT_EQ(Tsttool("dump '" + kExamples + "geografia.tst' --student").status, 2);
    EXPECT_FALSE(std::filesystem::exists(kExamples + "out.tst"));
}

TEST_F(TsttoolTest, CheckAcceptsTheSamples)
{
    for (const char* name : {"geografia.tst", "geografia-cifrato.tst"}) {
        const Outcome run = Tsttool("check '" + kExamples + name + "'");
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.err, "") << name;
    }
}

TEST_F(TsttoolTest, CheckPrintsEachReportOnALine)
{
    Write("vuoto.tst", "");
    const Outcome run = Tsttool("check vuoto.tst");
    EXPECT_EQ(run.status, 8);
    EXPECT_EQ(run.err, "Errore nelle linee 1 ... 1\nTag <Test> errato\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(TsttoolTest, CheckNamesTheFileAsTyped)
{
    const Outcome run = Tsttool("check manca");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "Problemi nella lettura del file \"manca.tst\"\n");
}

TEST_F(TsttoolTest, DumpShowsTheSampleWithItsStudents)
{
    const Outcome run = Tsttool("dump '" + kExamples + "geografia.tst' --students");
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
    mkErrore errors;
    ReportRecorder quiet;
    ScopedErrorPresenter presenting(&quiet);
    Write("numeri.tst",
          "<Test><ParTest></ParTest><TextTest></TextTest>\n"
          "<Question><ParQue>TypeQue = SingleNumber, NumOk = 0.1, Precision = 0.333333, ScoreIfOk = 0.1, "
          "ScoreIfBad = -2.7, ScoreIfNear = 1e-3</ParQue><TextQue>q</TextQue>"
          "<Answer><ParAns>Score = 3.3</ParAns><TextAns>a</TextAns></Answer></Question>\n");
    const Outcome run = Tsttool("dump numeri.tst");
    ASSERT_EQ(run.status, 0) << run.err;
    const json q = json::parse(run.out)["questions"][0];
    CTest test(&errors, CStringa(dir.c_str()), CStringa((dir + "numeri.tst").c_str()));
    const CDomanda& loaded = *test.GetQuestion(0);
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
    const Outcome run = Tsttool("dump euro.tst");
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
    const Outcome run = Tsttool("dump rotto.tst --students");
    EXPECT_EQ(run.status, 11);
    EXPECT_EQ(run.err, "Domanda 1 : nel tag <parque> parametro *foo* non riconosciuto\n");
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["error"], 11);
    EXPECT_EQ(doc["questions"].size(), 2u);
    EXPECT_EQ(doc["studentsError"], 11);
    EXPECT_EQ(doc["students"].size(), 0u);
}

TEST_F(TsttoolTest, SaveConvertsBetweenPlainAndScrambled)
{
    Outcome run = Tsttool("save '" + kExamples + "geografia.tst' '" + dir + "cifrato.tst' --scramble");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir + "cifrato.tst"), ReadFile(kExamples + "geografia-cifrato.tst"));
    run = Tsttool("save '" + dir + "cifrato.tst' '" + dir + "chiaro' --plain");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir + "chiaro.tst"), ReadFile(kExamples + "geografia.tst"));
}

TEST_F(TsttoolTest, SaveKeepsTheFormItLoaded)
{
    const Outcome run = Tsttool("save '" + kExamples + "geografia-cifrato.tst' '" + dir + "copia.tst'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir + "copia.tst"), ReadFile(kExamples + "geografia-cifrato.tst"));
}

TEST_F(TsttoolTest, SavePutsABareNameBesideTheInput)
{
    std::filesystem::create_directory(dir + "corso");
    Write("corso/quiz.tst", ReadFile(kExamples + "geografia.tst"));
    const Outcome run = Tsttool("save corso/quiz.tst copia");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir + "corso/copia.tst"));
}

TEST_F(TsttoolTest, SaveWithoutOverwriteKeepsAnExistingFile)
{
    Write("esiste.tst", "vecchio");
    const Outcome run = Tsttool("save '" + kExamples + "geografia.tst' '" + dir + "esiste.tst' --no-overwrite");
    EXPECT_EQ(run.status, 14);
    EXPECT_EQ(run.err, "Il file \"" + dir + "esiste.tst\" esiste gia'\n");
    EXPECT_EQ(ReadFile(dir + "esiste.tst"), "vecchio");
}

TEST_F(TsttoolTest, SaveOfAFileThatDoesNotLoadWritesNothing)
{
    Write("vuoto.tst", "");
    const Outcome run = Tsttool("save vuoto.tst nuovo.tst");
    EXPECT_EQ(run.status, 8);
    EXPECT_FALSE(std::filesystem::exists(dir + "nuovo.tst"));
}

}  // namespace
