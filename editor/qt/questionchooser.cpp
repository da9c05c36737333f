#include "editor/qt/questionchooser.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/chooser.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/encoding.h"
#include "editor/qt/questiondialogs.h"

namespace quadrivo::editor {

namespace {

// A list item is one line: the line breaks among its 32 characters show as
// blanks.
QString ItemText(const std::string& item)
{
    QString text = FromWindows1252(item);
    for (QChar& c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
    return text;
}

// The preview's CR CR LF (before an answer) and CR LF (inside the text) are
// both one line break.
QString PreviewText(const std::string& preview)
{
    QString text = FromWindows1252(preview);
    text.replace(QStringLiteral("\r\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

QuestionChooser::QuestionChooser(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(tr("Modifica domanda"));
    setObjectName(QStringLiteral("questionChooser"));

    list_ = new QComboBox;
    list_->setObjectName(QStringLiteral("questionList"));
    list_->setMaxVisibleItems(16);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list_->setMinimumContentsLength(32);

    preview_ = new QPlainTextEdit;
    preview_->setObjectName(QStringLiteral("previewText"));
    preview_->setReadOnly(true);
    preview_->setMinimumSize(420, 200);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroupFrame(list_, tr("Domanda")));
    layout->addWidget(MakeGroupFrame(preview_, tr("Anteprima")), 1);
    layout->addWidget(MakeOkCancelFrame(this));

    OpenQuestionChooser(app_);
    for (const std::string& item : ChooserItems(app_.currentTest)) list_->addItem(ItemText(item));
    list_->setCurrentIndex(ChooserSelection(app_));
    showPreview();
    connect(list_, &QComboBox::currentIndexChanged, this, &QuestionChooser::showPreview);
    list_->setFocus();
}

void QuestionChooser::accept()
{
    const QuestionDialogKind kind = ChooseQuestion(app_, list_->currentIndex());
    RunQuestionDialog(this, app_, kind);
    reject();
}

void QuestionChooser::reject()
{
    CloseQuestionChooser(app_, list_->currentIndex());
    done(QDialog::Accepted);
}

void QuestionChooser::showPreview()
{
    preview_->setPlainText(PreviewText(ChooserPreview(app_, list_->currentIndex())));
}

}  // namespace quadrivo::editor
