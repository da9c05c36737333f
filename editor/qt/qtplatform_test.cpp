#include "editor/qt/qtplatform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "editor/core/settings.h"
#include "editor/qt/encoding.h"
#include "editor/qt/qttesting.h"

namespace quadrivo::editor {

namespace {

class QtPlatformTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QString IniPath() const { return folder.filePath(QStringLiteral("settings.ini")); }
    std::unique_ptr<QSettings> Store() const
    {
        return std::make_unique<QSettings>(IniPath(), QSettings::IniFormat);
    }

    QTemporaryDir folder;
    QString previous;
};

TEST_F(QtPlatformTest, SettingsDefaultsAreWrittenToTheStoreAtFirstRead)
{
    {
        QtPlatform platform(Store());
        EXPECT_EQ(ReadSettingString(platform, "command", "quadrivo"), "quadrivo");
        EXPECT_EQ(ReadSettingNumber(platform, "fontsize", 10), 10);
    }
    QSettings written(IniPath(), QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("command")).toString(), QStringLiteral("quadrivo"));
    EXPECT_EQ(written.value(QStringLiteral("fontsize")).toInt(), 10);
}

TEST_F(QtPlatformTest, SettingsKeepTypesApart)
{
    {
        QSettings seed(IniPath(), QSettings::IniFormat);
        seed.setValue(QStringLiteral("fontsize"), QStringLiteral("12"));  // as a hand-edited file has it
        seed.setValue(QStringLiteral("argument"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        seed.setValue(QStringLiteral("command"), QStringLiteral("large"));
    }
    QtPlatform platform(Store());
    int number = 0;
    EXPECT_TRUE(platform.QuerySettingNumber("fontsize", number));
    EXPECT_EQ(number, 12);
    EXPECT_FALSE(platform.QuerySettingNumber("command", number));
    std::string text;
    EXPECT_FALSE(platform.QuerySettingString("argument", text));
    EXPECT_FALSE(platform.QuerySettingString("missing", text));
    EXPECT_TRUE(platform.StoreSettingString("command", "/usr/bin/run quiz"));
    EXPECT_TRUE(platform.QuerySettingString("command", text));
    EXPECT_EQ(text, "/usr/bin/run quiz");
}

TEST_F(QtPlatformTest, TempFileIsNewEmptyAndInTheCurrentFolder)
{
    QtPlatform platform(Store());
    std::string first;
    std::string second;
    ASSERT_TRUE(platform.CreateTempFile(".", first));
    ASSERT_TRUE(platform.CreateTempFile(".", second));
    EXPECT_NE(first, second);
    const QRegularExpression pattern(QStringLiteral("^\\$QV[0-9A-F]+\\.TMP$"));
    EXPECT_TRUE(pattern.match(FromNativeBytes(first)).hasMatch()) << first;
    const QString path = QDir(folder.path()).filePath(FromNativeBytes(first));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);

    platform.RemoveFile(first);
    EXPECT_FALSE(QFileInfo::exists(path));
    platform.RemoveFile(first);  // already gone: nothing happens
}

TEST_F(QtPlatformTest, WorkingFolderFollowsTheProcess)
{
    QtPlatform platform(Store());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    EXPECT_TRUE(platform.SetWorkingFolder(ToNativeBytes(folder.filePath(QStringLiteral("sub")))));
    EXPECT_EQ(QFileInfo(FromNativeBytes(platform.WorkingFolder())).fileName(), QStringLiteral("sub"));
    EXPECT_FALSE(platform.SetWorkingFolder("no such folder"));
    EXPECT_FALSE(platform.SetWorkingFolder(""));
}

TEST_F(QtPlatformTest, StartProgramRunsWithoutShellAndReportsAMissingProgram)
{
    QtPlatform platform(Store());
    const std::string here = ToNativeBytes(folder.path());
    EXPECT_EQ(platform.StartProgram("qv-no-such-runner", {"quiz.tst"}, here), StartResult::NotFound);
    EXPECT_EQ(platform.StartProgram("", {}, here), StartResult::NotFound);
    EXPECT_EQ(platform.StartProgram("./no such dir/run", {}, here), StartResult::NotFound);
#ifndef Q_OS_WIN
    // Through a shell "$QV1" would be expanded away; a quote stays a quote.
    EXPECT_EQ(platform.StartProgram("touch", {"first file", "$QV1.TMP", "a\"b.tst"}, here),
              StartResult::Started);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QFileInfo::exists(folder.filePath(QStringLiteral("a\"b.tst"))); }, 5000));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("$QV1.TMP"))));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("first file"))));
#endif
    // Temporary files go elsewhere on request; the folder is in the name.
    std::string elsewhere;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tmp")));
    ASSERT_TRUE(platform.CreateTempFile(ToNativeBytes(folder.filePath(QStringLiteral("tmp"))), elsewhere));
    EXPECT_TRUE(platform.IsFile(elsewhere));
    EXPECT_FALSE(platform.IsFile(ToNativeBytes(folder.path())));
}

TEST_F(QtPlatformTest, ProgramsAndFileDialogsUseTheGivenFolderAndLeaveTheProcessWhereItWas)
{
    QtPlatform platform(Store());
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QDir sub(folder.filePath(QStringLiteral("sub")));
#ifndef Q_OS_WIN
    EXPECT_EQ(platform.StartProgram("touch", {"made.tst"}, ToNativeBytes(sub.path())), StartResult::Started);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sub.exists(QStringLiteral("made.tst")); }, 5000));
#endif
    QString shown;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->directory().absolutePath();
        // selectFile leaves a focused name field alone, and whether the
        // field has the focus depends on the platform: type the name.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("quiz.tst"));
        static_cast<QDialog*>(dialog)->accept();  // protected in QFileDialog
    });
    FileDialogRequest request;
    request.folder = ToNativeBytes(sub.path());
    std::string path;
    EXPECT_TRUE(platform.SaveFileName(request, path));
    EXPECT_EQ(shown, sub.absolutePath());
    EXPECT_EQ(FromNativeBytes(path),
              QDir::toNativeSeparators(sub.absoluteFilePath(QStringLiteral("quiz.tst"))));
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(folder.path()).canonicalFilePath());
}

TEST_F(QtPlatformTest, MessageBoxesHaveTheirCaptionsAndItalianButtons)
{
    QtPlatform platform(Store());
    QString title;
    QString text;
    QStringList buttons;
    const auto record = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons.clear();
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        box->button(box->buttons().size() == 1 ? QMessageBox::Ok : QMessageBox::No)->click();
    };

    OnNextModal(record);
    platform.ShowInfo("Riga uno\r\nriga due \xe8");
    EXPECT_EQ(title, QStringLiteral("Informazione"));
    EXPECT_EQ(text, QStringLiteral("Riga uno\nriga due è"));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});

    OnNextModal(record);
    EXPECT_FALSE(platform.AskYesNo("Vuoi veramente cancellare la domanda?"));
    EXPECT_EQ(title, QStringLiteral("Attenzione"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Sì")));
    EXPECT_TRUE(buttons.contains(QStringLiteral("&No")));
}

TEST_F(QtPlatformTest, MessagesThatLookLikeMarkupAreShownLiterally)
{
    // A file name may hold what a label would take for a tag or an entity.
    QtPlatform platform(Store());
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    platform.ShowInfo("Il file \"<b>quiz&lt;1.tst\" non esiste");
    EXPECT_EQ(text, QStringLiteral("Il file \"<b>quiz&lt;1.tst\" non esiste"));
    EXPECT_EQ(format, Qt::PlainText);
}

TEST_F(QtPlatformTest, ProcessesAreRunningUntilTheyEndAndTheSettingsFolderHoldsTheStore)
{
    QtPlatform platform(Store());
    EXPECT_TRUE(platform.IsProcessRunning(platform.ProcessId()));
    QProcess child;
    child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(child.waitForStarted());
    const int id = static_cast<int>(child.processId());
    EXPECT_TRUE(platform.IsProcessRunning(id));
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_FALSE(platform.IsProcessRunning(id));
    EXPECT_FALSE(platform.IsProcessRunning(0));

    EXPECT_EQ(FromNativeBytes(platform.SettingsFolder()), QDir::toNativeSeparators(folder.path()));
}

}  // namespace

}  // namespace quadrivo::editor
