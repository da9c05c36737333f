#include "editor/qt/dialogbuttons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

QPushButton* MakeDialogButton(const QString& text, const QString& objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setMinimumWidth(88);
    return button;
}

QGroupBox* MakeButtonFrame(std::initializer_list<QPushButton*> buttons)
{
    auto* frame = new QGroupBox;
    auto* layout = new QHBoxLayout(frame);
    layout->addStretch(1);
    for (QPushButton* button : buttons) layout->addWidget(button);
    return frame;
}
