#include "editor/qt/mainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QToolBar>
#include <functional>

#include "editor/core/scripted_platform.h"
#include "editor/qt/propertydialog.h"
#include "editor/qt/qttesting.h"
#include "editor/qt/summaryview.h"
#include "editor/qt/updownfield.h"

namespace quadrivo::editor {

namespace {

class MainWindowTest : public ScriptedEditorTest {
protected:
    // Gives the test a file name, as a save does, and updates the commands.
    void NameTheTest(const char* path)
    {
        app.currentTest.SetPathName(path);
        window.updateCommandStates();
    }

    // Triggers command and confirms the dialog it opens with Ok, after fill
    // (if any) has edited it.
    void TriggerAndConfirm(Command command, std::function<void(QWidget*)> fill = nullptr)
    {
        OnNextModal([fill](QWidget* dialog) {
            if (fill) fill(dialog);
            Click(dialog, "okButton");
        });
        window.action(command)->trigger();
    }

    MainWindow window{app};
};

QStringList MenuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions()) texts << action->text();
    return texts;
}

TEST_F(MainWindowTest, HasTheTitleAndTheThreeMenus)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Visual Quadrivo Editor"));
    EXPECT_FALSE(window.windowIcon().isNull());
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(MenuTexts(menus[0]->menu()),
              (QStringList{"&Nuovo", "&Carica...", "&Salva", "Sal&va come...", "C&ommento...",
                           QStringLiteral("&Proprietà..."), "&Importa...", "Espo&rta...", "&Esci"}));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Domande"));
    EXPECT_EQ(MenuTexts(menus[1]->menu()), (QStringList{"&Nuova...", "&Modifica...", "&Esegui test..."}));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Aiuto"));
    EXPECT_EQ(MenuTexts(menus[2]->menu()), QStringList{"&Informazioni..."});
}

TEST_F(MainWindowTest, ToolbarSharesTheMenuActionsWithTooltipsAndImages)
{
    const QList<QAction*> buttons = window.toolBar()->actions();
    const Command commands[] = {Command::New,         Command::Load,         Command::Save,
                                Command::NewQuestion, Command::EditQuestion, Command::RunTest};
    const char* tips[] = {"Nuovo questionario", "Apri un questionario", "Salva il questionario",
                          "Nuova domanda",      "Modifica domanda",     "Esegui test"};
    ASSERT_EQ(buttons.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(buttons[i], window.action(commands[i])) << i;
        EXPECT_EQ(buttons[i]->toolTip(), QString::fromUtf8(tips[i]));
        EXPECT_FALSE(buttons[i]->icon().pixmap(24, 24).isNull()) << i;
    }
}

TEST_F(MainWindowTest, NoCommandHasAKeyboardShortcut)
{
    for (QAction* action : window.findChildren<QAction*>())
        EXPECT_TRUE(action->shortcuts().isEmpty()) << action->text().toStdString();
}

TEST_F(MainWindowTest, EditAndRunStartDisabledAndFollowTheTest)
{
    QAction* edit = window.action(Command::EditQuestion);
    QAction* run = window.action(Command::RunTest);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(run->isEnabled());
    for (const Command c : {Command::New, Command::Load, Command::Save, Command::SaveAs, Command::Comment,
                            Command::Properties, Command::Exit, Command::NewQuestion, Command::About})
        EXPECT_TRUE(window.action(c)->isEnabled());

    ASSERT_EQ(app.currentTest.AddQuestion(), 0);
    NameTheTest("quiz.tst");
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(run->isEnabled());

    app.modified = 1;
    window.updateCommandStates();
    EXPECT_FALSE(run->isEnabled());
}

TEST_F(MainWindowTest, SavingThroughTheToolbarEnablesRun)
{
    ScratchDirectory scratch;
    app.modified = 1;
    platform.saveAnswers = {scratch.File("nuovo")};
    window.action(Command::Save)->trigger();
    EXPECT_TRUE(std::filesystem::exists(scratch.Path() / "nuovo.tst"));
    EXPECT_TRUE(window.action(Command::RunTest)->isEnabled());
}

TEST_F(MainWindowTest, NewAnsweredNoKeepsTheTest)
{
    app.currentTest.GetParams().Name = "Tenuto";
    app.modified = 1;
    platform.yesNoAnswers = {false};
    window.action(Command::New)->trigger();
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Tenuto"));
    EXPECT_EQ(platform.questions.size(), 1u);
}

TEST_F(MainWindowTest, ClosingAsksOnlyWhenModifiedAndNoKeepsTheWindowOpen)
{
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(platform.questions.empty());

    window.show();
    app.modified = 1;
    platform.yesNoAnswers = {false, true};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    window.action(Command::Exit)->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(platform.questions.size(), 2u);
}

TEST_F(MainWindowTest, AboutShowsTheAboutText)
{
    window.action(Command::About)->trigger();
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0], AboutText());
}

TEST_F(MainWindowTest, PropertiesOkMarksModifiedAndDisablesRun)
{
    NameTheTest("quiz.tst");
    ASSERT_TRUE(window.action(Command::RunTest)->isEnabled());
    TriggerAndConfirm(Command::Properties, [](QWidget* dialog) {
        Child<UpDownField>(dialog, "timeField")->setFieldText(QStringLiteral("75"));
    });
    EXPECT_EQ(app.currentTest.GetParams().Time, 75);
    EXPECT_EQ(app.modified, 1);
    EXPECT_FALSE(window.action(Command::RunTest)->isEnabled());
}

TEST_F(MainWindowTest, CommentOkAlsoDisablesRun)
{
    NameTheTest("quiz.tst");
    TriggerAndConfirm(Command::Comment);
    EXPECT_EQ(app.modified, 1);
    EXPECT_FALSE(window.action(Command::RunTest)->isEnabled());
}

TEST_F(MainWindowTest, RunTestStartsTheRunnerOnTheSavedFile)
{
    NameTheTest("quiz");
    TriggerAndConfirm(Command::RunTest);
    EXPECT_EQ(platform.started, (std::vector<std::vector<std::string>>{{"quadrivo", "quiz.tst"}}));
}

// Whether any pixel of the band of summary line k, near its left end, is dark.
bool LineIsPainted(const QImage& image, int k)
{
    const int top = 6 + 24 * k;
    for (int y = top; y < top + 16 && y < image.height(); ++y)
        for (int x = 8; x < 40; ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

TEST_F(MainWindowTest, SummaryPaintsNineLinesOnWhite)
{
    SummaryView* summary = window.summary();
    summary->resize(500, 260);
    const QImage image = summary->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(Qt::white));
    for (int k = 0; k < 9; ++k) EXPECT_TRUE(LineIsPainted(image, k)) << k;
    EXPECT_FALSE(LineIsPainted(image, 9));
}

}  // namespace

}  // namespace quadrivo::editor
