#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <QCoreApplication>
#include <QSettings>

#include "editor/qt/systemconventions.h"
#include "translations/language.h"

namespace quadrivo::editor {

std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Pellastro"),
                                       QSettings::NativeFormat);
}

void AdaptEveryFilePattern(QString&, QString&) {}

ProgramFileTypes SystemProgramTypes()
{
    return {{{language::CoreText(QCoreApplication::translate("QtPlatform", "Eseguibili(*.exe)")), "*.exe"},
             {language::CoreText(QCoreApplication::translate("QtPlatform", "Tutti i file (*.*)")), "*.*"}},
            "exe"};
}

bool ProcessRunning(int id)
{
    if (id <= 0) return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    // A process that may not be asked about is there all the same.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD status = 0;
    const bool running = GetExitCodeProcess(process, &status) && status == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

}  // namespace quadrivo::editor
