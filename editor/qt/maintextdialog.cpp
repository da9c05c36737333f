#include "editor/qt/maintextdialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/properties.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/textfields.h"
#include "translations/language.h"

namespace quadrivo::editor {

MainTextDialog::MainTextDialog(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(tr("Testo illustrativo del questionario"));

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("textEdit"));
    text_->setTabChangesFocus(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setMinimumSize(460, 260);
    SetMultiLineText(text_, FillMainTextDialog(app_));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroupFrame(text_), 1);
    layout->addWidget(MakeOkCancelFrame(this));
}

void MainTextDialog::accept()
{
    std::string dialogText;
    if (!ReadStorableText(app_, MultiLineText(text_), language::CoreText(tr("Testo illustrativo")), text_,
                          dialogText))
        return;
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

}  // namespace quadrivo::editor
