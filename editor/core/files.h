#ifndef QUADRIVO_EDITOR_CORE_FILES_H
#define QUADRIVO_EDITOR_CORE_FILES_H

#include <string>

namespace quadrivo::editor {

// The files and folders the editor handles itself, besides what the file
// library reads and writes. Paths are in the system's own file-name
// encoding; a relative one is taken in the process's working folder. Not
// copyable.
class Files {
public:
    Files() = default;
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;
    virtual ~Files() = default;

    // The process's working folder, as an absolute path. The editor keeps a
    // current folder of its own (Application::CurrentFolder).
    virtual std::string WorkingFolder() = 0;
    // Makes folder the process's working folder; false when it cannot be
    // entered.
    virtual bool SetWorkingFolder(const std::string& folder) = 0;

    // A file name or command line as the editor's messages show it: in
    // Windows-1252 like them, a character it lacks as '?'.
    virtual std::string NameForMessage(const std::string& name) = 0;
    // Whether path names an existing file (not a folder).
    virtual bool IsFile(const std::string& path) = 0;
    // Creates a new, empty file "$QV" + hexadecimal digits + ".TMP" in
    // folder, "." for the working folder, and gives its name (a bare name in
    // the working folder, else with the folder); false on failure.
    virtual bool CreateTempFile(const std::string& folder, std::string& name) = 0;
    // The system's folder for temporary files.
    virtual std::string TempFolder() = 0;
    // Deletes a file; a file already gone is not an error.
    virtual void RemoveFile(const std::string& name) = 0;
    // Copies the file from to the new file to; false when to exists or
    // either cannot be opened.
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;

    // The number of the editor's own process.
    virtual int ProcessId() = 0;
    // Whether a process of that number is running on this machine now.
    virtual bool IsProcessRunning(int id) = 0;
};

}  // namespace quadrivo::editor

#endif
