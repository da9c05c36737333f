#include <signal.h>

#include <QCoreApplication>
#include <QSettings>
#include <cerrno>

#include "editor/qt/systemconventions.h"
#include "translations/language.h"

namespace quadrivo::editor {

std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Pellastro"), QString());
}

void AdaptEveryFilePattern(QString& label, QString& pattern)
{
    if (pattern != QLatin1String("*.*")) return;
    pattern = QStringLiteral("*");
    label.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
}

ProgramFileTypes SystemProgramTypes()
{
    // Programs here have no extension: a first filter of "*.exe" would hide
    // them all, and a default extension would be added to a typed name.
    return {{{language::CoreText(QCoreApplication::translate("QtPlatform", "Tutti i file (*)")), "*"}}, ""};
}

bool ProcessRunning(int id)
{
    if (id <= 0) return false;
    // Signal 0 only asks: a process of another user answers EPERM.
    return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

}  // namespace quadrivo::editor
