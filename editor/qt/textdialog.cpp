#include "editor/qt/textdialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/settings.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/dialogfonts.h"
#include "editor/qt/encoding.h"
#include "editor/qt/questiontoolbar.h"
#include "editor/qt/textfields.h"
#include "editor/qt/trydialog.h"

namespace {

constexpr int kFieldMaximum = static_cast<int>(Application::kTextCapacity - 1);

QLineEdit* MakeNumberField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setAlignment(Qt::AlignRight);
    field->setMaxLength(64);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000")) + 20);
    return field;
}

// A number field's text; one that Windows-1252 cannot hold is no number,
// and reads as 0 like any other.
std::string NumberText(const QLineEdit* field)
{
    std::string bytes;
    return ToWindows1252(field->text(), bytes) ? bytes : std::string("?");
}

}  // namespace

TextDialog::TextDialog(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Domanda a risposta testuale/numerica"));
    setObjectName(QStringLiteral("textAnsDialog"));

    toolbar_ = new QuestionToolbar([this](QuestionCommand command) { runCommand(command); });

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("questionText"));
    text_->setTabChangesFocus(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setMinimumSize(460, 120);
    auto* textFrame = new QGroupBox(QStringLiteral("Testo domanda"));
    auto* textLayout = new QVBoxLayout(textFrame);
    textLayout->addWidget(text_);

    answerLabel_ = new QLabel;
    answerLabel_->setObjectName(QStringLiteral("answerLabel"));
    answer_ = new QLineEdit;
    answer_->setObjectName(QStringLiteral("answerField"));
    answer_->setMaxLength(kFieldMaximum);
    answerLabel_->setBuddy(answer_);
    auto* answerFrame = new QGroupBox;
    auto* answerLayout = new QHBoxLayout(answerFrame);
    answerLayout->addWidget(answerLabel_);
    answerLayout->addWidget(answer_, 1);

    precision_ = MakeNumberField("precisionField");
    scoreIfOk_ = MakeNumberField("scoreIfOkField");
    scoreIfBad_ = MakeNumberField("scoreIfBadField");
    auto* precisionRow = new QFormLayout;
    precisionRow->addRow(QStringLiteral("Precisione richiesta"), precision_);
    auto* scores = new QFormLayout;
    scores->addRow(QStringLiteral("Punti se giusto:"), scoreIfOk_);
    scores->addRow(QStringLiteral("Punti se errato:"), scoreIfBad_);
    auto* numbersFrame = new QGroupBox;
    auto* numbersLayout = new QHBoxLayout(numbersFrame);
    numbersLayout->addLayout(precisionRow);
    numbersLayout->addStretch(1);
    numbersLayout->addLayout(scores);

    QPushButton* ok = MakeDialogButton(QStringLiteral("&Ok"), QStringLiteral("okButton"));
    ok->setDefault(true);
    delete_ = MakeDialogButton(QStringLiteral("&Cancella"), QStringLiteral("deleteButton"));
    QPushButton* cancel = MakeDialogButton(QStringLiteral("&Annulla"), QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &TextDialog::accept);
    connect(delete_, &QPushButton::clicked, this, [this] { runCommand(QuestionCommand::Delete); });
    connect(cancel, &QPushButton::clicked, this, &TextDialog::reject);

    auto* body = new QVBoxLayout;
    body->addWidget(textFrame, 1);
    body->addWidget(answerFrame);
    body->addWidget(numbersFrame);
    body->addWidget(MakeButtonFrame({ok, delete_, cancel}));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    auto* margins = new QWidget;
    margins->setLayout(body);
    layout->addWidget(margins, 1);

    SetDialogFonts(app_, {text_, answer_});
    InitTextDialog(app_, data_);
    showContent();
    showState();
    text_->setFocus();
}

void TextDialog::accept() { runCommand(QuestionCommand::Ok); }

void TextDialog::reject() { runCommand(QuestionCommand::Cancel); }

void TextDialog::runCommand(QuestionCommand command)
{
    switch (command) {
    case QuestionCommand::Image: {
        std::string image;
        if (ChooseImage(app_, image)) toolbar_->imageField()->setText(FromWindows1252(image));
        return;
    }
    case QuestionCommand::Ok:
    case QuestionCommand::Run:
    case QuestionCommand::Copy:
    case QuestionCommand::Paste:
        if (!collect()) return;
        break;
    case QuestionCommand::UndoPaste:
        // data_ may be older than the controls: only a real undo refills.
        if (!app_.undoAvailable) return;
        break;
    default:
        break;
    }
    const CommandResult result = TextDialogCommand(app_, data_, command);
    if (command == QuestionCommand::Paste || command == QuestionCommand::UndoPaste) showContent();
    showState();
    if (result == CommandResult::Close)
        done(QDialog::Accepted);
    else if (result == CommandResult::TryQuestion)
        RunTryDialog(this, app_, QuestionArgument(app_));
}

bool TextDialog::collect()
{
    TextDialogData data = data_;
    QLineEdit* image = toolbar_->imageField();
    if (!ReadStorableText(app_, image->text(), ImageField(), image, data.image)) return false;
    if (!ReadStorableText(app_, MultiLineText(text_), QuestionTextField(), text_, data.text)) return false;
    if (!ReadStorableText(app_, answer_->text(), data.answerLabel, answer_, data.answer)) return false;
    data.precision = NumberText(precision_);
    data.scoreIfOk = NumberText(scoreIfOk_);
    data.scoreIfBad = NumberText(scoreIfBad_);
    data_ = data;
    return true;
}

void TextDialog::showContent()
{
    toolbar_->imageField()->setText(FromWindows1252(data_.image));
    SetMultiLineText(text_, data_.text);
    answer_->setText(FromWindows1252(data_.answer));
    precision_->setText(FromWindows1252(data_.precision));
    scoreIfOk_->setText(FromWindows1252(data_.scoreIfOk));
    scoreIfBad_->setText(FromWindows1252(data_.scoreIfBad));
}

void TextDialog::showState()
{
    answerLabel_->setText(FromWindows1252(data_.answerLabel));
    toolbar_->setPasteButtons(data_.buttons);
    delete_->setVisible(data_.deleteVisible);
}
