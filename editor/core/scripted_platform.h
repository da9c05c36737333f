#ifndef QUADRIVO_EDITOR_CORE_SCRIPTED_PLATFORM_H
#define QUADRIVO_EDITOR_CORE_SCRIPTED_PLATFORM_H

// The editor's services for tests, in one object: the answers of message
// boxes and file dialogs are queued in advance, and what the editor shows,
// stores and starts is recorded. The working folder and files are the real
// ones, because the file library reads and writes relative to the
// process's working folder. Header only, for the core's and the Qt layer's
// tests.

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/dialogs.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/programlauncher.h"
#include "editor/core/settingsstore.h"
#include "text/errore.h"

namespace quadrivo::editor {

class ScriptedPlatform : public Dialogs, public SettingsStore, public ProgramLauncher, public Files {
public:
    // --- Answers, taken from the front. An empty queue answers No or
    // cancels, and the call is still recorded.
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> openAnswers;  // none: cancelled
    std::deque<std::optional<std::string>> saveAnswers;
    StartResult startResult = StartResult::Started;
    std::string editorFolder;           // ProgramBesideEditor looks here, if set
    bool settingsWork = true;           // false: every query and store fails
    bool tempFileWorks = true;          // false: no temporary file anywhere
    bool currentFolderWritable = true;  // false: none in the current one
    std::string tempFolder = std::filesystem::temp_directory_path().string();
    int processId = 4242;
    std::set<int> runningProcesses;  // besides processId
    // A folder that every file dialog makes the process's working folder
    // while the user browses, confirmed or not, as some systems' dialogs
    // do: the editor must not depend on that folder.
    std::optional<std::string> dialogBrowsesTo;

    // --- What happened.
    std::vector<std::string> infos;      // ShowInfo texts, the library's too
    std::vector<std::string> questions;  // AskYesNo texts
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<std::string> settingWrites;         // "name=value", in order
    std::vector<std::vector<std::string>> started;  // program, then arguments
    std::vector<std::string> startedIn;             // the working folder of each
    std::vector<std::string> removed;               // RemoveFile names
    int waitCursorShows = 0;
    int waitCursorDepth = 0;  // Begin minus End; 0 when balanced

    // The settings store: a value is a text or a number.
    std::map<std::string, std::variant<std::string, int>> settings;

    void ShowInfo(const std::string& text) override { infos.push_back(text); }

    bool AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (yesNoAnswers.empty()) return false;
        const bool yes = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return yes;
    }

    bool OpenFileName(const FileDialogRequest& request, std::string& path) override
    {
        openRequests.push_back(request);
        return Answer(openAnswers, path);
    }

    bool SaveFileName(const FileDialogRequest& request, std::string& path) override
    {
        saveRequests.push_back(request);
        return Answer(saveAnswers, path);
    }

    std::string WorkingFolder() override { return std::filesystem::current_path().string(); }

    bool SetWorkingFolder(const std::string& folder) override
    {
        std::error_code error;
        std::filesystem::current_path(folder, error);
        return !error;
    }

    void BeginWaitCursor() override
    {
        ++waitCursorShows;
        ++waitCursorDepth;
    }
    void EndWaitCursor() override { --waitCursorDepth; }

    bool QuerySettingString(const std::string& name, std::string& value) override
    {
        const auto it = settings.find(name);
        if (!settingsWork || it == settings.end()) return false;
        const std::string* text = std::get_if<std::string>(&it->second);
        if (!text) return false;
        value = *text;
        return true;
    }

    bool QuerySettingNumber(const std::string& name, int& value) override
    {
        const auto it = settings.find(name);
        if (!settingsWork || it == settings.end()) return false;
        const int* number = std::get_if<int>(&it->second);
        if (!number) return false;
        value = *number;
        return true;
    }

    bool StoreSettingString(const std::string& name, const std::string& value) override
    {
        if (!settingsWork) return false;
        settings[name] = value;
        settingWrites.push_back(name + "=" + value);
        return true;
    }

    bool StoreSettingNumber(const std::string& name, int value) override
    {
        if (!settingsWork) return false;
        settings[name] = value;
        settingWrites.push_back(name + "=" + std::to_string(value));
        return true;
    }

    StartResult StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& folder) override
    {
        startedIn.push_back(folder);
        started.push_back({program});
        started.back().insert(started.back().end(), arguments.begin(), arguments.end());
        return startResult;
    }

    std::string ProgramBesideEditor(const std::string& name) override
    {
        if (editorFolder.empty()) return "";
        const std::filesystem::path path = std::filesystem::path(editorFolder) / name;
        std::error_code error;
        return std::filesystem::is_regular_file(path, error) ? path.string() : "";
    }

    // Programs have no extension, as on the systems the tests run on.
    ProgramFileTypes ProgramTypes() override { return {{{"Tutti i file (*)", "*"}}, ""}; }

    std::string NameForMessage(const std::string& name) override { return name; }
    bool IsFile(const std::string& path) override
    {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
    }

    bool CreateTempFile(const std::string& folder, std::string& name) override
    {
        if (!tempFileWorks || (folder == "." && !currentFolderWritable)) return false;
        for (unsigned number = 1; number < 0x10000; ++number) {
            char candidate[32];
            std::snprintf(candidate, sizeof candidate, "$QV%X.TMP", number);
            const std::string path =
                folder == "." ? candidate : (std::filesystem::path(folder) / candidate).string();
            if (std::FILE* file = std::fopen(path.c_str(), "wx")) {
                std::fclose(file);
                name = path;
                return true;
            }
        }
        return false;
    }

    std::string TempFolder() override { return tempFolder; }

    void RemoveFile(const std::string& name) override
    {
        removed.push_back(name);
        std::error_code error;
        std::filesystem::remove(name, error);
    }

    bool CopyFile(const std::string& from, const std::string& to) override
    {
        std::error_code error;
        return std::filesystem::copy_file(from, to, error) && !error;
    }

    int ProcessId() override { return processId; }
    bool IsProcessRunning(int id) override { return id == processId || runningProcesses.count(id) > 0; }

private:
    bool Answer(std::deque<std::optional<std::string>>& answers, std::string& path)
    {
        if (dialogBrowsesTo) SetWorkingFolder(*dialogBrowsesTo);
        if (answers.empty()) return false;
        const std::optional<std::string> answer = answers.front();
        answers.pop_front();
        if (!answer) return false;
        path = *answer;
        return true;
    }
};

// The scripted platform, the application over it, and the file library's
// messages shown through it, so that they land in platform.infos too.
struct ScriptedEditor {
    ScriptedPlatform platform;
    Application app{platform, platform, platform, platform};
};

// The fixture of the tests that drive one editor: a ScriptedEditor, and its
// platform and application under short names.
class ScriptedEditorTest : public testing::Test {
protected:
    ScriptedEditor editor;
    ScriptedPlatform& platform = editor.platform;
    Application& app = editor.app;
};

// A fresh empty folder for one test, made the process's working folder; the
// previous working folder comes back and the folder is removed at the end.
class ScratchDirectory {
public:
    // The folder is the current folder of app too, which was made before.
    explicit ScratchDirectory(Application& app) : ScratchDirectory() { app.ChangeFolder(path_.string()); }
    ScratchDirectory() : previous_(std::filesystem::current_path())
    {
        std::random_device random;
        for (;;) {
            path_ = std::filesystem::temp_directory_path() / ("qv-editor-" + std::to_string(random()));
            if (std::filesystem::create_directory(path_)) break;
        }
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory()
    {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
        std::filesystem::remove_all(path_, error);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // path_ / name, as text.
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace quadrivo::editor

#endif
