#include "editor/core/runner.h"

#include "editor/core/application.h"
#include "editor/core/currentfolderscope.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/programlauncher.h"
#include "editor/core/settings.h"
#include "editor/core/translate.h"

namespace quadrivo::editor {

namespace {

constexpr std::size_t kProgramCapacity = 512;

}  // namespace

std::optional<std::string> RunnerProgram(SettingsStore& settings)
{
    return ReadSettingString(settings, "command", "quadrivo");
}

ProgramCall RunnerCall(Application& app, const std::string& field)
{
    ProgramCall call;
    if (CurrentFolderScope inFolder(app); app.files.IsFile(field)) {
        call.program = field;
        return call;
    }
    std::vector<std::string> words = SplitCommandLine(field);
    if (words.empty()) return call;
    call.program = words.front();
    call.arguments.assign(words.begin() + 1, words.end());
    if (call.program.find_first_of("/\\") == std::string::npos) {
        const std::string beside = app.programs.ProgramBesideEditor(call.program);
        if (!beside.empty()) call.program = beside;
    }
    return call;
}

std::string RunnerCommandLine(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::string line;
    for (const std::string& word : words) {
        const bool quote = word.empty() || word.find_first_of(" \t\"") != std::string::npos;
        if (!line.empty()) line += ' ';
        line += quote ? "\"" + word + "\"" : word;
    }
    return line.substr(0, Application::kTextCapacity - 1);
}

void RunProgram(Application& app, const std::optional<std::string>& opened, const std::string& typed,
                const std::vector<std::string>& arguments)
{
    const std::string field = typed.substr(0, kProgramCapacity - 1);
    if (!opened || field != *opened) WriteSettingString(app.settings, "command", field);
    ProgramCall call = RunnerCall(app, field);
    call.arguments.insert(call.arguments.end(), arguments.begin(), arguments.end());
    const StartResult result =
        call.program.empty() ? StartResult::NotFound
                             : app.programs.StartProgram(call.program, call.arguments, app.CurrentFolder());
    if (result == StartResult::Started) return;
    std::string message =
        FilledIn(QT_TRANSLATE_NOOP("Runner", "Errore nell'eseguire il comando\r\n%1"),
                 {app.files.NameForMessage(RunnerCommandLine(call.program, call.arguments))});
    if (result == StartResult::NotFound)
        message += FilledIn(QT_TRANSLATE_NOOP("Runner",
                                              "\r\nIl programma \"%1\" non \u00e8 stato trovato: si pu\u00f2 "
                                              "indicare in \"Esegui con...\"."),
                            {app.files.NameForMessage(field)});
    ShowInfo(app, message);
}

FileDialogRequest ChooseProgramRequest(const Application& app)
{
    FileDialogRequest request;
    request.title = QT_TRANSLATE_NOOP("Runner", "Scegli programma...");
    ProgramFileTypes types = app.programs.ProgramTypes();
    request.filters = std::move(types.filters);
    request.defaultExtension = std::move(types.defaultExtension);
    request.folder = app.CurrentFolder();
    request.proposed = app.programChoice;
    request.maxPath = 510;
    return request;
}

std::optional<std::string> ChooseProgram(Application& app)
{
    std::string path;
    const bool chosen = app.dialogs.OpenFileName(ChooseProgramRequest(app), path);
    if (!chosen) return std::nullopt;
    app.programChoice = path.substr(0, kProgramCapacity - 1);
    return app.programChoice;
}

}  // namespace quadrivo::editor
