#ifndef QUADRIVO_EDITOR_CORE_PROGRAMLAUNCHER_H
#define QUADRIVO_EDITOR_CORE_PROGRAMLAUNCHER_H

#include <string>
#include <vector>

#include "editor/core/dialogs.h"

namespace quadrivo::editor {

enum class StartResult {
    Started,
    NotFound,  // no such program
    Failed,    // the program is there but could not be started
};

// How programs are named on this system, for the dialog that picks one.
struct ProgramFileTypes {
    std::vector<FileFilter> filters;  // the first one is selected
    std::string defaultExtension;     // added to a typed name; empty for none
};

// Starts other programs (the test runner) and finds them. Program names and
// arguments are in the system's own file-name encoding. Not copyable.
class ProgramLauncher {
public:
    ProgramLauncher() = default;
    ProgramLauncher(const ProgramLauncher&) = delete;
    ProgramLauncher& operator=(const ProgramLauncher&) = delete;
    virtual ~ProgramLauncher() = default;

    // Starts program with arguments, each handed over as it is (no shell
    // splits or expands them), with folder as its working folder, without
    // waiting. A program named without a folder is looked for on the
    // system's program search path; one with a relative folder is taken in
    // folder.
    virtual StartResult StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                     const std::string& folder) = 0;
    // The path of the program called name in the folder of the editor's own
    // executable; empty when there is none.
    virtual std::string ProgramBesideEditor(const std::string& name) = 0;
    virtual ProgramFileTypes ProgramTypes() = 0;
};

}  // namespace quadrivo::editor

#endif
