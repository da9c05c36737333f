// The runner's window under the offscreen platform: the widgets reach the
// session and show what it says. The rules themselves are the core's tests.

#include "runner/qt/runnerwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTranslator>
#include <clocale>
#include <filesystem>

#include "runner/core/runner_fixtures_test.h"
#include "runner/core/session.h"
#include "translations/language.h"

namespace quadrivo::runner {

namespace {

class RunnerWindowTest : public RunnerTest {
protected:
    void Wire(RunnerWindow& window)
    {
        window.ask = [this](const QString& text) {
            asked << text;
            return confirm;
        };
        window.tell = [this](const QString& text) { told << text; };
    }

    QStringList asked;
    QStringList told;
    bool confirm = true;
};

TEST_F(RunnerWindowTest, WindowSpeaksTheInstalledLanguage)
{
    QTranslator translator;
    ASSERT_TRUE(language::InstallLanguage(language::Language::English, translator));
    Session session(test, -1, nullptr);
    RunnerWindow window(session, test, nullptr);
    Wire(window);
    EXPECT_EQ(window.startButton()->text(), QStringLiteral("&Start"));
    window.startButton()->click();
    QCoreApplication::removeTranslator(&translator);
    SetTextTranslator(nullptr);
    SetMessageWording(nullptr);
    EXPECT_EQ(told, QStringList{QStringLiteral("Write your full name to start.")});
}

TEST_F(RunnerWindowTest, PagesFollowTheSessionFromStartToEnd)
{
    test.GetParams().AskConfirm = 1;
    test.GetParams().SendBack = 1;
    // An image named with the file's '\\', beside the questionnaire.
    std::filesystem::create_directory(Path("img"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(Path("img/a.png"))));
    test.GetQuestion(0)->SetImage("img\\a.png");
    test.GetQuestion(1)->SetImage("manca.png");
    Session session(test, -1, nullptr);
    RunnerWindow window(session, test, nullptr);
    Wire(window);
    EXPECT_TRUE(window.passwordField()->isHidden());

    window.startButton()->click();
    EXPECT_EQ(window.pages()->currentIndex(), 0);
    ASSERT_EQ(told.size(), 1);
    window.nameField()->setText(QStringLiteral("Rossi Maria"));
    window.startButton()->click();
    ASSERT_EQ(window.pages()->currentIndex(), 1);

    ASSERT_EQ(window.choiceButtons()->buttons().size(), 3);
    EXPECT_FALSE(window.imageLabel()->isHidden());
    EXPECT_FALSE(window.putOffButton()->isHidden());
    window.choiceButtons()->button(1)->setChecked(true);  // storage index 1 when not random
    confirm = false;
    window.confirmButton()->click();
    EXPECT_EQ(session.CurrentIndex(), 0);
    confirm = true;
    window.confirmButton()->click();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(told.last().startsWith(QStringLiteral("Risposta esatta.")));

    EXPECT_FALSE(window.answerField()->isHidden());
    EXPECT_TRUE(window.imageLabel()->isHidden());
    window.answerField()->setText(QStringLiteral("-"));
    window.confirmButton()->click();
    EXPECT_EQ(session.CurrentIndex(), 1);  // not a number yet: nothing judged
    window.answerField()->setText(QStringLiteral("12,5"));
    window.confirmButton()->click();
    window.skipButton()->click();
    window.confirmButton()->click();  // the free text, not judged
    ASSERT_EQ(window.pages()->currentIndex(), 2);
    EXPECT_EQ(window.outcomeTable()->rowCount(), 4);
    EXPECT_EQ(window.outcomeTable()->item(1, 1)->text(), QStringLiteral("Esatta"));
    EXPECT_EQ(window.endScore()->text(), QStringLiteral("Punteggio totale: 4,5"));
    EXPECT_TRUE(window.saveStatus()->text().isEmpty());
}

TEST_F(RunnerWindowTest, QuittingOrClosingSavesThroughTheStore)
{
    test.GetParams().ForceAns = 1;
    ResultStore store(test, [](int) {});
    Session session(test, -1, &store);
    RunnerWindow window(session, test, &store);
    Wire(window);
    window.nameField()->setText(QStringLiteral("Rossi"));
    window.startButton()->click();
    EXPECT_TRUE(window.skipButton()->isHidden());
    EXPECT_TRUE(window.putOffButton()->isHidden());
    confirm = false;
    window.quitButton()->click();
    EXPECT_EQ(window.pages()->currentIndex(), 1);
    confirm = true;
    window.close();  // closing in the middle of the run ends it and saves
    ASSERT_EQ(window.pages()->currentIndex(), 2);
    EXPECT_EQ(window.saveStatus()->text(), QStringLiteral("I risultati sono stati salvati."));
    EXPECT_TRUE(std::filesystem::exists(Path("quiz.stu")));
    EXPECT_FALSE(std::filesystem::exists(Path("quiz.000")));
}

}  // namespace

}  // namespace quadrivo::runner

// One QApplication for every test, on the offscreen platform unless the
// environment asks for another; listing the tests needs no window system.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests expect the Italian texts, from the programs they start too,
    // whatever the language of the machine.
    qputenv("QUADRIVO_LINGUA", "it");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
