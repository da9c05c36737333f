#include "editor/core/currentfolderscope.h"

#include "editor/core/application.h"
#include "editor/core/files.h"

namespace quadrivo::editor {

CurrentFolderScope::CurrentFolderScope(Application& app)
    : files_(app.files), previous_(files_.WorkingFolder())
{
    files_.SetWorkingFolder(app.CurrentFolder());
}

CurrentFolderScope::~CurrentFolderScope()
{
    files_.SetWorkingFolder(previous_);
}

}  // namespace quadrivo::editor
