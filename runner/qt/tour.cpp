// quadrivo-runner-screenshots: takes the runner's pictures for the
// documentation on a questionnaire, a student going through its pages.
// Usage: quadrivo-runner-screenshots DIR FILE.tst

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "model/test.h"
#include "runner/core/session.h"
#include "runner/qt/runnerapp.h"
#include "runner/qt/runnerwindow.h"
#include "text/errore.h"

using namespace quadrivo;
using namespace quadrivo::runner;

namespace {

class Silent : public ErrorPresenter {
public:
    void Present(int, const CStringa& message) override { std::fprintf(stderr, "%s\n", message.CStr()); }
};

bool Shoot(QWidget& window, const QString& file)
{
    QApplication::processEvents();
    const bool saved = window.grab().save(file);
    if (!saved) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return saved;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    SetUpRunnerApplication(translator);
    if (argc != 3) {
        std::fputs("usage: quadrivo-runner-screenshots DIR FILE.tst\n", stderr);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    Silent presenter;
    mkErrore errors(presenter);
    CTest test(&errors, CStringa(argv[2]), CStringa(argv[2]));
    if (test.Error() != 0) return 1;

    // Nothing is saved: the tour must not add a student to the sample.
    Session session(test, -1, nullptr);
    RunnerWindow window(session, test, nullptr);
    window.ask = [](const QString&) { return true; };
    window.tell = [](const QString&) {};
    window.show();
    int status = 0;
    QTimer::singleShot(300, [&] {
        window.nameField()->setText(QStringLiteral("Rossi Maria"));
        if (!Shoot(window, dir + QStringLiteral("runner-start.png"))) status = 1;
        window.startButton()->click();
        // The first question is answered rightly, wherever its shuffled
        // answers put the right one; the second shows check boxes.
        for (QAbstractButton* choice : window.choiceButtons()->buttons())
            if (choice->text().contains(QStringLiteral("Il Po"))) choice->setChecked(true);
        window.confirmButton()->click();
        if (QAbstractButton* second = window.choiceButtons()->button(1)) second->setChecked(true);
        if (!Shoot(window, dir + QStringLiteral("runner-question.png"))) status = 1;
        window.confirmButton()->click();
        window.answerField()->setText(QStringLiteral("Cagliari"));
        window.confirmButton()->click();
        window.answerField()->setText(QStringLiteral("650"));
        window.confirmButton()->click();
        window.skipButton()->click();
        if (!Shoot(window, dir + QStringLiteral("runner-end.png"))) status = 1;
        QApplication::exit(status);
    });
    return QApplication::exec();
}
