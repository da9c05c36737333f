#include "editor/qt/trydialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/frame.h"
#include "editor/core/runner.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/encoding.h"
#include "translations/language.h"

namespace quadrivo::editor {

TryDialog::TryDialog(Application& app, const std::vector<std::string>& arguments, QWidget* parent)
    : QDialog(parent), app_(app), arguments_(arguments), opened_(RunnerProgram(app.settings))
{
    setWindowTitle(tr("Esegui con..."));

    program_ = new QLineEdit(FromNativeBytes(opened_.value_or("")));
    program_->setObjectName(QStringLiteral("programEdit"));
    program_->setMinimumWidth(320);
    auto* browse = new QPushButton(tr("&Sfoglia"));
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TryDialog::browse);

    auto* programRow = new QHBoxLayout;
    programRow->addWidget(program_, 1);
    programRow->addWidget(browse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroupFrame(programRow));
    layout->addWidget(MakeOkCancelFrame(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TryDialog::accept()
{
    const QString typed = program_->text();
    const std::string program = ToNativeBytes(typed);
    // Where the system's file-name encoding lacks a character, the program
    // could not be named on a command line.
    if (FromNativeBytes(program) != typed) {
        ShowInfo(app_, language::CoreText(
                           tr("Il programma contiene caratteri che non si possono usare in un comando.")));
        program_->setFocus();
        return;
    }
    RunProgram(app_, opened_, program, arguments_);
    QDialog::accept();
}

void TryDialog::browse()
{
    if (const std::optional<std::string> chosen = ChooseProgram(app_))
        program_->setText(FromNativeBytes(*chosen));
}

void RunTryDialog(QWidget* owner, Application& app, const std::vector<std::string>& arguments)
{
    TryDialog dialog(app, arguments, owner);
    dialog.exec();
}

}  // namespace quadrivo::editor
