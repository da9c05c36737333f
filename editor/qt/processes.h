#ifndef QUADRIVO_EDITOR_QT_PROCESSES_H
#define QUADRIVO_EDITOR_QT_PROCESSES_H

namespace quadrivo::editor {

// Whether a process of that number runs on this machine now, whoever owns
// it. Kept apart from the rest of the platform because the system's own
// header it needs on Windows renames common functions by macros.
bool ProcessRunning(int id);

}  // namespace quadrivo::editor

#endif
