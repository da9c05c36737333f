#include "editor/qt/textdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/dialogfonts.h"
#include "editor/qt/encoding.h"
#include "editor/qt/textfields.h"

namespace quadrivo::editor {

namespace {

QLineEdit* MakeNumberField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000")) + 20);
    return field;
}

}  // namespace

TextDialog::TextDialog(Application& app, QWidget* parent) : QuestionDialog(app, parent)
{
    setWindowTitle(tr("Domanda a risposta testuale/numerica"));
    setObjectName(QStringLiteral("textAnsDialog"));

    questionText()->setMinimumSize(460, 120);

    answerLabel_ = new QLabel;
    answerLabel_->setObjectName(QStringLiteral("answerLabel"));
    answer_ = new QLineEdit;
    answer_->setObjectName(QStringLiteral("answerField"));
    answerLabel_->setBuddy(answer_);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(answerLabel_);
    answerRow->addWidget(answer_, 1);

    precision_ = MakeNumberField("precisionField");
    scoreIfOk_ = MakeNumberField("scoreIfOkField");
    scoreIfBad_ = MakeNumberField("scoreIfBadField");
    auto* precisionRow = new QFormLayout;
    precisionRow->addRow(tr("Precisione richiesta"), precision_);
    auto* scores = new QFormLayout;
    scores->addRow(tr("Punti se giusto:"), scoreIfOk_);
    scores->addRow(tr("Punti se errato:"), scoreIfBad_);
    auto* numbersRow = new QHBoxLayout;
    numbersRow->addLayout(precisionRow);
    numbersRow->addStretch(1);
    numbersRow->addLayout(scores);

    auto* body = new QVBoxLayout;
    body->addWidget(questionTextFrame(), 1);
    body->addWidget(MakeGroupFrame(answerRow));
    body->addWidget(MakeGroupFrame(numbersRow));
    setBody(body);

    SetDialogFonts(app_, {questionText(), answer_});
    InitTextDialog(app_, data_);
    showOpened();
}

CommandResult TextDialog::execute(QuestionCommand command)
{
    return TextDialogCommand(app_, data_, command);
}

bool TextDialog::collect(bool quiet)
{
    TextDialogData data = data_;
    if (!readImageAndText(data.image, data.text, quiet)) return false;
    if (!readText(answer_->text(), data.answerLabel, answer_, data.answer, quiet)) return false;
    data.precision = NumberFieldText(precision_);
    data.scoreIfOk = NumberFieldText(scoreIfOk_);
    data.scoreIfBad = NumberFieldText(scoreIfBad_);
    data_ = data;
    return true;
}

void TextDialog::showContent()
{
    showImageAndText(data_.image, data_.text);
    answer_->setText(FromWindows1252(data_.answer));
    precision_->setText(FromWindows1252(data_.precision));
    scoreIfOk_->setText(FromWindows1252(data_.scoreIfOk));
    scoreIfBad_->setText(FromWindows1252(data_.scoreIfBad));
}

void TextDialog::showState()
{
    answerLabel_->setText(FromWindows1252(data_.answerLabel));
    showButtons(data_.buttons, data_.deleteVisible);
}

}  // namespace quadrivo::editor
