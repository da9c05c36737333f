#ifndef QUADRIVO_EDITOR_QT_PROPERTYDIALOG_H
#define QUADRIVO_EDITOR_QT_PROPERTYDIALOG_H

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace quadrivo::editor {

class Application;
class UpDownField;

// "Proprietà questionario": the name, the five flags and the two numbers of
// currentTest. Ok puts them back (and marks the test modified) unless a
// field cannot be stored, which is said and leaves the dialog open.
class PropertyDialog : public QDialog {
    Q_OBJECT

public:
    explicit PropertyDialog(Application& app, QWidget* parent = nullptr);

    void accept() override;

private:
    Application& app_;
    QLineEdit* name_;
    QCheckBox* random_;
    QCheckBox* save_;
    QCheckBox* viewScore_;
    QCheckBox* askConfirm_;
    QCheckBox* correctAnswer_;
    QCheckBox* scrambled_;
    UpDownField* time_;
    UpDownField* sendBack_;
};

// File, Proprietà...: the dialog, modal over owner.
void RunPropertyDialog(QWidget* owner, Application& app);

}  // namespace quadrivo::editor

#endif
