#ifndef QUADRIVO_EDITOR_QT_TEXTDIALOG_H
#define QUADRIVO_EDITOR_QT_TEXTDIALOG_H

#include "editor/core/questiondialogs.h"
#include "editor/qt/questiondialog.h"

class QLabel;
class QLineEdit;

namespace quadrivo::editor {

// "Domanda a risposta testuale/numerica", editing app.editQuestion: a
// question answered by a text or by a number.
class TextDialog : public QuestionDialog {
    Q_OBJECT

public:
    explicit TextDialog(Application& app, QWidget* parent = nullptr);

private:
    bool collect(bool quiet) override;
    CommandResult execute(QuestionCommand command) override;
    void showContent() override;
    void showState() override;

    TextDialogData data_;
    QLabel* answerLabel_;
    QLineEdit* answer_;
    QLineEdit* precision_;
    QLineEdit* scoreIfOk_;
    QLineEdit* scoreIfBad_;
};

}  // namespace quadrivo::editor

#endif
