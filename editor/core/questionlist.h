#ifndef QUADRIVO_EDITOR_CORE_QUESTIONLIST_H
#define QUADRIVO_EDITOR_CORE_QUESTIONLIST_H

#include <string>
#include <vector>

namespace quadrivo::editor {

class Application;

// The list of questions under the main window's summary, and its commands
// on app.currentTest. Each command that changes the test is one step of
// app.history and marks the test modified. Indices count from 0; rows are
// numbered from 1 as the runner numbers the questions.

// The kind of a question as its icon shows it.
enum class RowKind { SeveralSolutions, OneSolution, Text, Number, Other };

struct QuestionRow {
    int number = 0;
    RowKind kind = RowKind::Other;
    std::string firstLine;  // the first line of the text, Windows-1252
    int answers = 0;
    bool enabled = true;
    bool operator==(const QuestionRow&) const = default;
};

// One row per question of app.currentTest, in order. A first line longer
// than kFirstLineLength characters is cut and ends in "...".
constexpr std::size_t kFirstLineLength = 80;
std::vector<QuestionRow> QuestionRows(Application& app);

// The student file of the test exists: its records name the questions by
// position, so that moving or deleting one changes what they mean.
bool HasStudentFile(Application& app);
// When HasStudentFile, asks whether to go on although the results will no
// longer match; true when there is no such file or the answer is Yes.
bool ConfirmRenumbering(Application& app);

// Opens question index in its dialog as Domande, Modifica... does: sets
// editingExisting, editIndex and editQuestion. False for an index out of
// range.
bool PrepareEditQuestion(Application& app, int index);

// Moves question from to position to (both in range), the others closing
// up, after ConfirmRenumbering. True when moved.
bool MoveQuestion(Application& app, int from, int to);
// Inserts a copy of question index after it; refused with a message when
// the test holds the most questions it can. Numbers after it shift, but
// the student records keep theirs, so ConfirmRenumbering asks first
// unless it is the last question. True when copied.
bool DuplicateQuestion(Application& app, int index);
// Deletes the questions at indices (any order, repeats and indices out of
// range ignored) after ConfirmRenumbering and "Vuoi veramente cancellare
// la domanda?". True when deleted.
bool DeleteQuestions(Application& app, const std::vector<int>& indices);
// Enables or disables the questions at indices; true when any changed.
bool SetQuestionsEnabled(Application& app, const std::vector<int>& indices, bool enabled);
// "Abilita/disabilita": enables them all when one of them is disabled,
// otherwise disables them.
bool ToggleQuestionsEnabled(Application& app, const std::vector<int>& indices);

// Which of the list's commands the selection allows: moving and
// duplicating take one question, deleting and enabling any number.
struct ListCommandStates {
    bool moveUp = false;
    bool moveDown = false;
    bool duplicate = false;
    bool remove = false;
    bool toggleEnabled = false;
    bool operator==(const ListCommandStates&) const = default;
};
ListCommandStates ListCommandStatesFor(const Application& app, const std::vector<int>& selected);

}  // namespace quadrivo::editor

#endif
