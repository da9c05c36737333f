#ifndef QUADRIVO_EDITOR_CORE_NEWQUESTION_H
#define QUADRIVO_EDITOR_CORE_NEWQUESTION_H

#include <optional>

#include "editor/core/questiondialogs.h"

namespace quadrivo::editor {

class Application;

// The kinds of question "Seleziona il tipo di domanda" offers.
enum class QuestionKind {
    SeveralSolutions,  // "Più soluzioni corrette"
    OneSolution,       // "Una soluzione corretta"
    Text,              // "Testo"
    Number,            // "Numero"
};

// Domande, Nuova...: the question dialog that follows will make a new
// question. Returns the kind to propose, the one chosen last in this run.
QuestionKind OpenNewQuestion(Application& app);

// Ok: app.editQuestion becomes a new empty question of the checked kind
// (none when nothing is checked: the last choice holds), which is
// remembered for the next opening. Returns the dialog that edits it.
QuestionDialogKind PrepareNewQuestion(Application& app, std::optional<QuestionKind> checked);

}  // namespace quadrivo::editor

#endif
