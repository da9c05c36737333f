#include "editor/qt/resultswindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <string>

#include "editor/core/scripted_platform.h"
#include "editor/qt/mainwindow.h"
#include "editor/qt/qttesting.h"

namespace quadrivo::editor {

namespace {

namespace fs = std::filesystem;

class ResultsWindowTest : public ScriptedEditorTest {
protected:
    void SaveSample()
    {
        const fs::path examples = fs::path(QV_SOURCE_DIR) / "examples";
        for (const char* name : {"geografia.tst", "geografia.stu"})
            fs::copy_file(examples / name, scratch.Path() / name);
        app.currentTest.SetPathName("geografia.tst");
    }

    ScratchDirectory scratch{app};
};

TEST_F(ResultsWindowTest, TheCommandOpensAWindowThatSaysWhenThereIsNothingToShow)
{
    MainWindow main(app);
    QAction* action = main.action(Command::Results);
    ASSERT_NE(action, nullptr);
    bool sawMessage = false;
    OnNextModal([&sawMessage](QWidget* window) {
        sawMessage = window->findChild<QLabel*>(QStringLiteral("resultsMessage")) != nullptr &&
                     window->findChild<QTabWidget*>() == nullptr;
        Click(window, "closeButton");
    });
    action->trigger();
    EXPECT_TRUE(sawMessage);
}

TEST_F(ResultsWindowTest, ShowsTheTabsSortsFlagsAndExports)
{
    SaveSample();
    ResultsWindow window(app);
    auto* tabs = Child<QTabWidget>(&window, "resultsTabs");
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Domande"));
    EXPECT_EQ(Child<QTableWidget>(&window, "studentTable")->rowCount(), 5);

    auto* questions = Child<QTableWidget>(&window, "questionTable");
    ASSERT_EQ(questions->rowCount(), 5);
    questions->sortItems(4);  // facility, lowest first: D4
    EXPECT_EQ(questions->item(0, 0)->text(), QStringLiteral("4"));
    // The highlight stays with the flagged questions (D1 and D3) as rows move.
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(questions->item(r, 8)->text().isEmpty(), questions->item(r, 0)->background() == QBrush())
            << r;
    questions->sortItems(0, Qt::DescendingOrder);  // D5 first
    questions->setCurrentCell(4, 1);               // D1
    EXPECT_TRUE(Child<QLabel>(&window, "questionTitle")->text().startsWith(QStringLiteral("D1:")));
    auto* choices = Child<QTableWidget>(&window, "choiceTable");
    ASSERT_EQ(choices->rowCount(), 4);
    EXPECT_EQ(choices->item(0, 4)->text(), QStringLiteral("4"));

    platform.saveAnswers = {scratch.File("classe-studenti.csv")};
    Click(&window, "exportCsvButton");
    EXPECT_TRUE(fs::exists(scratch.Path() / "classe-domande.csv"));
    const std::string pdf = scratch.File("resoconto.pdf");
    ASSERT_TRUE(window.writePdf(pdf));
    std::string head(5, '\0');
    std::ifstream(pdf, std::ios::binary).read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    EXPECT_FALSE(window.writePdf(scratch.File("manca/resoconto.pdf")));
}

}  // namespace

}  // namespace quadrivo::editor
