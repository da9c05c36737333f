#include "editor/core/results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

namespace fs = std::filesystem;

class ResultsTest : public ScriptedEditorTest {
protected:
    // The sample, saved under the scratch folder as the current test; with
    // its student file when students is set.
    void SaveSample(bool students)
    {
        const fs::path examples = fs::path(QV_SOURCE_DIR) / "examples";
        fs::copy_file(examples / "geografia.tst", scratch.Path() / "geografia.tst");
        if (students) fs::copy_file(examples / "geografia.stu", scratch.Path() / "geografia.stu");
        app.currentTest.SetPathName("geografia.tst");
    }

    ScratchDirectory scratch{app};
};

TEST_F(ResultsTest, SaysWhyThereIsNothingToShow)
{
    EXPECT_EQ(Results::Load(app)->GetState(), Results::State::NoTestFile);
    app.currentTest.SetPathName("manca.tst");
    EXPECT_EQ(Results::Load(app)->GetState(), Results::State::NotLoaded);
    SaveSample(false);
    const auto results = Results::Load(app);
    EXPECT_EQ(results->GetState(), Results::State::NoStudentFile);
    EXPECT_NE(results->Message().find("geografia.stu"), std::string::npos);
    EXPECT_TRUE(platform.infos.empty());  // the window says it, not a message box
}

// The rows the window shows come from the saved files, not from the test in
// memory, and nothing is written back.
TEST_F(ResultsTest, ReadsTheSavedTestAndItsStudents)
{
    SaveSample(true);
    const auto before = fs::last_write_time(scratch.Path() / "geografia.stu");
    ASSERT_EQ(app.currentTest.QuestionCount(), 0);
    const auto results = Results::Load(app);
    ASSERT_EQ(results->GetState(), Results::State::Ready) << results->Message();
    EXPECT_EQ(results->FileName(), "geografia.tst");
    EXPECT_EQ(results->Questions().rows.size(), 5u);
    EXPECT_EQ(results->Questions().rows[0].size(), results->Questions().heads.size());
    EXPECT_EQ(results->Students().rows.size(), 5u);
    EXPECT_EQ(results->Students().rows[1][1].text, "5,5");
    EXPECT_EQ(results->ClassFigures()[13].value, "0,57");
    EXPECT_EQ(results->ItemLabel(3), "D4");
    EXPECT_EQ(results->ItemDetails(0)[0].value, "4 (80%)");
    const auto choices = results->ItemChoices(0);
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_TRUE(choices[0].correct);
    EXPECT_EQ(choices[1].count, 1);
    EXPECT_EQ(choices[1].share, "20%");
    EXPECT_TRUE(results->ItemChoices(2).empty());
    EXPECT_EQ(results->Message(), "");
    app.modified = 1;
    EXPECT_NE(Results::Load(app)->Message().find("modifiche non salvate"), std::string::npos);

    EXPECT_EQ(results->WriteStudentsCsv(scratch.File("s.csv"), &app.errorReporter), 0);
    EXPECT_TRUE(fs::exists(scratch.Path() / "s.csv"));
    EXPECT_EQ(fs::last_write_time(scratch.Path() / "geografia.stu"), before);
}

TEST_F(ResultsTest, ExportsBothCsvFilesUnderTheChosenName)
{
    SaveSample(true);
    const auto results = Results::Load(app);
    platform.saveAnswers = {scratch.File("3A-studenti.csv"), std::nullopt};
    ASSERT_TRUE(ExportCsvCommand(app, *results));
    EXPECT_EQ(platform.saveRequests.back().proposed, "geografia-studenti.csv");
    EXPECT_TRUE(fs::exists(scratch.Path() / "3A-domande.csv"));
    EXPECT_NE(platform.infos.back().find("3A-domande.csv"), std::string::npos);
    EXPECT_FALSE(ExportCsvCommand(app, *results));  // cancelled

    const std::pair<const char*, const char*> names[] = {
        {"/a/x-studenti.csv", "/a/x-domande.csv"},
        {"/a/x.csv", "/a/x-domande.csv"},
        {"/a.b/x", "/a.b/x-domande"},
        {"x.txt", "x-domande.txt"},
    };
    for (const auto& [students, items] : names) EXPECT_EQ(ItemsCsvPath(students), items);
}

}  // namespace

}  // namespace quadrivo::editor
