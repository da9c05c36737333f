#include "editor/qt/processes.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#else
#include <signal.h>

#include <cerrno>
#endif

namespace quadrivo::editor {

bool ProcessRunning(int id)
{
    if (id <= 0) return false;
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    // A process that may not be asked about is there all the same.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD status = 0;
    const bool running = GetExitCodeProcess(process, &status) && status == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    // Signal 0 only asks: a process of another user answers EPERM.
    return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
#endif
}

}  // namespace quadrivo::editor
