#ifndef QUADRIVO_RUNNER_QT_RUNNERAPP_H
#define QUADRIVO_RUNNER_QT_RUNNERAPP_H

#include <QString>
#include <string>
#include <vector>

#include "runner/core/commandline.h"

class QTranslator;

namespace quadrivo::runner {

// What the runner's programs set up once their QApplication is made: numbers
// read with a decimal point whatever the user's locale, the editor's language
// (the standard dialogs too), the program's icon. translator must outlive the application.
void SetUpRunnerApplication(QTranslator& translator);

// --help or --version on standard output; returns the exit status, 0.
int PrintInformation(const CommandLine& line);

// The runner's main program on its arguments (without the program's name):
// loads the questionnaire, offers to recover the results of interrupted
// runs, shows the window and runs the event loop. Returns the exit status.
int RunRunner(const std::vector<std::string>& arguments);

}  // namespace quadrivo::runner

#endif
