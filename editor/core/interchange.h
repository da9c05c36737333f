#ifndef QUADRIVO_EDITOR_CORE_INTERCHANGE_H
#define QUADRIVO_EDITOR_CORE_INTERCHANGE_H

#include <string>
#include <vector>

#include "editor/core/dialogs.h"
#include "interchange/interchange.h"

namespace quadrivo::editor {

class Application;

// File, Importa... and Esporta...: the questions of the current test to and
// from the files of learning platforms (GIFT, Moodle XML, Aiken).

// The file dialogs' filters: the formats this build has, then all files.
std::vector<FileFilter> ImportFilters();
std::vector<FileFilter> ExportFilters();

// What one command did, to be shown together at the end: a summary and one
// line per question left out or changed ("domanda N: ..."), Windows-1252.
// ran is false when the user cancelled the file dialog: nothing to show.
struct InterchangeReport {
    bool ran = false;
    int questions = 0;  // imported or exported
    std::string summary;
    std::vector<std::string> lines;
};

// The folder beside the current test, where the images of its questions
// are: the folder of its file, or the editor's current folder while it is
// untitled.
std::string ImageFolder(const Application& app);

// Appends the imported questions to the current test as one step: their
// images written beside it, the questions added in order and the test
// marked modified when any was. Returns how many were appended; the
// warnings of what was left out join imported.warnings.
int AppendImported(Application& app, interchange::Imported& imported);

// Asks for a file, reads it in the format its content shows and appends
// its questions (AppendImported).
InterchangeReport ImportCommand(Application& app);
// Asks for a file name and writes the current test's questions in the
// format its extension names (FormatOfFileName). The test itself is left
// as it is.
InterchangeReport ExportCommand(Application& app);

}  // namespace quadrivo::editor

#endif
