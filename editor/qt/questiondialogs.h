#ifndef QUADRIVO_EDITOR_QT_QUESTIONDIALOGS_H
#define QUADRIVO_EDITOR_QT_QUESTIONDIALOGS_H

#include "editor/core/questiondialogs.h"

class QWidget;

namespace quadrivo::editor {

class Application;

// Domande, Nuova...: the kind chooser, then the question dialog of that kind.
void RunNewQuestionDialog(QWidget* owner, Application& app);
// Domande, Modifica...: the question chooser, then the question's dialog.
void RunQuestionChooser(QWidget* owner, Application& app);
// The question dialog of kind over owner, editing app.editQuestion as the
// two dialogs above prepare it; nothing for QuestionDialogKind::None.
void RunQuestionDialog(QWidget* owner, Application& app, QuestionDialogKind kind);

}  // namespace quadrivo::editor

#endif
