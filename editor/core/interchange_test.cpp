// Importa... and Esporta... on the scripted platform: what reaches the
// current test, the files written, and the report shown at the end.

#include "editor/core/interchange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

const std::string kSamples = QV_SOURCE_DIR "/interchange/testdata/";

class InterchangeCommandTest : public ScriptedEditorTest {
protected:
    ScratchDirectory scratch{app};
};

TEST_F(InterchangeCommandTest, ImportAppendsWhatItCanAndReportsTheRest)
{
    std::ofstream("rotto.gift") << "Q{=a\n";
    const struct {
        std::optional<std::string> chosen;
        bool ran;
        int questions;
        int total;  // questions of the current test afterwards
        std::string summary;
        std::size_t lines;
    } steps[] = {
        {std::nullopt, false, 0, 0, "", 0},
        {kSamples + "geografia.gift", true, 10, 10, "Domande importate da \"geografia.gift\": 10.", 3},
        {"rotto.gift", true, 0, 10,
         "Nessuna domanda importata da \"rotto.gift\": riga 1: manca la parentesi graffa di chiusura.", 1},
        {kSamples + "geografia.aiken", true, 3, 13, "Domande importate da \"geografia.aiken\": 3.", 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.summary);
        platform.openAnswers.push_back(step.chosen);
        app.modified = 0;
        const InterchangeReport report = ImportCommand(app);
        EXPECT_EQ(report.ran, step.ran);
        EXPECT_EQ(report.questions, step.questions);
        EXPECT_EQ(report.summary, step.summary);
        EXPECT_EQ(report.lines.size(), step.lines);
        EXPECT_EQ(app.currentTest.QuestionCount(), step.total);
        EXPECT_EQ(app.modified, step.questions > 0 ? 1 : 0);
    }
    // Each import is one step: undoing the last takes back its questions only.
    ASSERT_TRUE(app.history.Undo(app));
    EXPECT_EQ(app.currentTest.QuestionCount(), 10);
    std::vector<std::string> labels;
    for (const FileFilter& filter : platform.openRequests.back().filters) labels.push_back(filter.label);
    EXPECT_EQ(labels.back(), "Tutti i file (*.*)");
    EXPECT_EQ(labels.front(), "GIFT (*.gift)");
    EXPECT_EQ(platform.waitCursorDepth, 0);
}

TEST_F(InterchangeCommandTest, ImagesGoBesideTheNamedTest)
{
    if (!interchange::FormatAvailable(interchange::Format::MoodleXml))
        GTEST_SKIP() << "built without pugixml";
    std::filesystem::create_directory("classe");
    app.currentTest.SetPathName("classe/laghi.tst");
    platform.openAnswers.push_back(kSamples + "geografia.xml");
    EXPECT_EQ(ImportCommand(app).questions, 7);
    EXPECT_TRUE(std::filesystem::exists("classe/garda.png"));
    EXPECT_EQ(ImageFolder(app), (std::filesystem::current_path() / "classe").string());
}

TEST_F(InterchangeCommandTest, ExportWritesTheFormatOfTheExtension)
{
    platform.openAnswers.push_back(kSamples + "geografia.gift");
    ImportCommand(app);
    app.modified = 0;
    const struct {
        const char* chosen;
        int questions;
        std::size_t lines;
        const char* starts;
    } steps[] = {
        {"domande.gift", 10, 0, "// "},
        {"domande.txt", 4, 6, "Qual "},
        {"domande.xml", 10, 0, "<?xml"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.chosen);
        if (!interchange::FormatAvailable(interchange::FormatOfFileName(step.chosen))) continue;
        platform.saveAnswers.push_back(step.chosen);
        const InterchangeReport report = ExportCommand(app);
        EXPECT_EQ(report.questions, step.questions);
        EXPECT_EQ(report.lines.size(), step.lines);
        std::ifstream in(step.chosen);
        std::string first;
        std::getline(in, first);
        EXPECT_EQ(first.rfind(step.starts, 0), 0u) << first;
    }
    EXPECT_EQ(app.modified, 0);
}

}  // namespace

}  // namespace quadrivo::editor
