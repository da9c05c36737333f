#ifndef QUADRIVO_EDITOR_CORE_NEWQUESTION_H
#define QUADRIVO_EDITOR_CORE_NEWQUESTION_H

#include "editor/core/questiondialogs.h"

class Application;

// The radio buttons of "Seleziona il tipo di domanda", by their ids.
constexpr int kSeveralSolutionsButton = 503;   // "Più soluzioni corrette"
constexpr int kTextButton = 504;               // "Testo"
constexpr int kOneSolutionButton = 505;        // "Una soluzione corretta"
constexpr int kNumberButton = 506;             // "Numero"

// Domande, Nuova...: the question dialog that follows will make a new
// question. Returns the button to check, the one chosen last in this run.
int OpenNewQuestion(Application& app);

// Ok: app.editQuestion becomes a new empty question of the checked kind
// (checked is 0 when no button is checked: the last choice holds), which
// is remembered for the next opening. Returns the dialog that edits it.
QuestionDialogKind PrepareNewQuestion(Application& app, int checked);

#endif
