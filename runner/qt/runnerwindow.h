#ifndef QUADRIVO_RUNNER_QT_RUNNERWINDOW_H
#define QUADRIVO_RUNNER_QT_RUNNERWINDOW_H

#include <QButtonGroup>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <vector>

#include "runner/core/resultstore.h"
#include "text/stringa.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTimer;
class QVBoxLayout;

namespace quadrivo {
class CTest;
}  // namespace quadrivo

namespace quadrivo::runner {

class Session;

// Model text (Windows-1252) to widget text and back; a character the files
// cannot hold becomes '?'.
QString FromModel(const CStringa& text);
CStringa ToModel(const QString& text);

// A pause for the lock that keeps the windows responsive.
void WaitInEventLoop(int milliseconds);

// The runner's one window: the start page, the question page and the end
// page, moving data between the widgets and the session. session, test and
// store (null when nothing is saved) must outlive the window.
class RunnerWindow : public QMainWindow {
    Q_OBJECT

public:
    RunnerWindow(Session& session, CTest& test, ResultStore* store, QWidget* parent = nullptr);

    // The questions the window asks the student ("Confermi la risposta?")
    // and what it tells ("Informazione" boxes); tests put their own here.
    std::function<bool(const QString&)> ask;
    std::function<void(const QString&)> tell;

    // The pages and the widgets that tests and the screenshot tour drive.
    QStackedWidget* pages() const { return pages_; }
    QLineEdit* nameField() const { return name_; }
    QLineEdit* passwordField() const { return password_; }
    QPushButton* startButton() const { return start_; }
    QLabel* imageLabel() const { return image_; }
    QLineEdit* answerField() const { return answer_; }
    QButtonGroup* choiceButtons() { return &choices_; }
    QPushButton* confirmButton() const { return confirm_; }
    QPushButton* skipButton() const { return skip_; }
    QPushButton* putOffButton() const { return putOff_; }
    QPushButton* quitButton() const { return quit_; }
    QLabel* endScore() const { return endScore_; }
    QLabel* saveStatus() const { return saveStatus_; }
    QTableWidget* outcomeTable() const { return outcomes_; }

    // Starts the run without the start page, for trying out one question.
    void startTrial();

public slots:
    void startTest();
    void confirmAnswer();
    void skipQuestion();
    void putOffQuestion();
    void quitTest();
    void tick();

protected:
    // Closing the window in the middle of a run ends it as Termina does, so
    // that the answers given are saved; the student is asked first.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* createStartPage();
    QWidget* createQuestionPage();
    QWidget* createEndPage();
    void showQuestion();
    void showEnd();
    void updateTimes();
    void showSolution(const CGiudizio& judged, int index);
    CReplica currentReply() const;

    Session& session_;
    CTest& test_;
    ResultStore* store_;
    QStackedWidget* pages_ = nullptr;
    QTimer* timer_ = nullptr;
    bool trial_ = false;
    bool ended_ = false;

    QLineEdit* name_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLineEdit* password_ = nullptr;
    QPushButton* start_ = nullptr;

    QLabel* position_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* testTime_ = nullptr;
    QLabel* questionTime_ = nullptr;
    QLabel* questionText_ = nullptr;
    QLabel* image_ = nullptr;
    QWidget* choiceBox_ = nullptr;
    QVBoxLayout* choiceLayout_ = nullptr;
    QButtonGroup choices_;
    std::vector<int> choiceIndex_;  // storage index of each choice button
    QLineEdit* answer_ = nullptr;
    QLabel* notAsked_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QPushButton* skip_ = nullptr;
    QPushButton* putOff_ = nullptr;
    QPushButton* quit_ = nullptr;

    QLabel* endScore_ = nullptr;
    QLabel* saveStatus_ = nullptr;
    QTableWidget* outcomes_ = nullptr;
};

}  // namespace quadrivo::runner

#endif
