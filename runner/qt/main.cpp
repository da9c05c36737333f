// quadrivo: the program students take a questionnaire with.

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

#include "runner/core/commandline.h"
#include "runner/qt/runnerapp.h"

int main(int argc, char* argv[])
{
    // --help and --version answer without a display.
    const quadrivo::runner::CommandLine line = quadrivo::runner::ReadCommandLine({argv + 1, argv + argc});
    if (line.help || line.version) return quadrivo::runner::PrintInformation(line);

    QApplication application(argc, argv);
    QTranslator translator;
    quadrivo::runner::SetUpRunnerApplication(translator);
    // QApplication has taken its own options out of argv.
    return quadrivo::runner::RunRunner(std::vector<std::string>(argv + 1, argv + argc));
}
