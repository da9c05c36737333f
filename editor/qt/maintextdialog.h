#ifndef QUADRIVO_EDITOR_QT_MAINTEXTDIALOG_H
#define QUADRIVO_EDITOR_QT_MAINTEXTDIALOG_H

#include <QDialog>

class QPlainTextEdit;

namespace quadrivo::editor {

class Application;

// "Testo illustrativo del questionario": the illustrative text of
// currentTest. Ok puts it back (and marks the test modified) unless it
// cannot be stored, which is said and leaves the dialog open.
class MainTextDialog : public QDialog {
    Q_OBJECT

public:
    explicit MainTextDialog(Application& app, QWidget* parent = nullptr);

    void accept() override;

private:
    Application& app_;
    QPlainTextEdit* text_;
};

// File, Commento...: the dialog, modal over owner.
void RunMainTextDialog(QWidget* owner, Application& app);

}  // namespace quadrivo::editor

#endif
