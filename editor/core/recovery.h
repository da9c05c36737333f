#ifndef QUADRIVO_EDITOR_CORE_RECOVERY_H
#define QUADRIVO_EDITOR_CORE_RECOVERY_H

#include <ctime>
#include <string>
#include <vector>

namespace quadrivo::editor {

class Application;

// A recovery copy that an editor left behind when it did not end cleanly.
struct RecoveryCopy {
    std::string copyPath;      // the questionnaire as it stood, "recupero-PID.tst"
    std::string notePath;      // its side file, "recupero-PID.txt"
    std::string originalPath;  // the absolute path of its file; empty for a
                               // questionnaire never saved
    std::time_t writtenAt = 0;
    int processId = 0;
};

// The recovery copies of one editor: while currentTest has unsaved changes,
// Keep writes it into folder as "recupero-PID.tst", PID this editor's
// process, with a side file "recupero-PID.txt" that names the
// questionnaire's own file, the time and the process. The teacher's file is
// never written. Each editor owns the copy of its own process, so that two
// editors never touch each other's; a copy whose process has gone is
// offered at the next start. app must outlive the object. Not copyable.
class Recovery {
public:
    Recovery(Application& app, std::string folder);
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    // Writes this editor's copy when currentTest is modified, else removes
    // it (after a save, or undoing back to the saved state). The copy is
    // replaced whole, the form of the file (scrambled or not) kept; nothing
    // is shown to the user. False when a copy was due and not written.
    bool Keep();
    // Removes this editor's copy: at a clean exit.
    void Remove();

    // The copies of editors that are no longer running, newest first; a
    // side file without its copy, or that cannot be read, is left out.
    std::vector<RecoveryCopy> LeftOver() const;
    // Takes copy over as this editor's own and makes it currentTest, as
    // unsaved changes on its original file: the file's folder becomes
    // current, Salva writes to it and Annulla goes back to what the file
    // holds. False, with a message, when the copy is gone (another editor
    // took it) or cannot be read.
    bool Restore(const RecoveryCopy& copy);
    // Deletes copy and its side file.
    void Discard(const RecoveryCopy& copy);

    std::string CopyPath() const;
    std::string NotePath() const;

private:
    Application& app_;
    std::string folder_;
};

// The question shown at start for copy, in Windows-1252: which file it
// belonged to and when it was written.
std::string RecoveryOfferText(Application& app, const RecoveryCopy& copy);

}  // namespace quadrivo::editor

#endif
