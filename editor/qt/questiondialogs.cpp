#include "editor/qt/questiondialogs.h"

#include "editor/qt/choicedialog.h"
#include "editor/qt/newquestiondialog.h"
#include "editor/qt/questionchooser.h"
#include "editor/qt/textdialog.h"

namespace quadrivo::editor {

void RunNewQuestionDialog(QWidget* owner, Application& app)
{
    NewQuestionDialog dialog(app, owner);
    dialog.exec();
}

void RunQuestionChooser(QWidget* owner, Application& app)
{
    QuestionChooser dialog(app, owner);
    dialog.exec();
}

void RunQuestionDialog(QWidget* owner, Application& app, QuestionDialogKind kind)
{
    switch (kind) {
        case QuestionDialogKind::MultiAns:
        case QuestionDialogKind::SingleAns: {
            ChoiceDialog dialog(app, kind, owner);
            dialog.exec();
            return;
        }
        case QuestionDialogKind::TextAns: {
            TextDialog dialog(app, owner);
            dialog.exec();
            return;
        }
        case QuestionDialogKind::None:
            return;
    }
}

}  // namespace quadrivo::editor
