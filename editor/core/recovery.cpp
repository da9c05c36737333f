#include "editor/core/recovery.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>

#include "editor/core/application.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/history.h"
#include "editor/core/recentfiles.h"
#include "editor/core/translate.h"

namespace quadrivo::editor {

namespace {

namespace fs = std::filesystem;

const char kPrefix[] = "recupero-";

// The side file: one "key=value" a line.
constexpr char kProcessKey[] = "processo=";
constexpr char kTimeKey[] = "scritto=";
constexpr char kFileKey[] = "file=";

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

// Reads the side file at path into copy; false when it is not one.
bool ReadNote(const fs::path& path, RecoveryCopy& copy)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bool hasProcess = false;
    bool hasTime = false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            if (StartsWith(line, kProcessKey)) {
                copy.processId = std::stoi(line.substr(sizeof kProcessKey - 1));
                hasProcess = true;
            } else if (StartsWith(line, kTimeKey)) {
                copy.writtenAt = static_cast<std::time_t>(std::stoll(line.substr(sizeof kTimeKey - 1)));
                hasTime = true;
            } else if (StartsWith(line, kFileKey)) {
                copy.originalPath = line.substr(sizeof kFileKey - 1);
            }
        } catch (const std::exception&) {
            return false;
        }
    }
    return hasProcess && hasTime && copy.processId > 0;
}

// Replaces the file at path by text in one step: written beside it, then
// renamed over it, so that a crash leaves the old side file or the new one.
bool ReplaceNote(const fs::path& path, const std::string& text)
{
    fs::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (!error) return true;
    fs::remove(temporary, error);
    return false;
}

std::string WrittenAtText(std::time_t when)
{
    char text[64] = "";
    if (const std::tm* local = std::localtime(&when))
        std::strftime(text, sizeof text, QT_TRANSLATE_NOOP("Recovery", "%d/%m/%Y alle %H:%M"), local);
    return text;
}

}  // namespace

Recovery::Recovery(Application& app, std::string folder) : app_(app), folder_(std::move(folder))
{
    // A copy under this process's number was left by an editor that had
    // the same number before: it is set aside for the offer, never
    // overwritten.
    std::error_code error;
    if (!fs::exists(NotePath(), error)) return;
    const std::string aside = std::string(kPrefix) + std::to_string(app_.files.ProcessId()) + "-" +
                              std::to_string(static_cast<long long>(std::time(nullptr)));
    fs::rename(CopyPath(), fs::path(folder_) / (aside + ".tst"), error);
    fs::rename(NotePath(), fs::path(folder_) / (aside + ".txt"), error);
}

std::string Recovery::CopyPath() const
{
    return (fs::path(folder_) / (kPrefix + std::to_string(app_.files.ProcessId()) + ".tst")).string();
}

std::string Recovery::NotePath() const
{
    return (fs::path(folder_) / (kPrefix + std::to_string(app_.files.ProcessId()) + ".txt")).string();
}

bool Recovery::Keep()
{
    if (app_.modified == 0) {
        Remove();
        return true;
    }
    std::error_code error;
    fs::create_directories(folder_, error);

    // A copy of the test is written, so that its name and error code stay
    // as they are; the library's messages go nowhere, as nobody asked for
    // this save.
    CTest copy(app_.currentTest);
    copy.SetScrambled(app_.currentTest.IsScrambled());
    copy.SetError(0);
    int code;
    {
        GatheredReports quiet(app_.errorReporter);
        code = copy.SaveTo(CStringa(CopyPath().c_str()), 1);
    }
    if (code != 0) return false;

    std::string original = CurrentTestPath(app_);
    // A line break in the name would end the line early: such a file is
    // offered as a questionnaire never saved.
    if (original.find_first_of("\r\n") != std::string::npos) original.clear();
    std::ostringstream note;
    note << kProcessKey << app_.files.ProcessId() << "\n"
         << kTimeKey << static_cast<long long>(std::time(nullptr)) << "\n"
         << kFileKey << original << "\n";
    return ReplaceNote(NotePath(), note.str());
}

void Recovery::Remove()
{
    // The side file goes first: a copy without it is never offered.
    app_.files.RemoveFile(NotePath());
    app_.files.RemoveFile(CopyPath());
}

std::vector<RecoveryCopy> Recovery::LeftOver() const
{
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    const int own = app_.files.ProcessId();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        const fs::path& path = entry.path();
        if (path.extension() != ".txt" || !StartsWith(path.filename().string(), kPrefix)) continue;
        if (path == fs::path(NotePath())) continue;
        RecoveryCopy copy;
        if (!ReadNote(path, copy)) continue;
        // A note with this editor's number was set aside at start: its
        // editor has gone.
        if (copy.processId != own && app_.files.IsProcessRunning(copy.processId)) continue;
        copy.notePath = path.string();
        copy.copyPath = fs::path(path).replace_extension(".tst").string();
        if (!app_.files.IsFile(copy.copyPath)) continue;
        copies.push_back(std::move(copy));
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.writtenAt > b.writtenAt; });
    return copies;
}

bool Recovery::Restore(const RecoveryCopy& copy)
{
    // Taken over by a rename: of two editors starting at once, one gets it.
    std::error_code error;
    fs::rename(copy.copyPath, CopyPath(), error);
    if (error) {
        ShowInfo(app_, QT_TRANSLATE_NOOP("Recovery",
                                         "Il questionario non salvato non \u00e8 pi\u00f9 disponibile."));
        return false;
    }
    const CStringa copyPath(CopyPath().c_str());
    std::optional<CTest> recovered;
    std::string reports;
    {
        GatheredReports gathered(app_.errorReporter);
        recovered.emplace(&app_.errorReporter, copyPath, copyPath);
        reports = gathered.Text();
    }
    if (recovered->Error() != 0) {
        // Given back, so that it is offered again.
        fs::rename(CopyPath(), copy.copyPath, error);
        ShowInfo(app_, QT_TRANSLATE_NOOP("Recovery", "Non riesco a leggere il questionario non salvato.") +
                           (reports.empty() ? "" : "\r\n" + reports));
        return false;
    }

    // The step recorded below goes from what the file holds, when it still
    // loads, to the copy: Annulla shows the saved questionnaire.
    CTest base(&app_.errorReporter);
    CStringa pathName;
    if (!copy.originalPath.empty()) {
        const fs::path original(copy.originalPath);
        pathName = app_.ChangeFolder(original.parent_path().string())
                       ? CStringa(original.filename().string().c_str())
                       : CStringa(copy.originalPath.c_str());
        if (app_.files.IsFile(copy.originalPath)) {
            GatheredReports quiet(app_.errorReporter);
            const CStringa path(copy.originalPath.c_str());
            CTest onDisk(&app_.errorReporter, path, path);
            if (onDisk.Error() == 0) {
                base = onDisk;
                base.SetScrambled(onDisk.IsScrambled());
            }
        }
    }
    app_.currentTest = base;
    app_.currentTest.SetScrambled(base.IsScrambled());
    app_.currentTest.SetPathName(pathName);
    app_.currentTest.SetError(0);
    app_.modified = 0;
    app_.history.Clear();

    DocumentEdit edit(app_, QT_TRANSLATE_NOOP("Recovery", "Ripristino"));
    app_.currentTest = *recovered;
    app_.currentTest.SetScrambled(recovered->IsScrambled());
    app_.currentTest.SetPathName(pathName);
    app_.currentTest.SetError(0);
    edit.Finish();

    app_.files.RemoveFile(copy.notePath);
    // From now on the copy is this editor's, under its own side file.
    Keep();
    return true;
}

void Recovery::Discard(const RecoveryCopy& copy)
{
    app_.files.RemoveFile(copy.notePath);
    app_.files.RemoveFile(copy.copyPath);
}

std::string RecoveryOfferText(Application& app, const RecoveryCopy& copy)
{
    const std::string file =
        copy.originalPath.empty()
            ? std::string(QT_TRANSLATE_NOOP("Recovery", "un questionario nuovo, mai salvato"))
            : "\"" + app.files.NameForMessage(copy.originalPath) + "\"";
    return FilledIn(
        QT_TRANSLATE_NOOP("Recovery",
                          "\u00c8 stato trovato un questionario non salvato, rimasto da una sessione "
                          "che non si \u00e8 chiusa normalmente.\r\n\r\nFile: %1\r\nScritto il "
                          "%2\r\n\r\nRipristina lo apre con le modifiche non salvate; Scarta lo "
                          "cancella."),
        {file, WrittenAtText(copy.writtenAt)});
}

}  // namespace quadrivo::editor
