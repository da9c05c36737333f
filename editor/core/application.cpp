#include "editor/core/application.h"

Application::Application(Dialogs& dialogs, SettingsStore& settings, ProgramLauncher& programs, Files& files)
    : dialogs(dialogs), settings(settings), programs(programs), files(files)
{
}
