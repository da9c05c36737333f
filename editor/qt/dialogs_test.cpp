#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include "editor/core/scripted_platform.h"
#include "editor/qt/dialogfonts.h"
#include "editor/qt/maintextdialog.h"
#include "editor/qt/propertydialog.h"
#include "editor/qt/qttesting.h"
#include "editor/qt/trydialog.h"
#include "editor/qt/updownfield.h"
#include "translations/language.h"

namespace quadrivo::editor {

namespace {

class DialogsTest : public ScriptedEditorTest {
protected:
    void SetUp() override
    {
        CParTest& params = app.currentTest.GetParams();
        params.Name = "Geografia";
        params.Time = 20;
        params.SendBack = 1;
        params.Save = 1;
        params.TextTest = "Prima riga\nseconda riga";
    }
};

TEST_F(DialogsTest, PropertyDialogShowsTheParameters)
{
    PropertyDialog dialog(app);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Proprietà questionario"));
    EXPECT_EQ(Child<QLineEdit>(&dialog, "nameEdit")->text(), QStringLiteral("Geografia"));
    EXPECT_EQ(Child<UpDownField>(&dialog, "timeField")->fieldText(), QStringLiteral("20"));
    EXPECT_EQ(Child<UpDownField>(&dialog, "sendBackField")->fieldText(), QStringLiteral("1"));
    EXPECT_FALSE(Child<QCheckBox>(&dialog, "randomCheck")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(&dialog, "saveCheck")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(&dialog, "viewScoreCheck")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(&dialog, "askConfirmCheck")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(&dialog, "correctAnswerCheck")->isChecked());
}

TEST_F(DialogsTest, PropertyDialogEditedAndConfirmed)
{
    PropertyDialog dialog(app);
    dialog.show();
    QLineEdit* name = Child<QLineEdit>(&dialog, "nameEdit");
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Citt"));
    name->insert(QStringLiteral("à d'Italia"));  // key events carry ASCII only
    Child<QCheckBox>(&dialog, "randomCheck")->click();
    Child<QCheckBox>(&dialog, "saveCheck")->click();
    UpDownField* time = Child<UpDownField>(&dialog, "timeField");
    time->setFieldText(QStringLiteral("300"));  // typed beyond the arrows' 120
    UpDownField* sendBack = Child<UpDownField>(&dialog, "sendBackField");
    sendBack->stepBy(2);
    Click(&dialog, "okButton");

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const CParTest& params = app.currentTest.GetParams();
    EXPECT_EQ(params.Name, CStringa("Citt\xe0 d'Italia"));
    EXPECT_EQ(params.Time, 300);
    EXPECT_EQ(params.SendBack, 3);
    EXPECT_EQ(params.Random, 1);
    EXPECT_EQ(params.Save, 0);
    EXPECT_EQ(app.modified, 1);
}

TEST_F(DialogsTest, PropertyDialogFileCifratoChoosesTheSavedForm)
{
    app.currentTest.SetScrambled(1);
    PropertyDialog dialog(app);
    auto* scrambled = Child<QCheckBox>(&dialog, "scrambledCheck");
    EXPECT_EQ(scrambled->text(), QStringLiteral("File cifrato"));
    EXPECT_TRUE(scrambled->isChecked());
    scrambled->setChecked(false);
    Click(&dialog, "okButton");
    EXPECT_EQ(app.currentTest.IsScrambled(), 0);
}

TEST_F(DialogsTest, PropertyDialogRefusesANameOutsideTheCodePageAndStaysOpen)
{
    PropertyDialog dialog(app);
    dialog.show();
    Child<QLineEdit>(&dialog, "nameEdit")->setText(QStringLiteral("Ω test"));
    Click(&dialog, "okButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Child<QLineEdit>(&dialog, "nameEdit")->text(), QStringLiteral("Ω test"));
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0].rfind("Il campo \"Nome\" ", 0), 0u);
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Geografia"));
    EXPECT_EQ(app.modified, 0);
}

// In English the dialog's own texts, its buttons' and the core's message
// naming its field all come through the translation.
TEST_F(DialogsTest, PropertyDialogSpeaksTheInstalledLanguage)
{
    QTranslator translator;
    ASSERT_TRUE(language::InstallLanguage(language::Language::English, translator));
    {
        PropertyDialog dialog(app);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Questionnaire properties"));
        EXPECT_EQ(Child<QPushButton>(&dialog, "okButton")->text(), QStringLiteral("&OK"));
        EXPECT_EQ(Child<QCheckBox>(&dialog, "scrambledCheck")->text(), QStringLiteral("Scrambled file"));
        Child<QLineEdit>(&dialog, "nameEdit")->setText(QStringLiteral("Ω test"));
        Click(&dialog, "okButton");
    }
    QCoreApplication::removeTranslator(&translator);
    SetTextTranslator(nullptr);
    SetMessageWording(nullptr);
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0],
              "The field \"Name\" holds characters that cannot be saved in the questionnaire.");
}

TEST(UpDownFieldTest, ArrowsStayInTheirRangeButTypedTextStays)
{
    UpDownField field;
    field.setArrowRange(0, 120);
    field.show();
    field.setFieldText(QStringLiteral("119"));
    field.stepBy(5);
    EXPECT_EQ(field.fieldText(), QStringLiteral("120"));
    field.setFieldText(QStringLiteral("1"));
    QTest::keyClick(&field, Qt::Key_Down);
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.fieldText(), QStringLiteral("0"));

    field.setFieldText(QString());
    QTest::keyClicks(&field, QStringLiteral("9999"));
    field.clearFocus();
    EXPECT_EQ(field.fieldText(), QStringLiteral("9999"));
    field.setFieldText(QStringLiteral("dieci"));
    field.clearFocus();
    EXPECT_EQ(field.fieldText(), QStringLiteral("dieci"));
    field.stepBy(1);  // a text that is no number counts as 0 for the arrows
    EXPECT_EQ(field.fieldText(), QStringLiteral("1"));
}

TEST_F(DialogsTest, MainTextDialogShowsAndStoresTheTextWithLineBreaks)
{
    MainTextDialog dialog(app);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Testo illustrativo del questionario"));
    dialog.show();
    QPlainTextEdit* text = Child<QPlainTextEdit>(&dialog, "textEdit");
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Prima riga\nseconda riga"));
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("terza: "));
    text->insertPlainText(QStringLiteral("è\u00a0così"));
    Click(&dialog, "okButton");

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(app.currentTest.GetParams().TextTest, CStringa("Prima riga\nseconda riga\nterza: \xe8\xa0"
                                                             "cos\xec"));
    EXPECT_EQ(app.modified, 1);
}

TEST_F(DialogsTest, MainTextDialogOkWithoutEditsKeepsTheText)
{
    app.currentTest.GetParams().TextTest = "uno\n\ndue\ttre\rquattro\n";
    MainTextDialog dialog(app);
    dialog.show();
    Click(&dialog, "okButton");
    EXPECT_EQ(app.currentTest.GetParams().TextTest, CStringa("uno\n\ndue\ttre\rquattro\n"));
}

TEST_F(DialogsTest, MainTextDialogRefusesAClosingTagAndStaysOpen)
{
    MainTextDialog dialog(app);
    dialog.show();
    QPlainTextEdit* text = Child<QPlainTextEdit>(&dialog, "textEdit");
    text->setPlainText(QStringLiteral("fine </TextTest>"));
    Click(&dialog, "okButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(text->toPlainText(), QStringLiteral("fine </TextTest>"));
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0].rfind("Il campo \"Testo illustrativo\" ", 0), 0u);
    EXPECT_EQ(app.modified, 0);
}

TEST_F(DialogsTest, TryDialogShowsTheStoredProgramAndRunsTheEditedOne)
{
    app.currentTest.SetPathName("geografia.tst");
    TryDialog dialog(app, {"geografia.tst"});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Esegui con..."));
    dialog.show();
    QLineEdit* program = Child<QLineEdit>(&dialog, "programEdit");
    EXPECT_EQ(program->text(), QStringLiteral("quadrivo"));
    program->setText(QStringLiteral("/opt/quadrivo/run"));
    Click(&dialog, "okButton");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(platform.started,
              (std::vector<std::vector<std::string>>{{"/opt/quadrivo/run", "geografia.tst"}}));
    EXPECT_EQ(platform.settingWrites.back(), "command=/opt/quadrivo/run");
}

TEST_F(DialogsTest, TryDialogBrowseFillsTheProgramField)
{
    ScratchDirectory scratch;
    TryDialog dialog(app, {"x.tst"});
    dialog.show();
    platform.openAnswers = {scratch.File("runner")};
    Click(&dialog, "browseButton");
    EXPECT_EQ(Child<QLineEdit>(&dialog, "programEdit")->text().toStdString(), scratch.File("runner"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogsTest, DialogFontsComeFromTheSettings)
{
    platform.settings["fontname"] = std::string("DejaVu Sans Mono");
    platform.settings["fontsize"] = 14;
    QLineEdit first;
    QPlainTextEdit second;
    SetDialogFonts(app, {&first, nullptr, &second});
    EXPECT_EQ(first.font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(first.font().pointSize(), 14);
    EXPECT_EQ(second.font().pointSize(), 14);
}

}  // namespace

}  // namespace quadrivo::editor
