#ifndef QUADRIVO_EDITOR_CORE_APPLICATION_H
#define QUADRIVO_EDITOR_CORE_APPLICATION_H

#include <string>

#include "editor/core/history.h"
#include "editor/core/newquestion.h"
#include "model/domanda.h"
#include "model/test.h"
#include "text/errore.h"

namespace quadrivo::editor {

class Dialogs;
class Files;
class ProgramLauncher;
class SettingsStore;

// Shows the file library's messages as "Informazione" boxes. dialogs must
// outlive the presenter.
class PlatformErrorPresenter : public ErrorPresenter {
public:
    explicit PlatformErrorPresenter(Dialogs& dialogs) : dialogs_(dialogs) {}
    void Present(int code, const CStringa& message) override;

private:
    Dialogs& dialogs_;
};

// The state of one run of the editor, shared by the main window and every
// dialog. Made once at start; the four services must outlive it, and one
// object may provide several of them. Not copyable.
class Application {
public:
    Application(Dialogs& dialogs, SettingsStore& settings, ProgramLauncher& programs, Files& files);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Dialogs& dialogs;
    SettingsStore& settings;
    ProgramLauncher& programs;
    Files& files;

    // The file library's messages, shown as "Informazione" boxes.
    PlatformErrorPresenter messageBoxes{dialogs};
    mkErrore errorReporter{messageBoxes};
    CTest currentTest{&errorReporter};      // the questionnaire being edited
    CTest runTest{&errorReporter};          // holds the one question being tried out
    CDomanda editQuestion{&errorReporter};  // the question of the open question dialog
    CDomanda clipQuestion{&errorReporter};  // what Copia stored
    CDomanda undoQuestion{&errorReporter};  // the question before the last Incolla

    // The undo and redo steps of currentTest's changes.
    DocumentHistory history;

    int modified = 0;         // currentTest has unsaved changes
    int clipFilled = 0;       // clipQuestion holds a copied question
    int undoAvailable = 0;    // Annulla "incolla" can restore undoQuestion
    int editingExisting = 0;  // the question dialog edits question editIndex
    int editIndex = 0;
    int lastSelection = 0;  // the chooser's selection, kept between openings
    // The new-question dialog's choice, kept too.
    QuestionKind lastKindChoice = QuestionKind::OneSolution;

    // The editor's current folder, an absolute path. The file dialogs start
    // in it; a loaded test's bare name, the temporary questionnaire of a
    // tried question and a relative program name are taken in it; the
    // runner starts in it. It starts as the process's working folder, which
    // the editor does not change for longer than one file operation
    // (CurrentFolderScope).
    const std::string& CurrentFolder() const { return currentFolder_; }
    // Makes folder current, a relative one taken in the current folder;
    // false, and nothing changed, when it cannot be entered.
    bool ChangeFolder(const std::string& folder);

    // The file library keeps a test's first error code and from then on
    // refuses every load, save and append on that test without a word. The
    // editor has shown the error when it happened, and a failed command
    // leaves the test whole, as it was: so the editor clears the code
    // after a load, save, append or try that failed, and before a save, so
    // that a refusal of earlier never blocks what the user does next.
    static void ClearReportedError(CTest& test);

    // The proposed and chosen path of the questionnaire file dialogs; starts
    // as the command-line tail. At most kPathCapacity - 1 characters.
    std::string fileBuffer;
    std::string savedDirectory;  // current folder before a dialog or load
    // The runner dialog's Sfoglia and the question dialogs' "Immagine..."
    // propose their last choice of the run.
    std::string programChoice;
    std::string imageChoice;

    static constexpr std::size_t kPathCapacity = 512;
    static constexpr std::size_t kTextCapacity = 5000;  // long texts in dialogs

private:
    std::string currentFolder_;
};

}  // namespace quadrivo::editor

#endif
