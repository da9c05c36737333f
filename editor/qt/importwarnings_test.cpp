// File, Importa... and Esporta... in the main window: the actions reach the
// core, and the report comes up as one list.

#include "editor/qt/importwarnings.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>

#include "editor/core/scripted_platform.h"
#include "editor/qt/mainwindow.h"
#include "editor/qt/qttesting.h"

namespace quadrivo::editor {

namespace {

class ImportWarningsTest : public ScriptedEditorTest {
protected:
    ScratchDirectory scratch{app};
    MainWindow window{app};
};

TEST_F(ImportWarningsTest, ImportShowsEveryWarningInOneListAndEnablesEditing)
{
    platform.openAnswers.push_back(QV_SOURCE_DIR "/interchange/testdata/geografia.gift");
    QStringList shown;
    QString summary;
    OnNextModal([&](QWidget* dialog) {
        summary = Child<QLabel>(dialog, "summaryLabel")->text();
        auto* list = Child<QListWidget>(dialog, "warningList");
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        Click(dialog, "okButton");
    });
    window.action(Command::Import)->trigger();
    EXPECT_EQ(summary, QStringLiteral("Domande importate da \"geografia.gift\": 10."));
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[2], QStringLiteral("domanda 10: domande di tipo \"matching\" non importate"));
    EXPECT_TRUE(window.action(Command::EditQuestion)->isEnabled());
    EXPECT_TRUE(platform.infos.empty());
}

TEST_F(ImportWarningsTest, CancelledExportShowsNothing)
{
    window.action(Command::Export)->trigger();
    EXPECT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace

}  // namespace quadrivo::editor
