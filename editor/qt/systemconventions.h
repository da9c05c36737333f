#ifndef QUADRIVO_EDITOR_QT_SYSTEMCONVENTIONS_H
#define QUADRIVO_EDITOR_QT_SYSTEMCONVENTIONS_H

#include <QString>
#include <memory>

#include "editor/core/programlauncher.h"

class QSettings;

namespace quadrivo::editor {

// What differs between the systems the Qt editor runs on. One
// implementation file per system (systemconventions_posix.cpp,
// systemconventions_windows.cpp); the build compiles its target's.

// The store of the user's settings: the key "SOFTWARE\Pellastro" of the
// current user on Windows, elsewhere Pellastro.ini in the user's
// configuration folder.
std::unique_ptr<QSettings> UserSettings();

// The pattern of a file dialog's filter as this system writes it: "*.*"
// stands for every file on Windows only, elsewhere it becomes "*", in the
// label too.
void AdaptEveryFilePattern(QString& label, QString& pattern);

// How programs are named here, for the dialog that picks the test runner.
ProgramFileTypes SystemProgramTypes();

// Whether a process of that number runs on this machine now, whoever owns
// it.
bool ProcessRunning(int id);

}  // namespace quadrivo::editor

#endif
