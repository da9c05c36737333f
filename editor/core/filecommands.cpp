#include "editor/core/filecommands.h"

#include <cerrno>
#include <vector>

#include "editor/core/application.h"
#include "editor/core/currentfolderscope.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/translate.h"

namespace quadrivo::editor {

namespace {

// Shows the wait cursor for the lifetime of the guard.
class WaitCursor {
public:
    explicit WaitCursor(Dialogs& dialogs) : dialogs_(dialogs) { dialogs_.BeginWaitCursor(); }
    ~WaitCursor() { dialogs_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Dialogs& dialogs_;
};

std::size_t NamePartStart(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? 0 : slash + 1;
}

// What the open and save dialogs have in common.
FileDialogRequest TestRequest(const Application& app, const char* title)
{
    FileDialogRequest request;
    request.title = title;
    request.filters = {{QT_TRANSLATE_NOOP("FileCommands", "Questionari (*.tst)"), "*.tst"},
                       {QT_TRANSLATE_NOOP("FileCommands", "Tutti i file (*.*)"), "*.*"}};
    request.defaultExtension = "tst";
    request.folder = app.CurrentFolder();
    request.proposed = app.fileBuffer;
    return request;
}

void RestoreSavedDirectory(Application& app)
{
    if (!app.savedDirectory.empty()) app.ChangeFolder(app.savedDirectory);
}

enum class TestDialog { Open, Save };

// Asks for a questionnaire's path: true with the choice in app.fileBuffer
// and its folder current, the folder current before kept in
// app.savedDirectory.
bool AskTestPath(Application& app, TestDialog dialog)
{
    app.savedDirectory = app.CurrentFolder();
    std::string path;
    const bool chosen = dialog == TestDialog::Open ? app.dialogs.OpenFileName(OpenTestRequest(app), path)
                                                   : app.dialogs.SaveFileName(SaveTestRequest(app), path);
    if (!chosen) return false;
    app.fileBuffer = path.substr(0, Application::kPathCapacity - 1);
    const std::size_t nameStart = NamePartStart(path);
    if (nameStart > 0) app.ChangeFolder(path.substr(0, nameStart));
    return true;
}

// Writes currentTest to its TestFileName, replacing the file; what went
// wrong is shown in one box.
bool WriteCurrentTest(Application& app)
{
    // The test itself is whole, whatever an earlier refusal left in it.
    Application::ClearReportedError(app.currentTest);
    bool written;
    std::string reports;
    {
        CurrentFolderScope inFolder(app);
        GatheredReports gathered(app.errorReporter);
        errno = 0;
        written = app.currentTest.SaveTo(app.currentTest.TestFileName(), 1) == 0;
        reports = gathered.Text();
    }
    if (!reports.empty()) ShowInfo(app, reports);
    return written;
}

// One box for everything one load said: the library's messages, headed by
// the file's name when none of them gives it; the name alone when the
// library said nothing.
void ShowLoadReports(Application& app, const std::string& path, const std::vector<std::string>& messages,
                     bool loaded)
{
    if (messages.empty() && loaded) return;
    const std::string name = FileNamePart(path);
    bool named = false;
    std::string text;
    for (const std::string& message : messages) {
        named = named || message.find(name) != std::string::npos;
        text += "\r\n" + message;
    }
    if (!named)
        text = FilledIn(text.empty()
                            ? QT_TRANSLATE_NOOP("FileCommands", "Non riesco a caricare il file \"%1\".")
                            : QT_TRANSLATE_NOOP("FileCommands", "Non riesco a caricare il file \"%1\":%2"),
                        {app.files.NameForMessage(path), text});
    else
        text.erase(0, 2);
    ShowInfo(app, text);
}

}  // namespace

std::string FileNamePart(const std::string& path)
{
    return path.substr(NamePartStart(path));
}

FileDialogRequest OpenTestRequest(const Application& app)
{
    FileDialogRequest request = TestRequest(app, QT_TRANSLATE_NOOP("FileCommands", "Apri questionario..."));
    request.mustExist = true;
    request.maxPath = 510;
    return request;
}

FileDialogRequest SaveTestRequest(const Application& app)
{
    FileDialogRequest request = TestRequest(app, QT_TRANSLATE_NOOP("FileCommands", "Salva questionario..."));
    request.overwritePrompt = true;
    request.maxPath = 240;
    return request;
}

bool LoadCommand(Application& app)
{
    const std::string proposed = app.fileBuffer;
    if (!AskTestPath(app, TestDialog::Open)) return false;
    // AskTestPath has made the file's folder current.
    if (LoadTestFile(app, app.fileBuffer, false)) return true;
    // A later Salva come... must not propose the file that failed.
    app.fileBuffer = proposed;
    return false;
}

bool LoadTestFile(Application& app, const std::string& path, bool changeDirectory)
{
    const std::size_t nameStart = NamePartStart(path);
    std::string name = path.substr(nameStart);
    bool loaded = false;
    std::vector<std::string> messages;
    {
        WaitCursor wait(app.dialogs);
        GatheredReports gathered(app.errorReporter);
        if (changeDirectory && nameStart > 0) {
            app.savedDirectory = app.CurrentFolder();
            // When the folder cannot be entered, the whole path is read, so
            // that a file of the same name in the start-up folder is never
            // taken for it and the loader names the path it could not open.
            if (!app.ChangeFolder(path.substr(0, nameStart))) name = path;
        }
        CurrentFolderScope inFolder(app);
        CTest test(&app.errorReporter, CStringa(path.c_str()), CStringa(name.c_str()));
        if (test.Error() == 0) {
            app.currentTest = test;
            // Assignment leaves the form of the file alone: a scrambled
            // questionnaire is saved back scrambled.
            app.currentTest.SetScrambled(test.IsScrambled());
            loaded = true;
        }
        messages = gathered.Messages();
    }
    ShowLoadReports(app, path, messages, loaded);
    if (!loaded) {
        Application::ClearReportedError(app.currentTest);
        RestoreSavedDirectory(app);
        return false;
    }
    app.modified = 0;
    app.history.Clear();
    return true;
}

bool SaveCommand(Application& app)
{
    if (!HasFileName(app.currentTest)) return SaveAsCommand(app);
    if (!WriteCurrentTest(app)) return false;
    app.modified = 0;
    app.history.MarkSaved();
    return true;
}

bool SaveAsCommand(Application& app)
{
    if (!AskTestPath(app, TestDialog::Save)) return false;
    return SaveTestFile(app, app.fileBuffer);
}

bool SaveTestFile(Application& app, const std::string& path)
{
    const CStringa previousName = app.currentTest.GetPathName();
    bool written;
    {
        WaitCursor wait(app.dialogs);
        app.currentTest.SetPathName(CStringa(path.c_str()));
        written = WriteCurrentTest(app);
    }
    if (written) {
        app.modified = 0;
        app.history.MarkSaved();
        return true;
    }
    app.currentTest.SetPathName(previousName);
    RestoreSavedDirectory(app);
    Application::ClearReportedError(app.currentTest);
    return false;
}

}  // namespace quadrivo::editor
