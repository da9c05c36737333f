#include "editor/qt/maintextdialog.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/properties.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/textfields.h"

MainTextDialog::MainTextDialog(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Testo illustrativo del questionario"));

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("textEdit"));
    text_->setTabChangesFocus(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setMinimumSize(460, 260);
    SetMultiLineText(text_, FillMainTextDialog(app_));

    auto* textFrame = new QGroupBox;
    auto* textLayout = new QVBoxLayout(textFrame);
    textLayout->addWidget(text_);

    QPushButton* ok = MakeDialogButton(QStringLiteral("&Ok"), QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel = MakeDialogButton(QStringLiteral("&Annulla"), QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &MainTextDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &MainTextDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textFrame, 1);
    layout->addWidget(MakeButtonFrame({ok, cancel}));
}

void MainTextDialog::accept()
{
    std::string dialogText;
    if (!ReadStorableText(app_, MultiLineText(text_), "Testo illustrativo", text_, dialogText)) return;
    if (!MainTextDialogOk(app_, dialogText)) {
        text_->setFocus();
        return;
    }
    QDialog::accept();
}

void RunMainTextDialog(QWidget* owner, Application& app)
{
    MainTextDialog dialog(app, owner);
    dialog.exec();
}
