#ifndef QUADRIVO_EDITOR_QT_CHOICEDIALOG_H
#define QUADRIVO_EDITOR_QT_CHOICEDIALOG_H

#include <QDialog>
#include <array>

#include "editor/core/questiondialogs.h"

class Application;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QuestionToolbar;
class UpDownField;

// "Domanda a più risposte" (check boxes: several correct answers) and
// "Domanda a una sola risposta" (radio buttons: one), editing
// app.editQuestion. Every command goes to the core; the dialog closes when
// the core says so. Test hooks: the widgets' objectNames.
class ChoiceDialog : public QDialog {
    Q_OBJECT

public:
    // kind is MultiAns or SingleAns.
    ChoiceDialog(Application& app, QuestionDialogKind kind, QWidget* parent = nullptr);

    // Ok, and Annulla (also Esc and the window's close button).
    void accept() override;
    void reject() override;

private:
    void runCommand(QuestionCommand command);
    // The controls into data_; false, after saying which field holds
    // characters a questionnaire cannot store, when one does.
    bool collect();
    void showContent();
    void showState();

    Application& app_;
    ChoiceDialogData data_;
    QuestionToolbar* toolbar_;
    QCheckBox* random_;
    UpDownField* count_;
    QPlainTextEdit* text_;
    QButtonGroup* correctGroup_;
    std::array<QAbstractButton*, kChoiceRows> correct_{};
    std::array<QLineEdit*, kChoiceRows> score_{};
    std::array<QLineEdit*, kChoiceRows> answer_{};
    QPushButton* delete_;
};

#endif
