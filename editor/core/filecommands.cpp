#include "editor/core/filecommands.h"

#include "editor/core/application.h"
#include "editor/core/frame.h"

namespace {

// Shows the wait cursor for the lifetime of the guard.
class WaitCursor {
public:
    explicit WaitCursor(Platform& platform) : platform_(platform) { platform_.BeginWaitCursor(); }
    ~WaitCursor() { platform_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Platform& platform_;
};

std::size_t NamePartStart(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? 0 : slash + 1;
}

std::vector<FileFilter> TestFilters()
{
    return {{"Questionari (*.tst)", "*.tst"}, {"Tutti i file (*.*)", "*.*"}};
}

void RestoreSavedDirectory(Application& app)
{
    if (!app.savedDirectory.empty()) app.platform.SetCurrentDirectory(app.savedDirectory);
}

// Writes currentTest to its TestFileName, replacing the file.
bool WriteCurrentTest(Application& app)
{
    // A code left by an earlier refused operation (a question beyond the
    // limit) would make every save return at once without a word; the test
    // itself is whole, so it is written.
    app.currentTest.SetError(0);
    return app.currentTest.SaveTo(app.currentTest.TestFileName(), 1) == 0;
}

}  // namespace

std::string FileNamePart(const std::string& path)
{
    return path.substr(NamePartStart(path));
}

FileDialogRequest OpenTestRequest(const Application& app)
{
    FileDialogRequest request;
    request.title = "Apri questionario...";
    request.filters = TestFilters();
    request.defaultExtension = "tst";
    request.proposed = app.fileBuffer;
    request.mustExist = true;
    request.maxPath = 510;
    return request;
}

FileDialogRequest SaveTestRequest(const Application& app)
{
    FileDialogRequest request;
    request.title = "Salva questionario...";
    request.filters = TestFilters();
    request.defaultExtension = "tst";
    request.proposed = app.fileBuffer;
    request.overwritePrompt = true;
    request.maxPath = 240;
    return request;
}

bool LoadCommand(Application& app)
{
    app.savedDirectory = app.platform.CurrentDirectory();
    std::string path;
    if (!app.platform.OpenFileName(OpenTestRequest(app), path)) {
        RestoreSavedDirectory(app);
        return false;
    }
    // The dialog has made the file's folder current.
    app.fileBuffer = path.substr(0, Application::kPathCapacity - 1);
    return LoadTestFile(app, app.fileBuffer, false);
}

bool LoadTestFile(Application& app, const std::string& path, bool changeDirectory)
{
    const std::size_t nameStart = NamePartStart(path);
    std::string name = path.substr(nameStart);
    bool loaded = false;
    {
        WaitCursor wait(app.platform);
        if (changeDirectory && nameStart > 0) {
            app.savedDirectory = app.platform.CurrentDirectory();
            // When the folder cannot be entered, the whole path is read, so
            // that a file of the same name in the start-up folder is never
            // taken for it and the loader names the path it could not open.
            if (!app.platform.SetCurrentDirectory(path.substr(0, nameStart))) name = path;
        }
        CTest test(&app.errorReporter, CStringa(path.c_str()), CStringa(name.c_str()));
        if (test.Error() == 0) {
            app.currentTest = test;
            loaded = true;
        }
    }
    if (!loaded) {
        app.currentTest.SetError(0);
        RestoreSavedDirectory(app);
        return false;
    }
    app.modified = 0;
    return true;
}

bool SaveCommand(Application& app)
{
    if (!HasFileName(app.currentTest)) return SaveAsCommand(app);
    if (!WriteCurrentTest(app)) return false;
    app.modified = 0;
    return true;
}

bool SaveAsCommand(Application& app)
{
    app.savedDirectory = app.platform.CurrentDirectory();
    std::string path;
    if (!app.platform.SaveFileName(SaveTestRequest(app), path)) {
        RestoreSavedDirectory(app);
        return false;
    }
    app.fileBuffer = path.substr(0, Application::kPathCapacity - 1);
    return SaveTestFile(app, app.fileBuffer);
}

bool SaveTestFile(Application& app, const std::string& path)
{
    const CStringa previousName = app.currentTest.GetPathName();
    bool written;
    {
        WaitCursor wait(app.platform);
        app.currentTest.SetPathName(CStringa(path.c_str()));
        written = WriteCurrentTest(app);
    }
    if (written) {
        app.modified = 0;
        return true;
    }
    app.currentTest.SetPathName(previousName);
    RestoreSavedDirectory(app);
    app.currentTest.SetError(0);
    return false;
}
