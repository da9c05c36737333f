#ifndef QUADRIVO_EDITOR_QT_DIALOGBUTTONS_H
#define QUADRIVO_EDITOR_QT_DIALOGBUTTONS_H

#include <QGroupBox>
#include <QString>
#include <initializer_list>

class QDialog;
class QLayout;
class QPushButton;
class QWidget;

namespace quadrivo::editor {

// The frames that every dialog of the editor is built of: its controls in
// group boxes, its buttons in a last one.

// A push button of a dialog's bottom row; objectName lets tests find it.
QPushButton* MakeDialogButton(const QString& text, const QString& objectName);
// The bottom row, right-aligned and in this order on every platform: "&Ok"
// (the default button, "okButton"), the buttons between, "&Annulla"
// ("cancelButton"). Ok calls dialog's accept() and Annulla its reject(),
// as the dialog overrides them.
QGroupBox* MakeOkCancelFrame(QDialog* dialog, std::initializer_list<QPushButton*> between = {});

// A group box, titled when title is not empty, around one control or
// around the controls of content (which the frame takes over).
QGroupBox* MakeGroupFrame(QWidget* content, const QString& title = QString());
QGroupBox* MakeGroupFrame(QLayout* content, const QString& title = QString());

}  // namespace quadrivo::editor

#endif
