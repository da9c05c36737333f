#ifndef QUADRIVO_EDITOR_QT_QUESTIONDIALOG_H
#define QUADRIVO_EDITOR_QT_QUESTIONDIALOG_H

#include <QDialog>
#include <string>

#include "editor/core/questiondialogs.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace quadrivo::editor {

class QuestionToolbar;

class Application;

// What the question dialogs have in common, editing app.editQuestion: the
// toolbar above (Copia, Incolla, Annulla "incolla", Esegui domanda and the
// image) with a preview of the image under it, the "Testo domanda" field,
// Ok, Cancella and Annulla below. Every
// command goes to the core through the dialog of one kind; the dialog
// closes when the core says so. Test hooks: the widgets' objectNames.
class QuestionDialog : public QDialog {
    Q_OBJECT

public:
    // Ok, and Annulla (also Esc and the window's close button).
    void accept() override;
    void reject() override;

protected:
    QuestionDialog(Application& app, QWidget* parent);

    // The "Testo domanda" field and its frame, for the dialog to place.
    QPlainTextEdit* questionText() const { return text_; }
    QGroupBox* questionTextFrame() const { return textFrame_; }

    // Puts the toolbar above body and the buttons below its controls; once,
    // when body holds them.
    void setBody(QVBoxLayout* body);
    // Shows the data that the core's opening filled in and gives the
    // question text the focus.
    void showOpened();

    // The image field and the question text into bytes; false, after
    // saying which field holds characters a questionnaire cannot store,
    // when one does. quiet: never false; such characters are kept only as
    // far as telling a changed field goes (ComparableText).
    bool readImageAndText(std::string& image, std::string& text, bool quiet);
    // A field's text into bytes, as readImageAndText does.
    bool readText(const QString& text, const std::string& label, QWidget* field, std::string& bytes,
                  bool quiet);
    void showImageAndText(const std::string& image, const std::string& text);
    void showButtons(const PasteButtons& buttons, bool deleteVisible);

    Application& app_;

private:
    void runCommand(QuestionCommand command);
    // The image of the image field, small, or a note when there is none.
    void showImagePreview();

    // What a dialog of one kind does. collect: the controls into its data,
    // or false as readImageAndText says. execute: the core's command on
    // that data. showContent: the data into the controls. showState: the
    // parts of the data that any command may change.
    virtual bool collect(bool quiet) = 0;
    virtual CommandResult execute(QuestionCommand command) = 0;
    virtual void showContent() = 0;
    virtual void showState() = 0;

    QuestionToolbar* toolbar_;
    QPlainTextEdit* text_;
    QGroupBox* textFrame_;
    QLabel* imagePreview_;
    QPushButton* delete_;
};

}  // namespace quadrivo::editor

#endif
