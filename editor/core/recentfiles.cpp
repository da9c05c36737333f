#include "editor/core/recentfiles.h"

#include <algorithm>
#include <filesystem>

#include "editor/core/application.h"
#include "editor/core/filecommands.h"
#include "editor/core/frame.h"
#include "editor/core/settingsstore.h"

namespace quadrivo::editor {

namespace {

std::string SettingName(std::size_t i)
{
    return "recent" + std::to_string(i + 1);
}

void WriteRecentFiles(SettingsStore& store, const std::vector<std::string>& files)
{
    for (std::size_t i = 0; i < kRecentFiles; ++i)
        store.StoreSettingString(SettingName(i), i < files.size() ? files[i] : std::string());
}

}  // namespace

std::vector<std::string> ReadRecentFiles(SettingsStore& store)
{
    std::vector<std::string> files;
    for (std::size_t i = 0; i < kRecentFiles; ++i) {
        std::string path;
        if (store.QuerySettingString(SettingName(i), path) && !path.empty() &&
            std::find(files.begin(), files.end(), path) == files.end())
            files.push_back(path);
    }
    return files;
}

void AddRecentFile(SettingsStore& store, const std::string& path)
{
    if (path.empty()) return;
    std::vector<std::string> files = ReadRecentFiles(store);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > kRecentFiles) files.resize(kRecentFiles);
    WriteRecentFiles(store, files);
}

void RemoveRecentFile(SettingsStore& store, const std::string& path)
{
    std::vector<std::string> files = ReadRecentFiles(store);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    WriteRecentFiles(store, files);
}

std::string CurrentTestPath(const Application& app)
{
    if (!HasFileName(app.currentTest)) return "";
    const CStringa name = app.currentTest.TestFileName();
    const std::filesystem::path path(std::string(name.CStr(), name.Length()));
    if (path.is_absolute()) return path.lexically_normal().string();
    return (std::filesystem::path(app.CurrentFolder()) / path).lexically_normal().string();
}

bool OpenRecentFile(Application& app, const std::string& path)
{
    if (!ConfirmDiscard(app)) return false;
    if (LoadTestFile(app, path, true)) return true;
    RemoveRecentFile(app.settings, path);
    return false;
}

}  // namespace quadrivo::editor
