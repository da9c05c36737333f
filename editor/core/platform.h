#ifndef QUADRIVO_EDITOR_CORE_PLATFORM_H
#define QUADRIVO_EDITOR_CORE_PLATFORM_H

#include <string>
#include <vector>

// What the editor needs from the window system and the operating system.
// The editor's core calls only this; the Qt layer implements it, and the
// core's tests script it. Message and dialog texts are Windows-1252 bytes;
// file names and command lines are in the system's own file-name encoding.

struct FileFilter {
    std::string label;     // "Questionari (*.tst)"
    std::string pattern;   // "*.tst"
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;   // the first one is selected
    std::string defaultExtension;      // without the dot: "tst"
    std::string proposed;              // the path proposed in the name field
    bool mustExist = false;            // open: the file must exist
    bool overwritePrompt = false;      // save: ask before replacing a file
    std::size_t maxPath = 510;         // longer choices are refused
};

enum class StartResult {
    Started,
    NotFound,   // no such program
    Failed,     // the program is there but could not be started
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal box captioned "Informazione" with one OK button; the text is
    // shown literally.
    virtual void ShowInfo(const std::string& text) = 0;
    // A modal box captioned "Attenzione" with Yes and No; true unless No.
    virtual bool AskYesNo(const std::string& text) = 0;

    // Common file dialogs. True with the chosen full path when confirmed; a
    // confirmed dialog leaves the chosen file's folder current.
    virtual bool OpenFileName(const FileDialogRequest& request, std::string& path) = 0;
    virtual bool SaveFileName(const FileDialogRequest& request, std::string& path) = 0;

    virtual std::string CurrentDirectory() = 0;
    virtual bool SetCurrentDirectory(const std::string& directory) = 0;

    // The wait cursor: Begin shows it, End puts back what it replaced.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // The settings store of the editor. Query fails when the value is absent
    // or not of the asked type.
    virtual bool QuerySettingString(const std::string& name, std::string& value) = 0;
    virtual bool QuerySettingNumber(const std::string& name, int& value) = 0;
    virtual bool StoreSettingString(const std::string& name, const std::string& value) = 0;
    virtual bool StoreSettingNumber(const std::string& name, int value) = 0;

    // Starts program with arguments, each handed over as it is, in the
    // current directory, without waiting. A program named without a folder
    // is looked for on the system's program search path.
    virtual StartResult StartProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // The path of the program called name in the folder of the editor's own
    // executable; empty when there is none.
    virtual std::string ProgramBesideEditor(const std::string& name) = 0;
    // Whether path names an existing file (not a folder).
    virtual bool IsFile(const std::string& path) = 0;

    // Creates a new, empty file "$QV" + hexadecimal digits + ".TMP" in
    // folder, "." for the current directory, and gives its name (a bare
    // name in the current directory, else with the folder); false on
    // failure.
    virtual bool CreateTempFile(const std::string& folder, std::string& name) = 0;
    // The system's folder for temporary files.
    virtual std::string TempFolder() = 0;
    // Deletes a file; a file already gone is not an error.
    virtual void RemoveFile(const std::string& name) = 0;
};

#endif
