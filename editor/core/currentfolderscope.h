#ifndef QUADRIVO_EDITOR_CORE_CURRENTFOLDERSCOPE_H
#define QUADRIVO_EDITOR_CORE_CURRENTFOLDERSCOPE_H

#include <string>

namespace quadrivo::editor {

class Application;
class Files;

// The editor keeps its current folder itself (Application::CurrentFolder),
// but the file library and Files take a relative name in the process's
// working folder. For as long as a scope lives, the process's working
// folder is the editor's current one, so that a test's bare name is read,
// written and deleted where the editor means it; the working folder before
// the scope comes back at its end. Not copyable.
class CurrentFolderScope {
public:
    explicit CurrentFolderScope(Application& app);
    ~CurrentFolderScope();
    CurrentFolderScope(const CurrentFolderScope&) = delete;
    CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

private:
    Files& files_;
    std::string previous_;
};

}  // namespace quadrivo::editor

#endif
