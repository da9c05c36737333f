#include "editor/core/application.h"

#include "editor/core/currentfolderscope.h"
#include "editor/core/files.h"

namespace quadrivo::editor {

Application::Application(Dialogs& dialogs, SettingsStore& settings, ProgramLauncher& programs, Files& files)
    : dialogs(dialogs),
      settings(settings),
      programs(programs),
      files(files),
      currentFolder_(files.WorkingFolder())
{
}

void Application::ClearReportedError(CTest& test)
{
    test.SetError(0);
}

bool Application::ChangeFolder(const std::string& folder)
{
    // Entered from the current folder, the system resolves a relative
    // folder and gives back its absolute path.
    CurrentFolderScope scope(*this);
    if (!files.SetWorkingFolder(folder)) return false;
    currentFolder_ = files.WorkingFolder();
    return true;
}

}  // namespace quadrivo::editor
