#ifndef QUADRIVO_EDITOR_QT_DIALOGBUTTONS_H
#define QUADRIVO_EDITOR_QT_DIALOGBUTTONS_H

#include <QString>
#include <initializer_list>

class QGroupBox;
class QPushButton;

// A push button of a dialog's bottom row; objectName lets tests find it.
QPushButton* MakeDialogButton(const QString& text, const QString& objectName);
// The editor's dialogs end with their buttons in a frame, right-aligned and
// in the given order on every platform.
QGroupBox* MakeButtonFrame(std::initializer_list<QPushButton*> buttons);

#endif
