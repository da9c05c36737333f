#ifndef QUADRIVO_EDITOR_QT_QTPLATFORM_H
#define QUADRIVO_EDITOR_QT_QTPLATFORM_H

#include <memory>

#include "editor/core/dialogs.h"
#include "editor/core/files.h"
#include "editor/core/programlauncher.h"
#include "editor/core/settingsstore.h"

class QSettings;
class QWidget;

namespace quadrivo::editor {

// The editor's services on Qt, in one object: message boxes and file
// dialogs over the active window, the override cursor, a QSettings store,
// detached processes and the process's working folder. Needs a
// QApplication.
class QtPlatform : public Dialogs, public SettingsStore, public ProgramLauncher, public Files {
public:
    // The user's settings: the key "SOFTWARE\Pellastro" of the current
    // user on Windows, elsewhere Pellastro.ini in the user's configuration
    // folder.
    QtPlatform();
    // The given store (tests use an INI file of their own).
    explicit QtPlatform(std::unique_ptr<QSettings> settings);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void ShowInfo(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    bool OpenFileName(const FileDialogRequest& request, std::string& path) override;
    bool SaveFileName(const FileDialogRequest& request, std::string& path) override;

    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    bool QuerySettingString(const std::string& name, std::string& value) override;
    bool QuerySettingNumber(const std::string& name, int& value) override;
    bool StoreSettingString(const std::string& name, const std::string& value) override;
    bool StoreSettingNumber(const std::string& name, int value) override;

    // No shell runs: the program gets the arguments as they are.
    StartResult StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& folder) override;
    std::string ProgramBesideEditor(const std::string& name) override;
    ProgramFileTypes ProgramTypes() override;

    std::string WorkingFolder() override;
    bool SetWorkingFolder(const std::string& folder) override;
    std::string NameForMessage(const std::string& name) override;
    bool IsFile(const std::string& path) override;

    bool CreateTempFile(const std::string& folder, std::string& name) override;
    std::string TempFolder() override;
    void RemoveFile(const std::string& name) override;
    bool CopyFile(const std::string& from, const std::string& to) override;

    int ProcessId() override;
    bool IsProcessRunning(int id) override;

    // The folder of the settings file, where the editor keeps its other
    // files of the user (the recovery copies); on Windows, whose settings
    // live in the registry, the user's configuration folder.
    std::string SettingsFolder() const;

private:
    bool RunFileDialog(const FileDialogRequest& request, bool save, std::string& path);
    bool Stored();

    std::unique_ptr<QSettings> settings_;
};

// The window message boxes and dialogs are shown over: the open modal
// dialog, else the active window (null when there is none).
QWidget* DialogOwner();

}  // namespace quadrivo::editor

#endif
