#ifndef QUADRIVO_EDITOR_CORE_QUESTIONDIALOGS_H
#define QUADRIVO_EDITOR_CORE_QUESTIONDIALOGS_H

#include <array>
#include <cstddef>
#include <string>

#include "text/limiti.h"

namespace quadrivo {
class CDomanda;
}  // namespace quadrivo

namespace quadrivo::editor {

class Application;

// The three question dialogs edit app.editQuestion: MULTIANS and SINGLEANS
// (a choice question with several or one correct answers) and TEXTANS (a
// text or numeric answer). Everything they do is here, against the plain
// content of their controls; the widgets only copy that content in and out.
// Texts are Windows-1252 bytes; multi-line texts use CR LF line breaks.

// Which question dialog edits a question.
enum class QuestionDialogKind { None, MultiAns, SingleAns, TextAns };

// MULTIANS for a choice question with several correct answers, SINGLEANS
// for any other choice question, TEXTANS for a text or numeric one; None for
// the kinds the editor does not edit.
QuestionDialogKind DialogKindOf(const CDomanda& question);

// The commands of the question dialogs, by their control ids.
enum class QuestionCommand {
    Ok = 1,
    Cancel = 2,
    Copy = 21,
    Paste = 22,
    Run = 23,
    UndoPaste = 24,
    Delete = 602,
    Image = 618,
};

// The tooltip of a command's toolbar button, the same as the main window's
// for that command; empty for a command without one.
std::string TooltipText(QuestionCommand command);

// What the dialog does after a command.
enum class CommandResult {
    Stay,         // stays open, showing the data as the command left it
    Close,        // closes
    TryQuestion,  // stays open and opens the runner dialog for app.runTest
};

// The toolbar's paste buttons; Copia and Esegui domanda are always enabled.
struct PasteButtons {
    bool paste = false;      // Incolla: something was copied in this run
    bool undoPaste = false;  // Annulla "incolla": right after an Incolla
};

// The answer rows of a choice dialog: one for each answer a question can
// hold. "Numero voci" says how many are shown, from the first; a dialog
// opens with at least kChoiceRowsShown.
constexpr int kChoiceRows = MAX_ANSWERS;
constexpr int kChoiceRowsShown = 6;
constexpr int kChoiceRowsMinimum = 2;

struct ChoiceRow {
    bool correct = false;  // check box (MULTIANS) or radio button (SINGLEANS)
    std::string score;     // a number, or empty for the default
    std::string text;
    bool operator==(const ChoiceRow&) const = default;
};

// What the fields of MULTIANS and SINGLEANS hold.
struct ChoiceContent {
    std::string image;                        // the image field of the toolbar
    std::string text;                         // "Testo domanda"
    bool random = false;                      // "Ordine casuale"
    std::array<ChoiceRow, kChoiceRows> rows;  // hidden rows are empty
    bool operator==(const ChoiceContent&) const = default;
};

// The whole dialog: its fields, the rows shown and the buttons.
struct ChoiceDialogData : ChoiceContent {
    int count = kChoiceRowsShown;  // "Numero voci": the rows shown
    bool deleteVisible = true;     // "&Cancella", hidden for a new question
    PasteButtons buttons;
    ChoiceContent opened;  // the fields as the dialog opened
};

// What the fields of TEXTANS hold.
struct TextContent {
    std::string image;
    std::string text;        // "Testo domanda"
    std::string answer;      // the right text or number
    std::string precision;   // "Precisione richiesta"
    std::string scoreIfOk;   // "Punti se giusto:"
    std::string scoreIfBad;  // "Punti se errato:"
    bool operator==(const TextContent&) const = default;
};

struct TextDialogData : TextContent {
    std::string answerLabel = "Testo";  // "Numero" for a numeric question
    bool deleteVisible = true;
    PasteButtons buttons;
    TextContent opened;
};

// The opening of a dialog: ends any undo, fills the controls from
// app.editQuestion when it edits an existing question (otherwise hides
// Cancella and shows an empty question) and sets the paste buttons.
void InitChoiceDialog(Application& app, ChoiceDialogData& data);
void InitTextDialog(Application& app, TextDialogData& data);

// Runs one command of a dialog; messages go to app.dialogs.ShowInfo. Ok
// and Esegui domanda refuse, besides the dialog's own checks, a number
// field changed to what is not a number in its range, what a questionnaire
// could not give back (CheckChoiceStorable), and Ok a new question for a
// test that has MAX_QUESTIONS already; a refused command leaves data as
// the user left it. Annulla asks before it drops fields that differ from
// the opening. A text of blanks and line breaks alone counts as empty.
//
// Reading the dialog changes only what the teacher changed: a field that
// still shows what it was filled with keeps the question's exact value, so
// that Ok without edits leaves the question equal and the test unmodified.
// Changed question and answer texts are stored trimmed, as a reload gives
// them back; texts are never cut. Changing "Punti se giusto" moves the
// points for a near answer along only when they were the same.
CommandResult ChoiceDialogCommand(Application& app, ChoiceDialogData& data, QuestionCommand command);
CommandResult TextDialogCommand(Application& app, TextDialogData& data, QuestionCommand command);

// The pieces the commands are made of.

void UpdatePasteButtons(const Application& app, PasteButtons& buttons);

// Fills the fields from app.editQuestion, one row per answer; returns its
// answer count.
int FillChoiceDialog(Application& app, ChoiceDialogData& data);
// "Numero voci" changed to count (kept within kChoiceRowsMinimum and
// kChoiceRows): the rows from count on are hidden and emptied. When one of
// them holds an answer, asks first, as for deleting, and on No keeps the
// count as it was. Returns the count shown.
int SetChoiceRowCount(Application& app, ChoiceDialogData& data, int count);
// Shows the first message that applies and returns false, or returns true.
bool CheckChoiceDialog(Application& app, const ChoiceDialogData& data);
// The controls into app.editQuestion; then, unless fillOnly, the question
// goes into app.runTest (run) or into app.currentTest, appended or in place
// of question app.editIndex, marking the test modified. Returns true.
bool ReadChoiceDialog(Application& app, const ChoiceDialogData& data, bool run, bool fillOnly);

// The question fields of TEXTANS from app.editQuestion.
void FillTextDialog(Application& app, TextDialogData& data);
// The whole fill: FillTextDialog when editing (else Cancella hidden), the
// answer's label, the precision and the two scores.
void FillTextDialogFull(Application& app, TextDialogData& data, bool editing);
bool CheckTextDialog(Application& app, const TextDialogData& data);
bool ReadTextDialog(Application& app, const TextDialogData& data, bool run, bool fillOnly);

// Refuses, with a message naming the field, what a questionnaire file could
// not give back as typed: a text holding "<!" or a closing tag of its own
// record or of one around it, a double quote in a quoted value, a question
// whose record would be too long for the loader.
bool CheckChoiceStorable(Application& app, const ChoiceDialogData& data);
bool CheckTextStorable(Application& app, const TextDialogData& data);

// How the messages name the fields: by their labels ("Risposta 3"; rows
// count from 1 as the dialogs show them; "Punti risposta 3" is the row's
// score). The widgets use these too when a
// field holds characters that Windows-1252 lacks; the answer of TEXTANS is
// named by its label, TextDialogData::answerLabel.
std::string QuestionTextField();       // "Testo domanda"
std::string ImageField();              // "Immagine"
std::string AnswerTextField(int row);  // a row of a choice dialog
std::string AnswerScoreField(int row);

// "Scegli immagine...": true with the chosen path in image. The dialog
// starts in the current folder and leaves it current; the last chosen path
// is proposed again.
bool ChooseImage(Application& app, std::string& image);

// Writes app.editQuestion, read from the dialog, as the only question of
// app.runTest into a new temporary questionnaire: in the current folder,
// where the questionnaire's relative image names hold, or when that cannot
// be written, in the system's temporary folder. app.currentTest and
// app.modified are left alone. True when written; otherwise the user has
// been told why.
bool WriteRunFile(Application& app, const ChoiceDialogData& data);
bool WriteRunFile(Application& app, const TextDialogData& data);
// Deletes the temporary questionnaire of the last try, if any.
void DeleteRunFile(Application& app);

}  // namespace quadrivo::editor

#endif
