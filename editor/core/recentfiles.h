#ifndef QUADRIVO_EDITOR_CORE_RECENTFILES_H
#define QUADRIVO_EDITOR_CORE_RECENTFILES_H

#include <string>
#include <vector>

namespace quadrivo::editor {

class Application;
class SettingsStore;

// The questionnaires opened or saved last, newest first, kept in the
// settings as "recent1" to "recent8" (absolute paths in the system's own
// encoding).
constexpr std::size_t kRecentFiles = 8;
std::vector<std::string> ReadRecentFiles(SettingsStore& store);
// Puts path first, once; the oldest beyond kRecentFiles drop out.
void AddRecentFile(SettingsStore& store, const std::string& path);
void RemoveRecentFile(SettingsStore& store, const std::string& path);

// The absolute path of currentTest's file; empty for a test without a file
// name.
std::string CurrentTestPath(const Application& app);

// File, a recent file: after ConfirmDiscard, loads path changing to its
// folder. A file that no longer loads leaves the list. True when loaded.
bool OpenRecentFile(Application& app, const std::string& path);

}  // namespace quadrivo::editor

#endif
