#include "editor/qt/resultswindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <string>

#include "editor/core/scripted_platform.h"
#include "editor/qt/mainwindow.h"
#include "editor/qt/qttesting.h"
#include "translations/language.h"

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

// In English the window's own texts and the core's headings, labels and
// messages all come through the translation, with the files named in their
// places.
TEST_F(ResultsWindowTest, SpeaksTheInstalledLanguage)
{
    SaveSample();
    QTranslator translator;
    ASSERT_TRUE(language::InstallLanguage(language::Language::English, translator));
    {
        ResultsWindow window(app);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Results - geografia.tst"));
        auto* tabs = Child<QTabWidget>(&window, "resultsTabs");
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("Class"));
        EXPECT_EQ(Child<QTableWidget>(&window, "classFigures")->item(0, 0)->text(),
                  QStringLiteral("Students"));
        auto* questions = Child<QTableWidget>(&window, "questionTable");
        EXPECT_EQ(questions->horizontalHeaderItem(4)->text(), QStringLiteral("Facility"));
        EXPECT_EQ(Child<QTableWidget>(&window, "choiceTable")->horizontalHeaderItem(4)->text(),
                  QStringLiteral("Chosen by"));
        questions->setCurrentCell(0, 1);
        EXPECT_TRUE(Child<QLabel>(&window, "questionTitle")->text().startsWith(QStringLiteral("Q1:")));
        platform.saveAnswers = {scratch.File("classe-studenti.csv")};
        Click(&window, "exportCsvButton");
    }
    QCoreApplication::removeTranslator(&translator);
    SetTextTranslator(nullptr);
    SetMessageWording(nullptr);
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0], "I wrote the students' results to " + scratch.File("classe-studenti.csv") +
                                     " and the questions' to " + scratch.File("classe-domande.csv") + ".");
}

}  // namespace

}  // namespace quadrivo::editor
