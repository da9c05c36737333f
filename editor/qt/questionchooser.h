#ifndef QUADRIVO_EDITOR_QT_QUESTIONCHOOSER_H
#define QUADRIVO_EDITOR_QT_QUESTIONCHOOSER_H

#include <QDialog>

class QComboBox;
class QPlainTextEdit;

namespace quadrivo::editor {

class Application;

// "Modifica domanda": the questions of currentTest by number and text, with
// a preview of the selected one. Ok opens the question's dialog over this
// one; the dialog closes when that returns, remembering the selection.
// Test hooks: objectNames "questionList" and "previewText".
class QuestionChooser : public QDialog {
    Q_OBJECT

public:
    explicit QuestionChooser(Application& app, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void showPreview();

    Application& app_;
    QComboBox* list_;
    QPlainTextEdit* preview_;
};

}  // namespace quadrivo::editor

#endif
