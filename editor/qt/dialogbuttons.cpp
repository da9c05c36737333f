#include "editor/qt/dialogbuttons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrivo::editor {

QPushButton* MakeDialogButton(const QString& text, const QString& objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setMinimumWidth(88);
    return button;
}

QGroupBox* MakeOkCancelFrame(QDialog* dialog, std::initializer_list<QPushButton*> between)
{
    QPushButton* ok =
        MakeDialogButton(QCoreApplication::translate("DialogButtons", "&Ok"), QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel = MakeDialogButton(QCoreApplication::translate("DialogButtons", "&Annulla"),
                                           QStringLiteral("cancelButton"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    for (QPushButton* button : between) row->addWidget(button);
    row->addWidget(cancel);
    return MakeGroupFrame(row);
}

QGroupBox* MakeGroupFrame(QWidget* content, const QString& title)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(content);
    return MakeGroupFrame(layout, title);
}

QGroupBox* MakeGroupFrame(QLayout* content, const QString& title)
{
    auto* frame = new QGroupBox(title);
    frame->setLayout(content);
    return frame;
}

}  // namespace quadrivo::editor
