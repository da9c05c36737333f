#include "runner/qt/runnerapp.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "model/test.h"
#include "runner/core/commandline.h"
#include "runner/core/resultstore.h"
#include "runner/core/session.h"
#include "runner/qt/runnerwindow.h"
#include "text/errore.h"
#include "translations/language.h"

namespace quadrivo::runner {

namespace {

// The library's messages, each in an information box.
class MessageBoxPresenter : public ErrorPresenter {
public:
    void Present(int, const CStringa& message) override
    {
        QString text = FromModel(message);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox::information(
            nullptr, QCoreApplication::translate("quadrivo::runner::RunnerApp", "Informazione"), text);
    }
};

void Inform(const QString& text)
{
    QMessageBox::information(
        nullptr, QCoreApplication::translate("quadrivo::runner::RunnerApp", "Informazione"), text);
}

// Results of runs that ended without saving (a crash, a pulled plug) are
// put into the student file once someone agrees.
void OfferRecovery(CTest& test)
{
    const std::vector<CStringa> files = AbandonedResults(test);
    if (files.empty()) return;
    const QString question =
        QCoreApplication::translate("quadrivo::runner::RunnerApp",
                                    "Accanto al test ci sono %1 risultati di esecuzioni interrotte.\n"
                                    "Vuoi aggiungerli al file dei risultati della classe?")
            .arg(files.size());
    if (QMessageBox::question(nullptr,
                              QCoreApplication::translate("quadrivo::runner::RunnerApp", "Attenzione"),
                              question) != QMessageBox::Yes)
        return;
    const int recovered = RecoverResults(test, files, WaitInEventLoop);
    if (recovered < 0)
        Inform(QCoreApplication::translate(
            "quadrivo::runner::RunnerApp",
            "Il file dei risultati è in uso da un'altra esecuzione: riprova più tardi."));
    else
        Inform(QCoreApplication::translate("quadrivo::runner::RunnerApp", "Risultati aggiunti: %1.")
                   .arg(recovered));
}

}  // namespace

void SetUpRunnerApplication(QTranslator& translator)
{
    // QApplication has taken the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The editor's language, so that a run started from it speaks the same.
    language::InstallLanguage(language::ChosenLanguage(language::LanguageSetting(), QLocale::system()),
                              translator);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/runner/quadrivo.svg")));
}

int PrintInformation(const CommandLine& line)
{
    if (line.help)
        std::fputs(kRunnerUsage, stdout);
    else
        std::printf("quadrivo %s\n", QV_VERSION);
    return 0;
}

int RunRunner(const std::vector<std::string>& arguments)
{
    const CommandLine line = ReadCommandLine(arguments);
    if (line.help || line.version) return PrintInformation(line);
    if (!line.error.empty()) {
        std::fprintf(stderr, "quadrivo: %s\n%s", line.error.c_str(), kRunnerUsage);
        return 2;
    }

    MessageBoxPresenter presenter;
    mkErrore errors(presenter);
    const CStringa path(line.file.c_str());
    CTest test(&errors, path, path);
    if (test.Error() != 0) return test.Error();
    const bool trial = line.question >= 0;
    if (trial && line.question >= test.QuestionCount()) {
        Inform(QCoreApplication::translate("quadrivo::runner::RunnerApp",
                                           "Il questionario non ha la domanda %1.")
                   .arg(line.question + 1));
        return 2;
    }

    const bool saving = !trial && test.GetParams().Save != 0;
    if (saving) OfferRecovery(test);
    ResultStore store(test, WaitInEventLoop);
    Session session(test, line.question, saving ? &store : nullptr);
    RunnerWindow window(session, test, saving ? &store : nullptr);
    window.show();
    if (trial) window.startTrial();
    return QApplication::exec();
}

}  // namespace quadrivo::runner
