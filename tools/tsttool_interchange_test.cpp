// tsttool import and export end to end, one command after another in one
// folder: what each prints, its exit status and the questionnaire it leaves.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/test.h"
#include "tstfile/testfiles_test.h"

namespace quadrivo::tsttool {

namespace {

const std::string kSamples = QV_SOURCE_DIR "/interchange/testdata/";

struct Step {
    std::string arguments;
    int status;
    std::string stderrHolds;  // "" when stderr must be empty
    const char* file;         // the questionnaire to count afterwards, or null
    int questions;
};

TEST(TsttoolInterchangeTest, ImportAndExportCommands)
{
    TempFolder folder("interchange");
    const std::string dir = folder.Path() + "/";
    WriteFile(dir + "rotto.gift", "// prova\nQual \xC3\xA8?{=a ~b\n");
    const Step steps[] = {
        {"import '" + kSamples + "geografia.gift' fiumi.tst", 0,
         "domanda 10: domande di tipo \"matching\" non importate\n", "fiumi.tst", 10},
        {"import '" + kSamples + "geografia.gift' fiumi.tst", 14, "fiumi.tst esiste gi\xC3\xA0", "fiumi.tst",
         10},
        {"import '" + kSamples + "geografia.aiken' fiumi.tst --append", 0, "", "fiumi.tst", 13},
        {"import --format=aiken '" + kSamples + "geografia.gift' altro.tst", 60,
         "domanda 1: riga 1: la domanda non ha la riga ANSWER: domanda non importata\n", nullptr, 0},
        {"import rotto.gift rotto.tst", 60,
         "tsttool: rotto.gift: riga 2: manca la parentesi graffa di chiusura\n", nullptr, 0},
        {"import --format csv rotto.gift x.tst", 2, "Uso: tsttool import", nullptr, 0},
        {"export fiumi.tst fiumi.gift", 0, "", nullptr, 0},
        {"import fiumi.gift ritorno.tst", 0, "", "ritorno.tst", 13},
        {"export '" + kExamplesDir + "geografia.tst' geografia.aiken", 0,
         "domanda 3: Aiken tiene solo domande a scelta con una sola risposta esatta: domanda non esportata\n"
         "domanda 4: Aiken",
         nullptr, 0},
        {"import geografia.aiken geografia.tst", 0, "", "geografia.tst", 2},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments);
        const ToolRun run = RunTsttool(dir, step.arguments);
        EXPECT_EQ(run.status, step.status) << run.err;
        if (step.stderrHolds.empty())
            EXPECT_EQ(run.err, "");
        else
            EXPECT_NE(run.err.find(step.stderrHolds), std::string::npos) << run.err;
        if (!step.file) continue;
        RecordedReports reports;
        const auto test = LoadTest(&reports.errors, dir, step.file);
        EXPECT_EQ(test->Error(), 0);
        EXPECT_EQ(test->QuestionCount(), step.questions);
    }
}

TEST(TsttoolInterchangeTest, MoodleXmlCarriesTheImageBothWays)
{
    if (!QV_HAS_MOODLE_XML) GTEST_SKIP() << "built without pugixml";
    TempFolder folder("moodle");
    const std::string dir = folder.Path() + "/";
    const ToolRun import = RunTsttool(dir, "import '" + kSamples + "geografia.xml' laghi.tst");
    EXPECT_EQ(import.status, 0) << import.err;
    const std::string image = ReadFile(dir + "garda.png");
    EXPECT_EQ(image.substr(1, 3), "PNG");
    EXPECT_EQ(RunTsttool(dir, "export laghi.tst laghi.xml").status, 0);
    std::filesystem::create_directory(dir + "altrove");
    EXPECT_EQ(RunTsttool(dir, "import laghi.xml altrove/laghi.tst").status, 0);
    EXPECT_EQ(ReadFile(dir + "altrove/garda.png"), image);
}

}  // namespace

}  // namespace quadrivo::tsttool
