#ifndef QUADRIVO_EDITOR_CORE_DIALOGS_H
#define QUADRIVO_EDITOR_CORE_DIALOGS_H

#include <cstddef>
#include <string>
#include <vector>

namespace quadrivo::editor {

// Message and dialog texts are Windows-1252 bytes; paths are in the
// system's own file-name encoding.

struct FileFilter {
    std::string label;    // "Questionari (*.tst)"
    std::string pattern;  // "*.tst"
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;  // the first one is selected
    std::string defaultExtension;     // without the dot: "tst"
    std::string folder;               // where the dialog starts
    std::string proposed;             // the path proposed in the name field,
                                      // a relative one taken in folder
    bool mustExist = false;           // open: the file must exist
    bool overwritePrompt = false;     // save: ask before replacing a file
    std::size_t maxPath = 510;        // longer choices are refused
};

// What the editor shows the user besides its own windows: message boxes,
// the common file dialogs and the wait cursor. The Qt layer implements it;
// the core's tests script it. Not copyable.
class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;

    // A modal box captioned "Informazione" with one OK button; the text is
    // shown literally.
    virtual void ShowInfo(const std::string& text) = 0;
    // A modal box captioned "Attenzione" with Yes and No; true unless No.
    virtual bool AskYesNo(const std::string& text) = 0;

    // Common file dialogs. True with the chosen full path when confirmed.
    // They change no folder, neither the editor's nor the process's.
    virtual bool OpenFileName(const FileDialogRequest& request, std::string& path) = 0;
    virtual bool SaveFileName(const FileDialogRequest& request, std::string& path) = 0;

    // The wait cursor, while a command reads or writes a file: Begin shows
    // it, End puts back what it replaced.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

}  // namespace quadrivo::editor

#endif
