#ifndef QUADRIVO_EDITOR_CORE_CHOOSER_H
#define QUADRIVO_EDITOR_CORE_CHOOSER_H

#include <string>
#include <vector>

#include "editor/core/questiondialogs.h"

namespace quadrivo {
class CTest;
}  // namespace quadrivo

namespace quadrivo::editor {

class Application;

// "Modifica domanda": the list of the questions of app.currentTest with a
// preview of the selected one. Never opened for a test without questions.

// Domande, Modifica...: the question dialog that follows edits an existing
// question.
void OpenQuestionChooser(Application& app);

// One item per question: its number from 1, " - " and the first 32
// characters of its text as stored (line breaks included).
std::vector<std::string> ChooserItems(CTest& test);

// The item selected at opening: the one selected when the chooser last
// closed, or the last question when there are fewer questions now.
int ChooserSelection(Application& app);

// The question's text with CR LF line breaks, then each answer on a line of
// its own after a middle dot; cut to the shared text buffer. Empty for an
// index that is not a question.
std::string ChooserPreview(Application& app, int index);

// Ok: question index is copied into app.editQuestion to be edited in the
// returned dialog. None for an index that is not a question, and for the
// kinds the editor does not edit, which it says.
QuestionDialogKind ChooseQuestion(Application& app, int index);

// Ok or Annulla: remembers the selection for the next opening.
void CloseQuestionChooser(Application& app, int selection);

}  // namespace quadrivo::editor

#endif
