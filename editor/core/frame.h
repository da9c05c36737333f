#ifndef QUADRIVO_EDITOR_CORE_FRAME_H
#define QUADRIVO_EDITOR_CORE_FRAME_H

#include <string>
#include <vector>

#include "text/errore.h"

namespace quadrivo {
class CTest;
}  // namespace quadrivo

namespace quadrivo::editor {

class Application;
class Dialogs;

// The commands of the main window and of the question dialogs' toolbars.
// The values are the ids the tooltip texts are keyed by.
enum class Command : int {
    New = 10,
    Load = 11,
    Save = 12,
    Properties = 13,
    Exit = 14,
    SaveAs = 15,
    NewQuestion = 16,
    EditQuestion = 17,
    RunTest = 18,
    About = 19,
    Comment = 20,
    Copy = 21,
    Paste = 22,
    RunQuestion = 23,
    UndoPaste = 24,
    Undo = 30,
    Redo = 31,
    Print = 32,
    ExportPdf = 33,
    MoveUp = 34,
    MoveDown = 35,
    Duplicate = 36,
    DeleteQuestions = 37,
    ToggleEnabled = 38,
    Results = 39,
    Import = 40,
    Export = 41,
    ChooseImage = 618,
    Separator = 0,  // a line between groups of a menu, not a command
};

// The main menu: File, Modifica, Domande, Aiuto. Texts are Windows-1252
// with '&' before the mnemonic; a Separator entry has no text.
struct MenuEntry {
    Command command;
    const char* text;
};
struct MenuPopup {
    const char* title;
    std::vector<MenuEntry> entries;
};
const std::vector<MenuPopup>& MainMenu();

// The main toolbar's seven buttons, left to right; image is the index in the
// strip of ten toolbar images (0 new questionnaire, 1 open, 2 save, 3 copy,
// 4 paste, 5 undo paste, 6 new question, 7 edit question, 8 run, 9 results).
struct ToolbarButton {
    Command command;
    int image;
};
const std::vector<ToolbarButton>& MainToolbar();

// The tooltip of a command's button; empty for a command without one.
std::string TooltipText(Command command);

// Which commands of the main window are enabled now: Modifica needs a
// question, Esegui test a file name and no unsaved changes, Annulla and
// Ripeti a step of the history. The question list's commands go by its
// selection (ListCommandStates); every other command stays enabled.
struct CommandStates {
    bool editQuestion = false;
    bool runTest = false;
    bool undo = false;
    bool redo = false;
};
CommandStates UpdateCommandStates(const Application& app);

// A test has a file name when its TestFileName is neither empty nor ".tst".
bool HasFileName(const CTest& test);

// "Informazione" with the text cut to the 1023 characters the message
// buffer holds.
void ShowInfo(Application& app, const std::string& text);
// True at once when nothing is modified; otherwise AskDiscard.
bool ConfirmDiscard(Application& app);
// Asks "Attenzione" whether changes may be lost; true unless No.
bool AskDiscard(Application& app);
// Asks "Vuoi veramente cancellare la domanda?"; true unless No.
bool ConfirmDelete(Application& app);

// The four lines of the About box, joined by CR LF.
std::string AboutText();

// File, Nuovo: after ConfirmDiscard, an empty test, not modified. False
// when the user kept the current test.
bool NewCommand(Application& app);
// Modifica, Annulla and Ripeti: one step of app.history back or forward.
bool UndoCommand(Application& app);
bool RedoCommand(Application& app);

// Domande, Modifica...: true when there is a question to choose; otherwise
// shows "Nessuna domanda da modificare".
bool EditQuestionCommand(Application& app);

// The command-line tail: the arguments after the program name joined by
// single blanks, quotes left as they are, cut to 511 characters.
std::string CommandLineTail(const std::vector<std::string>& arguments);
// At start: keeps the tail in fileBuffer (proposed by the first file
// dialog) and, when it is not empty, loads it with a change of directory;
// when that fails, the test stays untitled and fileBuffer empty.
void StartUp(Application& app, const std::string& tail);
// At exit: the temporary questionnaire of the last Esegui domanda, if any,
// is deleted.
void ShutDown(Application& app);

// Gathers the file library's messages during one load or save, so that the
// user sees them together in one box: for its own lifetime the sink of
// reporter, which must outlive it; the sink before it comes back afterwards.
// A failure to create a file gets the system's reason, where it gives one.
// Not copyable.
class GatheredReports : public ErrorPresenter {
public:
    explicit GatheredReports(mkErrore& reporter);
    GatheredReports(const GatheredReports&) = delete;
    GatheredReports& operator=(const GatheredReports&) = delete;

    void Present(int code, const CStringa& message) override;
    const std::vector<std::string>& Messages() const { return messages_; }
    // The messages on lines of their own; empty when there were none.
    std::string Text() const;

private:
    std::vector<std::string> messages_;
    RedirectedReports redirected_;
};

// A short Italian phrase for the reason errnum gives why a file could not
// be created ("la cartella non esiste"); empty for the other reasons.
std::string CreateFailureReason(int errnum);

}  // namespace quadrivo::editor

#endif
