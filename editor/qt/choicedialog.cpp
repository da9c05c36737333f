#include "editor/qt/choicedialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/core/settings.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/dialogfonts.h"
#include "editor/qt/encoding.h"
#include "editor/qt/questiontoolbar.h"
#include "editor/qt/textfields.h"
#include "editor/qt/trydialog.h"
#include "editor/qt/updownfield.h"

namespace {

constexpr int kFieldMaximum = static_cast<int>(Application::kTextCapacity - 1);

// A score field's text; one that Windows-1252 cannot hold is no number,
// and reads as 0 like any other (an empty field would take the default).
std::string ScoreText(const QLineEdit* field)
{
    std::string bytes;
    return ToWindows1252(field->text(), bytes) ? bytes : std::string("?");
}

}  // namespace

ChoiceDialog::ChoiceDialog(Application& app, QuestionDialogKind kind, QWidget* parent)
    : QDialog(parent), app_(app)
{
    const bool several = kind == QuestionDialogKind::MultiAns;
    setWindowTitle(several ? QStringLiteral("Domanda a più risposte")
                           : QStringLiteral("Domanda a una sola risposta"));
    setObjectName(several ? QStringLiteral("multiAnsDialog") : QStringLiteral("singleAnsDialog"));

    toolbar_ = new QuestionToolbar([this](QuestionCommand command) { runCommand(command); });

    random_ = new QCheckBox(QStringLiteral("Ordine casuale"));
    random_->setObjectName(QStringLiteral("randomCheck"));
    count_ = new UpDownField;
    count_->setObjectName(QStringLiteral("countField"));
    count_->setArrowRange(2, kChoiceRows);
    count_->setFixedWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 48);
    // Only a display: the arrows move it, typing does not.
    if (auto* countText = count_->findChild<QLineEdit*>()) countText->setReadOnly(true);
    auto* countLabel = new QLabel(QStringLiteral("Numero voci"));
    countLabel->setBuddy(count_);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(random_);
    settingsRow->addStretch(1);
    settingsRow->addWidget(countLabel);
    settingsRow->addWidget(count_);

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("questionText"));
    text_->setTabChangesFocus(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setMinimumHeight(96);
    auto* textFrame = new QGroupBox(QStringLiteral("Testo domanda"));
    auto* textLayout = new QVBoxLayout(textFrame);
    textLayout->addWidget(text_);

    // Radio buttons in one group, which may also have none checked, as a
    // new question has.
    correctGroup_ = new QButtonGroup(this);
    correctGroup_->setExclusive(!several);
    auto* rowsFrame = new QGroupBox;
    auto* rows = new QGridLayout(rowsFrame);
    rows->setHorizontalSpacing(10);
    rows->setColumnStretch(2, 1);
    for (int i = 0; i < kChoiceRows; ++i) {
        const QString number = QString::number(i + 1);
        QAbstractButton* correct = several ? static_cast<QAbstractButton*>(new QCheckBox(number))
                                           : new QRadioButton(number);
        correct->setObjectName(QStringLiteral("correct") + number);
        correct->setAutoExclusive(false);
        correctGroup_->addButton(correct, i);
        correct_[i] = correct;

        score_[i] = new QLineEdit;
        score_[i]->setObjectName(QStringLiteral("score") + number);
        score_[i]->setAlignment(Qt::AlignRight);
        score_[i]->setMaxLength(11);
        score_[i]->setFixedWidth(score_[i]->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 16);

        answer_[i] = new QLineEdit;
        answer_[i]->setObjectName(QStringLiteral("answer") + number);
        answer_[i]->setMaxLength(kFieldMaximum);
        answer_[i]->setMinimumWidth(360);

        rows->addWidget(correct, i, 0);
        rows->addWidget(score_[i], i, 1);
        rows->addWidget(answer_[i], i, 2);
    }

    QPushButton* ok = MakeDialogButton(QStringLiteral("&Ok"), QStringLiteral("okButton"));
    ok->setDefault(true);
    delete_ = MakeDialogButton(QStringLiteral("&Cancella"), QStringLiteral("deleteButton"));
    QPushButton* cancel = MakeDialogButton(QStringLiteral("&Annulla"), QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &ChoiceDialog::accept);
    connect(delete_, &QPushButton::clicked, this, [this] { runCommand(QuestionCommand::Delete); });
    connect(cancel, &QPushButton::clicked, this, &ChoiceDialog::reject);

    auto* body = new QVBoxLayout;
    body->addLayout(settingsRow);
    body->addWidget(textFrame, 1);
    body->addWidget(rowsFrame);
    body->addWidget(MakeButtonFrame({ok, delete_, cancel}));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    auto* margins = new QWidget;
    margins->setLayout(body);
    layout->addWidget(margins, 1);

    SetDialogFonts(app_, {text_, answer_[0], answer_[1], answer_[2], answer_[3], answer_[4], answer_[5]});
    InitChoiceDialog(app_, data_);
    showContent();
    showState();
    text_->setFocus();
}

void ChoiceDialog::accept() { runCommand(QuestionCommand::Ok); }

void ChoiceDialog::reject() { runCommand(QuestionCommand::Cancel); }

void ChoiceDialog::runCommand(QuestionCommand command)
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
    const CommandResult result = ChoiceDialogCommand(app_, data_, command);
    if (command == QuestionCommand::Paste || command == QuestionCommand::UndoPaste) showContent();
    showState();
    if (result == CommandResult::Close)
        done(QDialog::Accepted);
    else if (result == CommandResult::TryQuestion)
        RunTryDialog(this, app_, QuestionArgument(app_));
}

bool ChoiceDialog::collect()
{
    ChoiceDialogData data = data_;
    if (!ReadStorableText(app_, toolbar_->imageField()->text(), ImageField(), toolbar_->imageField(),
                          data.image))
        return false;
    if (!ReadStorableText(app_, MultiLineText(text_), QuestionTextField(), text_, data.text))
        return false;
    data.random = random_->isChecked();
    for (int i = 0; i < kChoiceRows; ++i) {
        ChoiceRow& row = data.rows[i];
        if (!ReadStorableText(app_, answer_[i]->text(), AnswerTextField(i + 1), answer_[i], row.text))
            return false;
        row.correct = correct_[i]->isChecked();
        row.score = ScoreText(score_[i]);
    }
    data_ = data;
    return true;
}

void ChoiceDialog::showContent()
{
    toolbar_->imageField()->setText(FromWindows1252(data_.image));
    SetMultiLineText(text_, data_.text);
    random_->setChecked(data_.random);
    // Any rows may come checked, none included: the group lets go meanwhile.
    const bool exclusive = correctGroup_->exclusive();
    correctGroup_->setExclusive(false);
    for (int i = 0; i < kChoiceRows; ++i) {
        correct_[i]->setChecked(data_.rows[i].correct);
        score_[i]->setText(FromWindows1252(data_.rows[i].score));
        answer_[i]->setText(FromWindows1252(data_.rows[i].text));
    }
    correctGroup_->setExclusive(exclusive);
}

void ChoiceDialog::showState()
{
    count_->setFieldText(QString::number(data_.count));
    toolbar_->setPasteButtons(data_.buttons);
    delete_->setVisible(data_.deleteVisible);
}
