#ifndef QUADRIVO_EDITOR_QT_CHOICEDIALOG_H
#define QUADRIVO_EDITOR_QT_CHOICEDIALOG_H

#include <array>

#include "editor/core/questiondialogs.h"
#include "editor/qt/questiondialog.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace quadrivo::editor {

class UpDownField;

// "Domanda a più risposte" (check boxes: several correct answers) and
// "Domanda a una sola risposta" (radio buttons: one), editing
// app.editQuestion.
class ChoiceDialog : public QuestionDialog {
    Q_OBJECT

public:
    // kind is MultiAns or SingleAns.
    ChoiceDialog(Application& app, QuestionDialogKind kind, QWidget* parent = nullptr);

private:
    bool collect(bool quiet) override;
    CommandResult execute(QuestionCommand command) override;
    void showContent() override;
    void showState() override;
    // SINGLEANS: row was chosen; every other row is cleared.
    void clearOtherRows(int row);
    // The arrows of "Numero voci" moved: the core decides what is shown.
    void changeRowCount();

    ChoiceDialogData data_;
    QCheckBox* random_;
    UpDownField* count_;
    QButtonGroup* correctGroup_;
    std::array<QAbstractButton*, kChoiceRows> correct_{};
    std::array<QLineEdit*, kChoiceRows> score_{};
    std::array<QLineEdit*, kChoiceRows> answer_{};
    std::array<QWidget*, kChoiceRows> row_{};
};

}  // namespace quadrivo::editor

#endif
