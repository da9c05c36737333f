#ifndef QUADRIVO_EDITOR_CORE_RUNNER_H
#define QUADRIVO_EDITOR_CORE_RUNNER_H

#include <optional>
#include <string>
#include <vector>

#include "editor/core/dialogs.h"

namespace quadrivo::editor {

class Application;
class SettingsStore;

// The runner dialog "Esegui con...": the test-runner program in one field,
// started on a questionnaire file (the argument, see settings.h) in the
// editor's current folder, where the file's bare name holds. The editor
// does not wait for it.

// What the program field shows when the dialog opens: the "command" setting
// (default "quadrivo"); none when the settings cannot be read.
std::optional<std::string> RunnerProgram(SettingsStore& settings);

// The program field as a program and its own arguments: one path when it
// names an existing file (blanks and all; a relative path taken in the
// current folder), otherwise a command line split
// into words. A program named without a folder is taken from the editor's
// own folder when it is there, so that the runner shipped with the editor
// wins over the system's search path.
struct ProgramCall {
    std::string program;
    std::vector<std::string> arguments;
};
ProgramCall RunnerCall(Application& app, const std::string& field);

// The command line as the messages show it: the words, those with blanks or
// quotes in double quotes; cut to the 4999 characters of the text buffer.
std::string RunnerCommandLine(const std::string& program, const std::vector<std::string>& arguments);

// Ok. typed (at most 511 characters are read) is stored as "command" when it
// differs from opened, what the field showed at opening; then the program
// is started with its own arguments and then arguments, each as it is. A
// start that fails is shown as "Errore nell'eseguire il comando" with the
// command line on the next line and, for a program not found, where to set
// it. The dialog closes afterwards either way.
void RunProgram(Application& app, const std::optional<std::string>& opened, const std::string& typed,
                const std::vector<std::string>& arguments);

// Sfoglia: a file dialog for the program, proposing the last choice of the
// run, with the system's kinds of program file; the dialog starts in the
// current folder and leaves it current. The chosen path, or none.
std::optional<std::string> ChooseProgram(Application& app);
FileDialogRequest ChooseProgramRequest(const Application& app);

}  // namespace quadrivo::editor

#endif
