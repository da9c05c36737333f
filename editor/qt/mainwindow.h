#ifndef QUADRIVO_EDITOR_QT_MAINWINDOW_H
#define QUADRIVO_EDITOR_QT_MAINWINDOW_H

#include <QMainWindow>
#include <map>

#include "editor/core/frame.h"

class QAction;
class QMenu;
class QTimer;
class QToolBar;

namespace quadrivo::editor {

class Application;
class GuideWindow;
class QuestionListView;
class Recovery;
class SummaryView;

// "Visual Quadrivo Editor": the menu, the toolbar of six buttons, the
// summary of currentTest and the list of its questions below it. One
// QAction per command serves the menu, the toolbar and the list's context
// menu; the common commands have the platform's standard shortcuts. The
// title names the file and marks unsaved changes. A questionnaire dropped
// on the window is opened. The window closes only once ConfirmDiscard
// agrees. Aiuto, Guida opens the user's guide beside it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);

    // The action of a command of the main menu; null for others.
    QAction* action(Command command) const;
    QToolBar* toolBar() const { return toolBar_; }
    SummaryView* summary() const { return summary_; }
    QuestionListView* questionList() const { return list_; }
    QMenu* recentFilesMenu() const { return recentMenu_; }

    // Loads the command-line tail, if any, and sets the command states.
    void startUp(const std::string& commandLineTail);
    // Enables the commands by the state of currentTest and of the list.
    void updateCommandStates();
    // Opens question index in its dialog, as Modifica... does.
    void openQuestion(int index);
    // Opens a questionnaire as File, Carica... does, once ConfirmDiscard
    // agrees; used by the recent files and by dropping a file.
    void openFile(const std::string& path);

    // From now on keeps recovery's copy of the unsaved changes: after every
    // command and dialog, and every kRecoveryInterval while the window is
    // open; a clean close removes it. recovery must outlive the window.
    void keepRecoveryCopies(Recovery& recovery);
    // Offers each copy left by an editor that did not end cleanly, newest
    // first, until one is restored; Scarta deletes a copy.
    void offerRecovery();
    static constexpr int kRecoveryIntervalMilliseconds = 2 * 60 * 1000;

    // Aiuto, Guida (F1) and the window it opens (null before the first
    // time).
    QAction* guideAction() const { return guideAction_; }
    GuideWindow* guideWindow() const { return guide_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
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
    void showResults();
    void about();
    void showGuide();
    void undo();
    void redo();
    void print();
    void exportPdf();
    void moveUp();
    void moveDown();
    void duplicate();
    void deleteQuestions();
    void toggleEnabled();
    void moveQuestion(int from, int to);
    void importQuestions();
    void exportQuestions();

    void createActions();
    void createMenus();
    void createToolBar();
    void createCentralWidget();
    void updateRecentFiles();
    void rememberFile();
    void updateTitle();
    // Repaints the summary and the list, recomputes the command states and
    // the title.
    void refresh();

    Application& app_;
    std::map<Command, QAction*> actions_;
    QToolBar* toolBar_ = nullptr;
    SummaryView* summary_ = nullptr;
    QuestionListView* list_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    bool exitConfirmed_ = false;
    Recovery* recovery_ = nullptr;
    QTimer* recoveryTimer_ = nullptr;
    QAction* guideAction_ = nullptr;
    GuideWindow* guide_ = nullptr;
};

}  // namespace quadrivo::editor

#endif
