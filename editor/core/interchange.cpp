#include "editor/core/interchange.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/core/application.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/history.h"
#include "editor/core/translate.h"
#include "model/test.h"
#include "tstfile/filesystem.h"

namespace quadrivo::editor {

namespace {

using interchange::Format;

struct FormatFilter {
    Format format;
    FileFilter filter;
};

const FormatFilter kFilters[] = {
    {Format::Gift, {"GIFT (*.gift)", "*.gift"}},
    {Format::MoodleXml, {"Moodle XML (*.xml)", "*.xml"}},
    {Format::Aiken, {"Aiken (*.txt)", "*.txt"}},
};

std::vector<FileFilter> AvailableFilters()
{
    std::vector<FileFilter> filters;
    for (const FormatFilter& f : kFilters)
        if (interchange::FormatAvailable(f.format)) filters.push_back(f.filter);
    return filters;
}

// A path of the file dialogs, taken in the editor's current folder when
// relative.
std::string InCurrentFolder(const Application& app, const std::string& path)
{
    const std::filesystem::path p(path);
    return p.is_absolute() ? path : (std::filesystem::path(app.CurrentFolder()) / p).string();
}

FileDialogRequest FileRequest(const Application& app, const char* title, std::vector<FileFilter> filters)
{
    FileDialogRequest request;
    request.title = title;
    request.filters = std::move(filters);
    request.folder = app.CurrentFolder();
    return request;
}

// The file's name as the messages show it.
std::string NameOf(Application& app, const std::string& path)
{
    return app.files.NameForMessage(std::filesystem::path(path).filename().string());
}

std::vector<std::string> WarningLines(const std::vector<interchange::Warning>& warnings)
{
    std::vector<std::string> lines;
    for (const interchange::Warning& w : warnings)
        lines.push_back(w.number > 0 ? interchange::WarningLine(w) : w.text);
    return lines;
}

}  // namespace

std::vector<FileFilter> ImportFilters()
{
    std::vector<FileFilter> filters = AvailableFilters();
    filters.push_back({QT_TRANSLATE_NOOP("Interchange", "Tutti i file (*.*)"), "*.*"});
    return filters;
}

std::vector<FileFilter> ExportFilters()
{
    return AvailableFilters();
}

std::string ImageFolder(const Application& app)
{
    if (!HasFileName(app.currentTest)) return app.CurrentFolder();
    const std::filesystem::path file(InCurrentFolder(app, app.currentTest.TestFileName().CStr()));
    return file.parent_path().string();
}

int AppendImported(Application& app, interchange::Imported& imported)
{
    DocumentEdit edit(app, QT_TRANSLATE_NOOP("Interchange", "Importa domande"));
    interchange::SaveImages(imported, ImageFolder(app));
    const int appended = interchange::AppendQuestions(app.currentTest, imported);
    Application::ClearReportedError(app.currentTest);
    edit.Finish();
    return appended;
}

InterchangeReport ImportCommand(Application& app)
{
    InterchangeReport report;
    FileDialogRequest request =
        FileRequest(app, QT_TRANSLATE_NOOP("Interchange", "Importa domande..."), ImportFilters());
    request.mustExist = true;
    std::string path;
    if (!app.dialogs.OpenFileName(request, path)) return report;
    report.ran = true;
    const std::string name = NameOf(app, path);

    std::ifstream in(InCurrentFolder(app, path), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        report.summary =
            FilledIn(QT_TRANSLATE_NOOP("Interchange", "Non riesco a leggere il file \"%1\"."), {name});
        return report;
    }
    app.dialogs.BeginWaitCursor();
    interchange::Imported imported =
        interchange::Import(bytes, interchange::GuessFormat(bytes), &app.errorReporter);
    if (imported.error == 0) report.questions = AppendImported(app, imported);
    app.dialogs.EndWaitCursor();
    report.lines = WarningLines(imported.warnings);
    if (imported.error != 0) {
        report.summary =
            FilledIn(QT_TRANSLATE_NOOP("Interchange", "Nessuna domanda importata da \"%1\": %2."),
                     {name, imported.message});
    } else {
        report.summary = FilledIn(QT_TRANSLATE_NOOP("Interchange", "Domande importate da \"%1\": %2."),
                                  {name, std::to_string(report.questions)});
    }
    return report;
}

InterchangeReport ExportCommand(Application& app)
{
    InterchangeReport report;
    FileDialogRequest request =
        FileRequest(app, QT_TRANSLATE_NOOP("Interchange", "Esporta domande..."), ExportFilters());
    request.defaultExtension = "gift";
    request.overwritePrompt = true;
    std::string path;
    if (!app.dialogs.SaveFileName(request, path)) return report;
    report.ran = true;
    const std::string name = NameOf(app, path);

    const Format format = interchange::FormatOfFileName(path);
    const interchange::Exported exported = interchange::Export(app.currentTest, format, ImageFolder(app));
    report.lines = WarningLines(exported.warnings);
    if (exported.error != 0) {
        report.summary =
            FilledIn(QT_TRANSLATE_NOOP("Interchange", "Nessuna domanda da esportare in \"%1\"."), {name});
        return report;
    }
    const std::string target = InCurrentFolder(app, path);
    if (ReplaceFile(CStringa(target.c_str()), exported.bytes, true) != ReplaceResult::Written) {
        report.summary =
            FilledIn(QT_TRANSLATE_NOOP("Interchange", "Non riesco a scrivere il file \"%1\"."), {name});
        return report;
    }
    report.questions = exported.questions;
    report.summary = FilledIn(QT_TRANSLATE_NOOP("Interchange", "Domande esportate in \"%1\": %2."),
                              {name, std::to_string(exported.questions)});
    return report;
}

}  // namespace quadrivo::editor
