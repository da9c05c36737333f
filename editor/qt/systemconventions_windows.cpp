#include <QSettings>

#include "editor/qt/systemconventions.h"

namespace quadrivo::editor {

std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Pellastro"),
                                       QSettings::NativeFormat);
}

void AdaptEveryFilePattern(QString&, QString&) {}

ProgramFileTypes SystemProgramTypes()
{
    return {{{"Eseguibili(*.exe)", "*.exe"}, {"Tutti i file (*.*)", "*.*"}}, "exe"};
}

}  // namespace quadrivo::editor
