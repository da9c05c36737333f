#ifndef QUADRIVO_EDITOR_CORE_FILECOMMANDS_H
#define QUADRIVO_EDITOR_CORE_FILECOMMANDS_H

#include <string>

#include "editor/core/dialogs.h"

namespace quadrivo::editor {

class Application;

// The questionnaire file commands. A loaded test keeps only the file-name
// part of its path and is found, saved and run relative to the editor's
// current folder, which a confirmed dialog and a load leave at the folder of
// the chosen file. A failed command leaves currentTest, modified and the
// current folder as they were before it. The file library reports its own
// errors.

// File, Carica..., once ConfirmDiscard has agreed: the open dialog, then
// LoadTestFile. True when a test was loaded; otherwise fileBuffer proposes
// what it did before.
bool LoadCommand(Application& app);
// File, Salva: writes to the test's own name without a dialog, or does
// Save as when the test has no file name. True when written.
bool SaveCommand(Application& app);
// File, Salva come...: the save dialog, then SaveTestFile.
bool SaveAsCommand(Application& app);

// Replaces currentTest by the test in path, a relative one taken in the
// current folder. With changeDirectory, a path with a directory part makes
// that folder current first (restored when the load fails). What the file library reports comes in one box,
// which names the file; a load that fails without a report says so too.
bool LoadTestFile(Application& app, const std::string& path, bool changeDirectory);
// Writes currentTest to path, ".tst" added when its file name has no
// extension; the test takes path as its name. True when written.
bool SaveTestFile(Application& app, const std::string& path);

// The characters after the last '\' or '/'; the whole path without one.
std::string FileNamePart(const std::string& path);

// The requests of the open and save dialogs, proposing fileBuffer in the
// current folder.
FileDialogRequest OpenTestRequest(const Application& app);
FileDialogRequest SaveTestRequest(const Application& app);

}  // namespace quadrivo::editor

#endif
