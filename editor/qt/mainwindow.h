#ifndef QUADRIVO_EDITOR_QT_MAINWINDOW_H
#define QUADRIVO_EDITOR_QT_MAINWINDOW_H

#include <QMainWindow>
#include <map>

#include "editor/core/frame.h"

class QAction;
class QToolBar;

namespace quadrivo::editor {

class Application;
class SummaryView;

// "Visual Quadrivo Editor": the menu, the toolbar of six buttons and the
// summary of currentTest. One QAction per command serves both the menu and
// the toolbar; no command has a keyboard shortcut beyond the menu
// mnemonics. The window closes only once ConfirmDiscard agrees.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);

    // The action of a command of the main menu; null for others.
    QAction* action(Command command) const;
    QToolBar* toolBar() const { return toolBar_; }
    SummaryView* summary() const { return summary_; }

    // Loads the command-line tail, if any, and sets the command states.
    void startUp(const std::string& commandLineTail);
    // Enables Modifica and Esegui test by the state of currentTest.
    void updateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;
    // No menu to hide the toolbar.
    QMenu* createPopupMenu() override;

private:
    void newFile();
    void open();
    void save();
    void saveAs();
    void editComment();
    void editProperties();
    void exitEditor();
    void newQuestion();
    void editQuestion();
    void runTest();
    void about();
    void importQuestions();
    void exportQuestions();

    void createActions();
    void createMenus();
    void createToolBar();
    // Repaints the summary and recomputes the command states.
    void refresh();

    Application& app_;
    std::map<Command, QAction*> actions_;
    QToolBar* toolBar_ = nullptr;
    SummaryView* summary_ = nullptr;
    bool exitConfirmed_ = false;
};

}  // namespace quadrivo::editor

#endif
