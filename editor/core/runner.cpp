#include "editor/core/runner.h"

#include "editor/core/application.h"
#include "editor/core/frame.h"
#include "editor/core/settings.h"

namespace {

constexpr std::size_t kProgramCapacity = 512;

}  // namespace

std::optional<std::string> RunnerProgram(Platform& platform)
{
    return ReadSettingString(platform, "command", "quadrivo");
}

std::string RunnerCommandLine(const std::string& program, const std::string& argument)
{
    return (program + " " + argument).substr(0, Application::kTextCapacity - 1);
}

void RunProgram(Application& app, const std::optional<std::string>& opened, const std::string& typed,
                const std::string& argument)
{
    const std::string program = typed.substr(0, kProgramCapacity - 1);
    if (!opened || program != *opened) WriteSettingString(app.platform, "command", program);
    const std::string commandLine = RunnerCommandLine(program, argument);
    if (!app.platform.StartProgram(commandLine))
        ShowInfo(app, "Errore nell'eseguire il comando\r\n" + commandLine);
}

FileDialogRequest ChooseProgramRequest(const Application& app)
{
    FileDialogRequest request;
    request.title = "Scegli programma...";
#ifdef _WIN32
    request.filters = {{"Eseguibili(*.exe)", "*.exe"}, {"Tutti i file (*.*)", "*.*"}};
    request.defaultExtension = "exe";
#else
    // Programs here have no extension: a first filter of "*.exe" would hide
    // them all, and a default extension would be added to a typed name.
    request.filters = {{"Tutti i file (*)", "*"}};
#endif
    request.proposed = app.programChoice;
    request.maxPath = 510;
    return request;
}

std::optional<std::string> ChooseProgram(Application& app)
{
    const std::string saved = app.platform.CurrentDirectory();
    std::string path;
    const bool chosen = app.platform.OpenFileName(ChooseProgramRequest(app), path);
    app.platform.SetCurrentDirectory(saved);
    if (!chosen) return std::nullopt;
    app.programChoice = path.substr(0, kProgramCapacity - 1);
    return app.programChoice;
}
