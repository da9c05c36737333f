#ifndef QUADRIVO_EDITOR_CORE_RUNNER_H
#define QUADRIVO_EDITOR_CORE_RUNNER_H

#include <optional>
#include <string>

#include "editor/core/platform.h"

class Application;

// The runner dialog "Esegui con...": the test-runner program in one field,
// started on a questionnaire file (the argument, see settings.h) in the
// current directory. The editor does not wait for it.

// What the program field shows when the dialog opens: the "command" setting
// (default "quadrivo"); none when the settings cannot be read.
std::optional<std::string> RunnerProgram(Platform& platform);

// The command line: the program exactly as typed, a blank, the argument;
// cut to the 4999 characters of the text buffer.
std::string RunnerCommandLine(const std::string& program, const std::string& argument);

// Ok. typed (at most 511 characters are read) is stored as "command" when it
// differs from opened, what the field showed at opening; then the command
// line is started, and a start that fails is shown as "Errore nell'eseguire
// il comando" with the command line on the next line. The dialog closes
// afterwards either way.
void RunProgram(Application& app, const std::optional<std::string>& opened, const std::string& typed,
                const std::string& argument);

// Sfoglia: a file dialog for the program, proposing the last choice of the
// run; the current directory stays as it was. The chosen path, or none.
std::optional<std::string> ChooseProgram(Application& app);
FileDialogRequest ChooseProgramRequest(const Application& app);

#endif
