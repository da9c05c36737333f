#include "editor/screenshots/screenshottour.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <set>

#include "editor/qt/mainwindow.h"
#include "editor/qt/questionlistview.h"

namespace quadrivo::editor {

namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kSettleMilliseconds = 600;  // lets a new window lay out and paint
constexpr int kStepTimeoutMilliseconds = 15000;

class ScreenshotTour : public QObject {
public:
    ScreenshotTour(MainWindow& window, const QString& folder)
        : QObject(&window), window_(window), folder_(folder)
    {
        connect(&timer_, &QTimer::timeout, this, &ScreenshotTour::poll);
    }

    void start()
    {
        QDir().mkpath(folder_);
        beginStep(0);
        timer_.start(kPollMilliseconds);
    }

private:
    enum class Phase { Waiting, Settling, Closing };

    void beginStep(std::size_t index)
    {
        step_ = index;
        phase_ = Phase::Waiting;
        elapsed_ = 0;
        passed_.clear();
        target_ = nullptr;
        shown_.clear();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible()) shown_.insert(widget);
        if (step_ >= TourSteps().size()) {
            timer_.stop();
            QApplication::exit(failed_ ? 1 : 0);
            return;
        }
        const TourStep& step = TourSteps()[step_];
        if (step.open) {
            // Run from its own event: it may sit in a dialog's modal loop,
            // while this tour goes on polling.
            QTimer::singleShot(0, &window_, [this, open = step.open] { open(window_); });
        }
    }

    void poll()
    {
        elapsed_ += kPollMilliseconds;
        const TourStep& step = TourSteps()[step_];
        switch (phase_) {
            case Phase::Waiting:
                if (!step.open) {
                    target_ = &window_;
                } else if (QWidget* modal = QApplication::activeModalWidget();
                           modal && !passed_.count(modal)) {
                    if (step.passThrough && step.passThrough(modal)) {
                        passed_.insert(modal);
                        return;
                    }
                    target_ = modal;
                } else if (QWidget* opened = newWindow()) {
                    target_ = opened;
                }
                if (target_) {
                    if (step.prepare) step.prepare(target_);
                    phase_ = Phase::Settling;
                    elapsed_ = 0;
                } else if (elapsed_ > kStepTimeoutMilliseconds) {
                    fail(step, "the window never came up");
                }
                return;
            case Phase::Settling:
                if (elapsed_ < kSettleMilliseconds) return;
                shoot(step);
                return;
            case Phase::Closing:
                if (!QApplication::activeModalWidget())
                    beginStep(step_ + 1);
                else if (elapsed_ > kStepTimeoutMilliseconds)
                    fail(step, "the window did not close");
                return;
        }
    }

    // A window of its own beside the main one (the guide) that the step
    // opened; null when none.
    QWidget* newWindow() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->windowType() == Qt::Window && widget != &window_ &&
                !shown_.count(widget))
                return widget;
        return nullptr;
    }

    void shoot(const TourStep& step)
    {
        if (!target_) return fail(step, "the window went away");
        const QString path = QDir(folder_).filePath(step.shot);
        if (!target_->grab().save(path)) fail(step, "the picture could not be written");
        if (target_ == &window_) return beginStep(step_ + 1);
        if (auto* dialog = qobject_cast<QDialog*>(target_.data()))
            dialog->reject();
        else
            target_->close();
        phase_ = Phase::Closing;
        elapsed_ = 0;
    }

    void fail(const TourStep& step, const char* why)
    {
        std::fprintf(stderr, "screenshot tour: %s: %s\n", qPrintable(step.shot), why);
        failed_ = true;
        // A window left open would block the steps after it.
        while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        beginStep(step_ + 1);
    }

    MainWindow& window_;
    QString folder_;
    QTimer timer_;
    std::size_t step_ = 0;
    Phase phase_ = Phase::Waiting;
    int elapsed_ = 0;
    std::set<QWidget*> passed_;
    std::set<QWidget*> shown_;  // the windows up when the step began
    QPointer<QWidget> target_;
    bool failed_ = false;
};

}  // namespace

std::function<void(MainWindow&)> TriggerCommand(Command command)
{
    return [command](MainWindow& window) {
        if (QAction* action = window.action(command)) action->trigger();
    };
}

bool ClickButton(QWidget* window, const QString& text)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (QString(button->text()).remove(QLatin1Char('&')) == text) {
            // Clicking may open a modal window; queued, it runs outside the
            // tour's own step.
            QTimer::singleShot(0, button, [button = QPointer<QAbstractButton>(button)] {
                if (button) button->click();
            });
            return true;
        }
    }
    return false;
}

// Passes the question chooser with question index selected and Ok; the
// question dialog it opens is the window to shoot.
std::function<bool(QWidget*)> ChooseQuestionAt(int index)
{
    return [index](QWidget* window) {
        auto* list = window->findChild<QComboBox*>(QStringLiteral("questionList"));
        if (!list) return false;
        list->setCurrentIndex(index);
        return ClickButton(window, QStringLiteral("Ok"));
    };
}

// Opens the results window and shows its tab; on the questions' tab the
// second question is chosen, so that its answers show beside a flagged one.
std::function<void(QWidget*)> ShowResultsTab(int tab)
{
    return [tab](QWidget* window) {
        if (auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("resultsTabs")))
            tabs->setCurrentIndex(tab);
        if (auto* questions = window->findChild<QTableWidget*>(QStringLiteral("questionTable")))
            questions->setCurrentCell(1, 1);
    };
}

// Passes the file dialog of Importa... with the sample GIFT file of the
// sources chosen; the report that follows is the window to shoot.
bool ChooseSampleGift(QWidget* window)
{
    auto* dialog = qobject_cast<QFileDialog*>(window);
    if (!dialog) return false;
    dialog->setDirectory(QStringLiteral(QV_SOURCE_DIR "/interchange/testdata"));
    // selectFile leaves a focused name field alone: the name is typed.
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(QStringLiteral("geografia.gift"));
    QTimer::singleShot(0, dialog, [dialog = QPointer<QFileDialog>(dialog)] {
        if (dialog) static_cast<QDialog*>(dialog.data())->accept();
    });
    return true;
}

const std::vector<TourStep>& TourSteps()
{
    static const std::vector<TourStep> steps = {
        {QStringLiteral("main.png"), nullptr, nullptr, nullptr},
        // The list with the question that has an image selected, which the
        // next step opens by its row.
        {QStringLiteral("main-list.png"), nullptr, nullptr,
         [](QWidget* window) {
             if (auto* main = qobject_cast<MainWindow*>(window)) main->questionList()->selectIndex(4);
         }},
        {QStringLiteral("image-preview.png"), [](MainWindow& window) { window.openQuestion(4); }, nullptr,
         nullptr},
        {QStringLiteral("propertydialog.png"), TriggerCommand(Command::Properties), nullptr, nullptr},
        {QStringLiteral("maintext.png"), TriggerCommand(Command::Comment), nullptr, nullptr},
        {QStringLiteral("trydialog.png"), TriggerCommand(Command::RunTest), nullptr, nullptr},
        {QStringLiteral("newquestion.png"), TriggerCommand(Command::NewQuestion), nullptr, nullptr},
        {QStringLiteral("seldialog.png"), TriggerCommand(Command::EditQuestion), nullptr, nullptr},
        // The sample's questions 2, 5 and 4, opened from the chooser.
        {QStringLiteral("multians.png"), TriggerCommand(Command::EditQuestion), ChooseQuestionAt(1), nullptr},
        {QStringLiteral("singleans.png"), TriggerCommand(Command::EditQuestion), ChooseQuestionAt(4),
         nullptr},
        {QStringLiteral("textans.png"), TriggerCommand(Command::EditQuestion), ChooseQuestionAt(3), nullptr},
        {QStringLiteral("results-class.png"), TriggerCommand(Command::Results), nullptr, ShowResultsTab(0)},
        {QStringLiteral("results-questions.png"), TriggerCommand(Command::Results), nullptr,
         ShowResultsTab(1)},
        {QStringLiteral("results-students.png"), TriggerCommand(Command::Results), nullptr,
         ShowResultsTab(2)},
        {QStringLiteral("guide.png"), [](MainWindow& window) { window.guideAction()->trigger(); }, nullptr,
         nullptr},
        // Last: it adds the imported questions to the sample.
        {QStringLiteral("import-warnings.png"), TriggerCommand(Command::Import), ChooseSampleGift, nullptr},
    };
    return steps;
}

void StartScreenshotTour(MainWindow& window, const QString& folder)
{
    auto* tour = new ScreenshotTour(window, folder);
    QTimer::singleShot(kSettleMilliseconds, tour, [tour] { tour->start(); });
}

}  // namespace quadrivo::editor
