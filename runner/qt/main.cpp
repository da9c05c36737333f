// quadrivo: the program students take a questionnaire with.

#include <QApplication>
#include <QTranslator>
#include <string>
#include <vector>

#include "runner/qt/runnerapp.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    quadrivo::runner::SetUpRunnerApplication(translator);
    // QApplication has taken its own options out of argv.
    return quadrivo::runner::RunRunner(std::vector<std::string>(argv + 1, argv + argc));
}
