#include "editor/qt/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/filecommands.h"
#include "editor/core/interchange.h"
#include "editor/core/questiondialogs.h"
#include "editor/core/questionlist.h"
#include "editor/core/recentfiles.h"
#include "editor/core/recovery.h"
#include "editor/core/settings.h"
#include "editor/qt/encoding.h"
#include "editor/qt/guidewindow.h"
#include "editor/qt/icons.h"
#include "editor/qt/importwarnings.h"
#include "editor/qt/maintextdialog.h"
#include "editor/qt/printer.h"
#include "editor/qt/propertydialog.h"
#include "editor/qt/questiondialogs.h"
#include "editor/qt/questionlistview.h"
#include "editor/qt/resultswindow.h"
#include "editor/qt/summaryview.h"
#include "editor/qt/trydialog.h"

namespace quadrivo::editor {

namespace {

// The platform's usual keys for the commands every editor has.
QList<QKeySequence> Shortcuts(Command command)
{
    switch (command) {
        case Command::New:
            return QKeySequence::keyBindings(QKeySequence::New);
        case Command::Load:
            return QKeySequence::keyBindings(QKeySequence::Open);
        case Command::Save:
            return QKeySequence::keyBindings(QKeySequence::Save);
        case Command::SaveAs:
            return QKeySequence::keyBindings(QKeySequence::SaveAs);
        case Command::Print:
            return QKeySequence::keyBindings(QKeySequence::Print);
        case Command::Exit:
            return QKeySequence::keyBindings(QKeySequence::Quit);
        case Command::Undo:
            return QKeySequence::keyBindings(QKeySequence::Undo);
        case Command::Redo:
            return QKeySequence::keyBindings(QKeySequence::Redo);
        case Command::DeleteQuestions:
            return QKeySequence::keyBindings(QKeySequence::Delete);
        case Command::RunTest:
            return {QKeySequence(Qt::Key_F5)};
        default:
            return {};
    }
}

bool IsQuestionnaire(const QUrl& url)
{
    return url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".tst"), Qt::CaseInsensitive);
}

}  // namespace

MainWindow::MainWindow(Application& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    setWindowIcon(EditorIcon());
    setAcceptDrops(true);
    createActions();
    createMenus();
    createToolBar();
    createCentralWidget();
    resize(640, 560);
    refresh();
}

QAction* MainWindow::action(Command command) const
{
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::createActions()
{
    const std::map<Command, void (MainWindow::*)()> handlers = {
        {Command::New, &MainWindow::newFile},
        {Command::Load, &MainWindow::open},
        {Command::Save, &MainWindow::save},
        {Command::SaveAs, &MainWindow::saveAs},
        {Command::Comment, &MainWindow::editComment},
        {Command::Properties, &MainWindow::editProperties},
        {Command::Print, &MainWindow::print},
        {Command::ExportPdf, &MainWindow::exportPdf},
        {Command::Import, &MainWindow::importQuestions},
        {Command::Export, &MainWindow::exportQuestions},
        {Command::Exit, &MainWindow::exitEditor},
        {Command::Undo, &MainWindow::undo},
        {Command::Redo, &MainWindow::redo},
        {Command::NewQuestion, &MainWindow::newQuestion},
        {Command::EditQuestion, &MainWindow::editQuestion},
        {Command::RunTest, &MainWindow::runTest},
        {Command::Results, &MainWindow::showResults},
        {Command::MoveUp, &MainWindow::moveUp},
        {Command::MoveDown, &MainWindow::moveDown},
        {Command::Duplicate, &MainWindow::duplicate},
        {Command::DeleteQuestions, &MainWindow::deleteQuestions},
        {Command::ToggleEnabled, &MainWindow::toggleEnabled},
        {Command::About, &MainWindow::about},
    };
    for (const MenuPopup& popup : MainMenu()) {
        for (const MenuEntry& entry : popup.entries) {
            if (entry.command == Command::Separator) continue;
            auto* action = new QAction(FromWindows1252(entry.text), this);
            action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(entry.command)));
            const std::string tip = TooltipText(entry.command);
            if (!tip.empty()) action->setToolTip(FromWindows1252(tip));
            action->setShortcuts(Shortcuts(entry.command));
            connect(action, &QAction::triggered, this, handlers.at(entry.command));
            actions_[entry.command] = action;
        }
    }
}

void MainWindow::createMenus()
{
    for (const MenuPopup& popup : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(FromWindows1252(popup.title));
        for (const MenuEntry& entry : popup.entries) {
            if (entry.command == Command::Separator)
                menu->addSeparator();
            else
                menu->addAction(actions_.at(entry.command));
            // The questionnaires opened last follow Carica....
            if (entry.command == Command::Load) {
                recentMenu_ = menu->addMenu(tr("File &recenti"));
                recentMenu_->setObjectName(QStringLiteral("recentFiles"));
            }
            // The guide comes first in Aiuto.
            if (entry.command == Command::About) {
                guideAction_ = new QAction(tr("&Guida"), this);
                guideAction_->setObjectName(QStringLiteral("guide"));
                guideAction_->setShortcuts(QKeySequence::keyBindings(QKeySequence::HelpContents));
                connect(guideAction_, &QAction::triggered, this, &MainWindow::showGuide);
                menu->insertAction(actions_.at(Command::About), guideAction_);
            }
        }
    }
    updateRecentFiles();
}

void MainWindow::createToolBar()
{
    toolBar_ = addToolBar(tr("Strumenti"));
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(24, 24));
    for (const ToolbarButton& button : MainToolbar()) {
        QAction* action = actions_.at(button.command);
        action->setIcon(ToolbarImage(button.image));
        toolBar_->addAction(action);
    }
}

void MainWindow::createCentralWidget()
{
    summary_ = new SummaryView(app_);
    summary_->setFixedHeight(summary_->sizeHint().height());
    list_ = new QuestionListView(app_);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (Command command : {Command::EditQuestion, Command::MoveUp, Command::MoveDown, Command::Duplicate,
                            Command::DeleteQuestions, Command::ToggleEnabled})
        list_->addAction(actions_.at(command));
    connect(list_, &QuestionListView::openRequested, this, &MainWindow::openQuestion);
    connect(list_, &QuestionListView::moveRequested, this, &MainWindow::moveQuestion);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &MainWindow::updateCommandStates);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    setCentralWidget(central);
}

QMenu* MainWindow::createPopupMenu()
{
    return nullptr;
}

void MainWindow::startUp(const std::string& commandLineTail)
{
    StartUp(app_, commandLineTail);
    rememberFile();
    refresh();
}

void MainWindow::updateCommandStates()
{
    const CommandStates states = UpdateCommandStates(app_);
    actions_.at(Command::EditQuestion)->setEnabled(states.editQuestion);
    actions_.at(Command::RunTest)->setEnabled(states.runTest);
    actions_.at(Command::Undo)->setEnabled(states.undo);
    actions_.at(Command::Redo)->setEnabled(states.redo);
    actions_.at(Command::Undo)->setStatusTip(FromWindows1252(app_.history.UndoLabel()));
    actions_.at(Command::Redo)->setStatusTip(FromWindows1252(app_.history.RedoLabel()));

    const ListCommandStates list = ListCommandStatesFor(app_, list_->selectedIndices());
    actions_.at(Command::MoveUp)->setEnabled(list.moveUp);
    actions_.at(Command::MoveDown)->setEnabled(list.moveDown);
    actions_.at(Command::Duplicate)->setEnabled(list.duplicate);
    actions_.at(Command::DeleteQuestions)->setEnabled(list.remove);
    actions_.at(Command::ToggleEnabled)->setEnabled(list.toggleEnabled);
}

void MainWindow::updateTitle()
{
    const QString path = FromNativeBytes(CurrentTestPath(app_));
    setWindowFilePath(path);
    QString title = QStringLiteral("Visual Quadrivo Editor");
    if (!path.isEmpty()) title += QStringLiteral(" - ") + QFileInfo(path).fileName();
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(app_.modified != 0);
}

void MainWindow::updateRecentFiles()
{
    recentMenu_->clear();
    const std::vector<std::string> files = ReadRecentFiles(app_.settings);
    for (std::size_t i = 0; i < files.size(); ++i) {
        QString path = FromNativeBytes(files[i]);
        path.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(action, &QAction::triggered, this, [this, file = files[i]] { openFile(file); });
    }
    recentMenu_->setEnabled(!files.empty());
}

void MainWindow::rememberFile()
{
    const std::string path = CurrentTestPath(app_);
    if (path.empty()) return;
    AddRecentFile(app_.settings, path);
    updateRecentFiles();
}

void MainWindow::refresh()
{
    summary_->update();
    list_->refresh();
    updateCommandStates();
    updateTitle();
    if (recovery_) recovery_->Keep();
}

void MainWindow::keepRecoveryCopies(Recovery& recovery)
{
    recovery_ = &recovery;
    if (!recoveryTimer_) {
        recoveryTimer_ = new QTimer(this);
        connect(recoveryTimer_, &QTimer::timeout, this, [this] { recovery_->Keep(); });
    }
    recoveryTimer_->start(kRecoveryIntervalMilliseconds);
    recovery_->Keep();
}

void MainWindow::offerRecovery()
{
    if (!recovery_) return;
    for (const RecoveryCopy& copy : recovery_->LeftOver()) {
        QMessageBox box(QMessageBox::Question, tr("Attenzione"), MessageText(RecoveryOfferText(app_, copy)),
                        QMessageBox::NoButton, this);
        box.setTextFormat(Qt::PlainText);
        QPushButton* restore = box.addButton(tr("&Ripristina"), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(tr("&Scarta"), QMessageBox::DestructiveRole);
        box.setDefaultButton(restore);
        box.exec();
        if (box.clickedButton() == discard) {
            recovery_->Discard(copy);
        } else if (box.clickedButton() == restore && ConfirmDiscard(app_) && recovery_->Restore(copy)) {
            rememberFile();
            break;
        }
    }
    refresh();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exitConfirmed_ && !ConfirmDiscard(app_)) {
        event->ignore();
        return;
    }
    ShutDown(app_);
    if (recovery_) {
        recoveryTimer_->stop();
        recovery_->Remove();
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && IsQuestionnaire(urls.front())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !IsQuestionnaire(urls.front())) return;
    event->acceptProposedAction();
    openFile(ToNativeBytes(urls.front().toLocalFile()));
}

void MainWindow::openFile(const std::string& path)
{
    if (OpenRecentFile(app_, path)) rememberFile();
    updateRecentFiles();
    refresh();
}

void MainWindow::newFile()
{
    NewCommand(app_);
    refresh();
}

void MainWindow::open()
{
    if (ConfirmDiscard(app_) && LoadCommand(app_)) rememberFile();
    refresh();
}

void MainWindow::save()
{
    if (SaveCommand(app_)) rememberFile();
    refresh();
}

void MainWindow::saveAs()
{
    if (SaveAsCommand(app_)) rememberFile();
    refresh();
}

void MainWindow::editComment()
{
    RunMainTextDialog(this, app_);
    // Ok marks the test modified, which must disable Esegui test at once.
    refresh();
}

void MainWindow::editProperties()
{
    RunPropertyDialog(this, app_);
    refresh();
}

void MainWindow::print()
{
    PrintTest(this, app_);
}

void MainWindow::exportPdf()
{
    ExportPdf(this, app_);
}

void MainWindow::exitEditor()
{
    if (!ConfirmDiscard(app_)) return;
    exitConfirmed_ = true;
    close();
}

void MainWindow::undo()
{
    UndoCommand(app_);
    refresh();
}

void MainWindow::redo()
{
    RedoCommand(app_);
    refresh();
}

void MainWindow::newQuestion()
{
    const int before = app_.currentTest.QuestionCount();
    RunNewQuestionDialog(this, app_);
    refresh();
    if (app_.currentTest.QuestionCount() > before) list_->selectIndex(app_.currentTest.QuestionCount() - 1);
}

void MainWindow::editQuestion()
{
    if (EditQuestionCommand(app_)) {
        RunQuestionChooser(this, app_);
        refresh();
    }
    updateCommandStates();
}

void MainWindow::openQuestion(int index)
{
    if (!PrepareEditQuestion(app_, index)) return;
    RunQuestionDialog(this, app_, DialogKindOf(app_.editQuestion));
    refresh();
}

void MainWindow::runTest()
{
    RunTryDialog(this, app_, WholeTestArguments(app_));
}

void MainWindow::moveQuestion(int from, int to)
{
    if (MoveQuestion(app_, from, to)) {
        list_->clearSelection();
        refresh();
        list_->selectIndex(to);
    }
    refresh();
}

void MainWindow::moveUp()
{
    const std::vector<int> selected = list_->selectedIndices();
    if (selected.size() == 1) moveQuestion(selected[0], selected[0] - 1);
}

void MainWindow::moveDown()
{
    const std::vector<int> selected = list_->selectedIndices();
    if (selected.size() == 1) moveQuestion(selected[0], selected[0] + 1);
}

void MainWindow::duplicate()
{
    const std::vector<int> selected = list_->selectedIndices();
    if (selected.size() == 1 && DuplicateQuestion(app_, selected[0])) {
        list_->clearSelection();
        refresh();
        list_->selectIndex(selected[0] + 1);
    }
    refresh();
}

void MainWindow::deleteQuestions()
{
    if (DeleteQuestions(app_, list_->selectedIndices())) list_->clearSelection();
    refresh();
}

void MainWindow::toggleEnabled()
{
    ToggleQuestionsEnabled(app_, list_->selectedIndices());
    refresh();
}

void MainWindow::showResults()
{
    RunResultsWindow(this, app_);
}

void MainWindow::about()
{
    ShowInfo(app_, AboutText());
}

void MainWindow::showGuide()
{
    if (!guide_) guide_ = new GuideWindow(this);
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void MainWindow::importQuestions()
{
    ShowInterchangeReport(this, ImportCommand(app_));
    refresh();
}

void MainWindow::exportQuestions()
{
    ShowInterchangeReport(this, ExportCommand(app_));
}

}  // namespace quadrivo::editor
