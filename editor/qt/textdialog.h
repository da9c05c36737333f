#ifndef QUADRIVO_EDITOR_QT_TEXTDIALOG_H
#define QUADRIVO_EDITOR_QT_TEXTDIALOG_H

#include <QDialog>

#include "editor/core/questiondialogs.h"

class Application;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QuestionToolbar;

// "Domanda a risposta testuale/numerica", editing app.editQuestion: a
// question answered by a text or by a number. Every command goes to the
// core; the dialog closes when the core says so. Test hooks: the widgets'
// objectNames.
class TextDialog : public QDialog {
    Q_OBJECT

public:
    explicit TextDialog(Application& app, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void runCommand(QuestionCommand command);
    bool collect();
    void showContent();
    void showState();

    Application& app_;
    TextDialogData data_;
    QuestionToolbar* toolbar_;
    QPlainTextEdit* text_;
    QLabel* answerLabel_;
    QLineEdit* answer_;
    QLineEdit* precision_;
    QLineEdit* scoreIfOk_;
    QLineEdit* scoreIfBad_;
    QPushButton* delete_;
};

#endif
