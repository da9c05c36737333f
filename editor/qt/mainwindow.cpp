#include "editor/qt/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QToolBar>

#include "editor/core/application.h"
#include "editor/core/filecommands.h"
#include "editor/core/interchange.h"
#include "editor/core/settings.h"
#include "editor/qt/encoding.h"
#include "editor/qt/icons.h"
#include "editor/qt/importwarnings.h"
#include "editor/qt/maintextdialog.h"
#include "editor/qt/propertydialog.h"
#include "editor/qt/questiondialogs.h"
#include "editor/qt/summaryview.h"
#include "editor/qt/trydialog.h"

namespace quadrivo::editor {

MainWindow::MainWindow(Application& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Visual Quadrivo Editor"));
    setWindowIcon(EditorIcon());
    createActions();
    createMenus();
    createToolBar();
    summary_ = new SummaryView(app_);
    setCentralWidget(summary_);
    resize(640, 400);
    updateCommandStates();
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
        {Command::Exit, &MainWindow::exitEditor},
        {Command::NewQuestion, &MainWindow::newQuestion},
        {Command::EditQuestion, &MainWindow::editQuestion},
        {Command::RunTest, &MainWindow::runTest},
        {Command::About, &MainWindow::about},
    };
    for (const MenuPopup& popup : MainMenu()) {
        for (const MenuEntry& entry : popup.entries) {
            auto* action = new QAction(FromWindows1252(entry.text), this);
            action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(entry.command)));
            const std::string tip = TooltipText(entry.command);
            if (!tip.empty()) action->setToolTip(FromWindows1252(tip));
            connect(action, &QAction::triggered, this, handlers.at(entry.command));
            actions_[entry.command] = action;
        }
    }
}

void MainWindow::createMenus()
{
    for (const MenuPopup& popup : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(FromWindows1252(popup.title));
        for (const MenuEntry& entry : popup.entries) menu->addAction(actions_.at(entry.command));
        if (popup.entries.back().command != Command::Exit) continue;
        // Importa... and Esporta... come before Esci.
        QAction* importAction = new QAction(QStringLiteral("&Importa..."), this);
        importAction->setObjectName(QStringLiteral("importQuestions"));
        connect(importAction, &QAction::triggered, this, &MainWindow::importQuestions);
        QAction* exportAction = new QAction(QStringLiteral("Espo&rta..."), this);
        exportAction->setObjectName(QStringLiteral("exportQuestions"));
        connect(exportAction, &QAction::triggered, this, &MainWindow::exportQuestions);
        menu->insertActions(actions_.at(Command::Exit), {importAction, exportAction});
    }
}

void MainWindow::createToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Strumenti"));
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

QMenu* MainWindow::createPopupMenu()
{
    return nullptr;
}

void MainWindow::startUp(const std::string& commandLineTail)
{
    StartUp(app_, commandLineTail);
    refresh();
}

void MainWindow::updateCommandStates()
{
    const CommandStates states = UpdateCommandStates(app_);
    actions_.at(Command::EditQuestion)->setEnabled(states.editQuestion);
    actions_.at(Command::RunTest)->setEnabled(states.runTest);
}

void MainWindow::refresh()
{
    summary_->update();
    updateCommandStates();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exitConfirmed_ && !ConfirmDiscard(app_)) {
        event->ignore();
        return;
    }
    ShutDown(app_);
    event->accept();
}

void MainWindow::newFile()
{
    NewCommand(app_);
    refresh();
}

void MainWindow::open()
{
    if (ConfirmDiscard(app_)) LoadCommand(app_);
    refresh();
}

void MainWindow::save()
{
    SaveCommand(app_);
    refresh();
}

void MainWindow::saveAs()
{
    SaveAsCommand(app_);
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

void MainWindow::exitEditor()
{
    if (!ConfirmDiscard(app_)) return;
    exitConfirmed_ = true;
    close();
}

void MainWindow::newQuestion()
{
    RunNewQuestionDialog(this, app_);
    refresh();
}

void MainWindow::editQuestion()
{
    if (EditQuestionCommand(app_)) {
        RunQuestionChooser(this, app_);
        summary_->update();
    }
    updateCommandStates();
}

void MainWindow::runTest()
{
    RunTryDialog(this, app_, WholeTestArguments(app_));
}

void MainWindow::about()
{
    ShowInfo(app_, AboutText());
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
