#include "editor/qt/mainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTranslator>
#include <filesystem>
#include <functional>
#include <map>

#include "editor/core/filecommands.h"
#include "editor/core/properties.h"
#include "editor/core/recovery.h"
#include "editor/core/scripted_platform.h"
#include "editor/qt/guidewindow.h"
#include "editor/qt/propertydialog.h"
#include "editor/qt/qttesting.h"
#include "editor/qt/questionlistview.h"
#include "editor/qt/summaryview.h"
#include "editor/qt/updownfield.h"
#include "translations/language.h"

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

TEST_F(MainWindowTest, HasTheTitleAndTheFourMenus)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Visual Quadrivo Editor[*]"));
    EXPECT_FALSE(window.windowIcon().isNull());
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(MenuTexts(menus[0]->menu()),
              (QStringList{"&Nuovo", "&Carica...", "File &recenti", "&Salva", "Sal&va come...", "",
                           "C&ommento...", QStringLiteral("&Proprietà..."), "", "S&tampa...",
                           "Esporta P&DF...", "", "&Importa...", "Espo&rta...", "", "&Esci"}));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Modifica"));
    EXPECT_EQ(MenuTexts(menus[1]->menu()), (QStringList{"&Annulla", "&Ripeti"}));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Domande"));
    EXPECT_EQ(MenuTexts(menus[2]->menu()),
              (QStringList{"&Nuova...", "&Modifica...", "&Esegui test...", "&Risultati...", "", "Sposta &su",
                           QStringLiteral("Sposta &giù"), "D&uplica", "&Cancella", "A&bilita/disabilita"}));
    EXPECT_EQ(menus[3]->text(), QStringLiteral("&Aiuto"));
    EXPECT_EQ(MenuTexts(menus[3]->menu()), (QStringList{"&Guida", "&Informazioni..."}));
}

TEST_F(MainWindowTest, ToolbarSharesTheMenuActionsWithTooltipsAndImages)
{
    const QList<QAction*> buttons = window.toolBar()->actions();
    const Command commands[] = {Command::New,         Command::Load,         Command::Save,
                                Command::NewQuestion, Command::EditQuestion, Command::RunTest,
                                Command::Results};
    const char* tips[] = {"Nuovo questionario",      "Apri un questionario", "Salva il questionario",
                          "Nuova domanda",           "Modifica domanda",     "Esegui test",
                          "Risultati degli studenti"};
    ASSERT_EQ(buttons.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(buttons[i], window.action(commands[i])) << i;
        EXPECT_EQ(buttons[i]->toolTip(), QString::fromUtf8(tips[i]));
        EXPECT_FALSE(buttons[i]->icon().pixmap(24, 24).isNull()) << i;
    }
}

TEST_F(MainWindowTest, CommonCommandsHaveTheStandardShortcuts)
{
    const std::map<Command, QKeySequence> keys = {
        {Command::New, QKeySequence::New},
        {Command::Load, QKeySequence::Open},
        {Command::Save, QKeySequence::Save},
        {Command::Exit, QKeySequence::Quit},
        {Command::Undo, QKeySequence::Undo},
        {Command::Redo, QKeySequence::Redo},
        {Command::RunTest, QKeySequence(Qt::Key_F5)},
        {Command::DeleteQuestions, QKeySequence::Delete},
    };
    for (const MenuPopup& popup : MainMenu())
        for (const MenuEntry& entry : popup.entries) {
            if (entry.command == Command::Separator) continue;
            const auto key = keys.find(entry.command);
            QAction* action = window.action(entry.command);
            if (key != keys.end()) {
                EXPECT_EQ(action->shortcut(), key->second) << entry.text;
            } else if (entry.command != Command::SaveAs && entry.command != Command::Print) {
                EXPECT_TRUE(action->shortcuts().isEmpty()) << entry.text;
            }
        }
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

// The sample questionnaire, loaded as File, Carica... does; never saved.
class SampleWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        window.openFile((std::filesystem::path(QV_SOURCE_DIR) / "examples" / "geografia.tst").string());
        ASSERT_GT(app.currentTest.QuestionCount(), 4);
    }
};

TEST_F(SampleWindowTest, ListTitleAndRecentFilesFollowTheLoadedTest)
{
    EXPECT_EQ(window.questionList()->topLevelItemCount(), app.currentTest.QuestionCount());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Visual Quadrivo Editor - geografia.tst[*]"));
    EXPECT_FALSE(window.isWindowModified());
    ASSERT_EQ(window.recentFilesMenu()->actions().size(), 1);
    EXPECT_TRUE(window.recentFilesMenu()->actions()[0]->text().endsWith(QStringLiteral("geografia.tst")));
}

TEST_F(SampleWindowTest, DoubleClickOrEnterOpensTheRowsDialogWithThePreviewOfItsImage)
{
    bool previewShown = false;
    OnNextModal([&previewShown](QWidget* dialog) {
        previewShown = !Child<QLabel>(dialog, "imagePreview")->pixmap().isNull();
        dialog->close();
    });
    QTreeWidgetItem* row = window.questionList()->topLevelItem(4);
    emit window.questionList()->itemDoubleClicked(row, 0);
    EXPECT_TRUE(previewShown);

    // Enter opens the current row too.
    QString opened;
    OnNextModal([&opened](QWidget* dialog) {
        opened = dialog->windowTitle();
        dialog->close();
    });
    window.questionList()->setCurrentItem(window.questionList()->topLevelItem(2));
    QTest::keyClick(window.questionList(), Qt::Key_Return);
    EXPECT_EQ(opened, QStringLiteral("Domanda a risposta testuale/numerica"));
}

TEST_F(SampleWindowTest, DeletingSelectedRowsWarnsOfTheResultsAndUndoBringsThemBack)
{
    const int count = app.currentTest.QuestionCount();
    window.questionList()->topLevelItem(0)->setSelected(true);
    window.questionList()->topLevelItem(2)->setSelected(true);
    ASSERT_TRUE(window.action(Command::DeleteQuestions)->isEnabled());
    EXPECT_FALSE(window.action(Command::MoveUp)->isEnabled());
    platform.yesNoAnswers = {true, true};
    window.action(Command::DeleteQuestions)->trigger();
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(window.questionList()->topLevelItemCount(), count - 2);
    EXPECT_TRUE(window.isWindowModified());

    window.action(Command::Undo)->trigger();
    EXPECT_EQ(window.questionList()->topLevelItemCount(), count);
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_FALSE(window.action(Command::Undo)->isEnabled());
    EXPECT_TRUE(window.action(Command::Redo)->isEnabled());
}

TEST_F(MainWindowTest, DroppingAQuestionnaireOpensIt)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QV_SOURCE_DIR "/examples/geografia.tst")});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: without a drag under way the application
    // passes no drop on.
    static_cast<QObject*>(&window)->event(&drop);
    EXPECT_GT(app.currentTest.QuestionCount(), 0);
    EXPECT_TRUE(window.windowFilePath().endsWith(QStringLiteral("geografia.tst")));
}

TEST_F(SampleWindowTest, ExportPdfWritesTheChosenPrintout)
{
    ScratchDirectory scratch;
    for (const char* button : {"studentsButton", "keyButton"}) {
        const std::string path = scratch.File(std::string(button) + ".pdf");
        platform.saveAnswers = {path};
        OnNextModal([button](QWidget* box) { Click(box, button); });
        window.action(Command::ExportPdf)->trigger();
        EXPECT_EQ(platform.saveRequests.back().proposed,
                  std::string("geografia") + (button[0] == 'k' ? "-soluzioni.pdf" : ".pdf"));
        QFile pdf(QString::fromStdString(path));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << button;
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
    }
}

TEST_F(MainWindowTest, F1OpensTheGuideWithEveryPictureItShows)
{
    ASSERT_TRUE(window.guideAction()->shortcuts().contains(QKeySequence(Qt::Key_F1)));
    window.guideAction()->trigger();
    GuideWindow* guide = window.guideWindow();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_EQ(guide->browser()->documentTitle(), QStringLiteral("Guida di Visual Quadrivo Editor"));

    QFile page(QStringLiteral(":/guida/guida.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    int pictures = 0;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("<img src=\"([^\"]+)\"")).globalMatch(html)) {
        // A resource comes back as its bytes or as a picture.
        const QVariant resource =
            guide->browser()->loadResource(QTextDocument::ImageResource, QUrl(match.captured(1)));
        const QImage image = resource.typeId() == QMetaType::QByteArray
                                 ? QImage::fromData(resource.toByteArray())
                                 : resource.value<QImage>();
        EXPECT_FALSE(image.isNull()) << match.captured(1).toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 5);

    window.guideAction()->trigger();
    EXPECT_EQ(window.guideWindow(), guide) << "one guide window, shown again";
}

// In English the guide's action and window open the English page, which
// shows the same pictures.
TEST_F(MainWindowTest, TheGuideSpeaksTheInstalledLanguage)
{
    QTranslator translator;
    ASSERT_TRUE(language::InstallLanguage(language::Language::English, translator));
    MainWindow english(app);
    EXPECT_EQ(english.guideAction()->text(), QStringLiteral("User &guide"));
    english.guideAction()->trigger();
    GuideWindow* guide = english.guideWindow();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->windowTitle(), QStringLiteral("Visual Quadrivo Editor guide"));
    EXPECT_EQ(guide->browser()->documentTitle(), QStringLiteral("Visual Quadrivo Editor guide"));
    QFile italian(QStringLiteral(":/guida/guida.html"));
    QFile page(QStringLiteral(":/guida/guida_en.html"));
    ASSERT_TRUE(italian.open(QIODevice::ReadOnly) && page.open(QIODevice::ReadOnly));
    const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    QStringList pictures[2];
    for (QFile* file : {&italian, &page})
        for (const QRegularExpressionMatch& match : picture.globalMatch(QString::fromUtf8(file->readAll())))
            pictures[file == &page] << match.captured(1);
    EXPECT_EQ(pictures[1], pictures[0]);
    QCoreApplication::removeTranslator(&translator);
    SetTextTranslator(nullptr);
    SetMessageWording(nullptr);
}

// The sample copied into a scratch folder, with the recovery copies kept
// in a folder of its own there.
class RecoveryWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(std::filesystem::path(QV_SOURCE_DIR) / "examples" / "geografia.tst",
                                   scratch.Path() / "geografia.tst");
        window.openFile(scratch.File("geografia.tst"));
        window.keepRecoveryCopies(recovery);
    }

    // The recovery copy of another editor that has gone, holding text as
    // the questionnaire's text.
    void LeaveCopyOfAGoneEditor(const char* text)
    {
        ScriptedEditor gone;
        gone.platform.processId = 99;
        Recovery goneRecovery(gone.app, scratch.File("recupero"));
        ASSERT_TRUE(LoadTestFile(gone.app, scratch.File("geografia.tst"), true));
        ASSERT_TRUE(MainTextDialogOk(gone.app, text));
        ASSERT_TRUE(goneRecovery.Keep());
    }

    ScratchDirectory scratch{app};
    Recovery recovery{app, scratch.File("recupero")};
};

TEST_F(RecoveryWindowTest, ConfirmedDialogKeepsACopyThatACleanCloseRemoves)
{
    window.show();
    EXPECT_FALSE(std::filesystem::exists(recovery.CopyPath()));
    TriggerAndConfirm(Command::Comment, [](QWidget* dialog) {
        Child<QPlainTextEdit>(dialog, "textEdit")->setPlainText(QStringLiteral("Nuovo testo"));
    });
    ASSERT_EQ(app.modified, 1);
    EXPECT_TRUE(std::filesystem::exists(recovery.CopyPath()));

    platform.yesNoAnswers = {true};
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(std::filesystem::exists(recovery.CopyPath()));
    EXPECT_FALSE(std::filesystem::exists(recovery.NotePath()));
}

TEST_F(RecoveryWindowTest, RipristinaOpensTheCopyAsUnsavedChangesOfItsFile)
{
    ASSERT_NO_FATAL_FAILURE(LeaveCopyOfAGoneEditor("Testo da recuperare"));

    OnNextModal([](QWidget* box) {
        EXPECT_TRUE(qobject_cast<QMessageBox*>(box)->text().startsWith(QStringLiteral("È stato trovato")));
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("&Ripristina")) button->click();
    });
    window.offerRecovery();
    EXPECT_EQ(FillMainTextDialog(app), "Testo da recuperare");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Visual Quadrivo Editor - geografia.tst[*]"));
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_TRUE(std::filesystem::exists(recovery.CopyPath()));
}

// In English the offer names the file and the time in their places and
// Discard, under its English name, still deletes the copy.
TEST_F(RecoveryWindowTest, TheOfferSpeaksTheInstalledLanguage)
{
    ASSERT_NO_FATAL_FAILURE(LeaveCopyOfAGoneEditor("Testo da recuperare"));

    QTranslator translator;
    ASSERT_TRUE(language::InstallLanguage(language::Language::English, translator));
    QString text;
    QStringList buttons;
    OnNextModal([&](QWidget* box) {
        text = qobject_cast<QMessageBox*>(box)->text();
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) buttons << button->text();
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("&Discard")) button->click();
    });
    window.offerRecovery();
    QCoreApplication::removeTranslator(&translator);
    SetTextTranslator(nullptr);
    SetMessageWording(nullptr);

    EXPECT_TRUE(text.startsWith(QStringLiteral("An unsaved questionnaire was found"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(
        "\nFile: \"[^\n]*geografia.tst\"\nWritten on \\d\\d/\\d\\d/\\d{4} at \\d\\d:\\d\\d\n"))))
        << text.toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Restore")));
    EXPECT_TRUE(recovery.LeftOver().empty()) << "discarded";
}

}  // namespace

}  // namespace quadrivo::editor
