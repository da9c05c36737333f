#include "editor/qt/choicedialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/dialogfonts.h"
#include "editor/qt/encoding.h"
#include "editor/qt/textfields.h"
#include "editor/qt/updownfield.h"

namespace {

constexpr int kFieldMaximum = static_cast<int>(Application::kTextCapacity - 1);

}  // namespace

ChoiceDialog::ChoiceDialog(Application& app, QuestionDialogKind kind, QWidget* parent)
    : QuestionDialog(app, parent)
{
    const bool several = kind == QuestionDialogKind::MultiAns;
    setWindowTitle(several ? QStringLiteral("Domanda a più risposte")
                           : QStringLiteral("Domanda a una sola risposta"));
    setObjectName(several ? QStringLiteral("multiAnsDialog") : QStringLiteral("singleAnsDialog"));

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

    questionText()->setMinimumHeight(96);

    // Radio buttons in one group, which may also have none checked, as a
    // new question has.
    correctGroup_ = new QButtonGroup(this);
    correctGroup_->setExclusive(!several);
    auto* rows = new QGridLayout;
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
    if (!several) connect(correctGroup_, &QButtonGroup::idClicked, this, &ChoiceDialog::clearOtherRows);

    auto* body = new QVBoxLayout;
    body->addLayout(settingsRow);
    body->addWidget(questionTextFrame(), 1);
    body->addWidget(MakeGroupFrame(rows));
    setBody(body);

    SetDialogFonts(app_,
                   {questionText(), answer_[0], answer_[1], answer_[2], answer_[3], answer_[4], answer_[5]});
    InitChoiceDialog(app_, data_);
    showOpened();
}

CommandResult ChoiceDialog::execute(QuestionCommand command)
{
    return ChoiceDialogCommand(app_, data_, command);
}

bool ChoiceDialog::collect()
{
    ChoiceDialogData data = data_;
    if (!readImageAndText(data.image, data.text)) return false;
    data.random = random_->isChecked();
    for (int i = 0; i < kChoiceRows; ++i) {
        ChoiceRow& row = data.rows[i];
        if (!ReadStorableText(app_, answer_[i]->text(), AnswerTextField(i + 1), answer_[i], row.text))
            return false;
        row.correct = correct_[i]->isChecked();
        row.score = NumberFieldText(score_[i]);
    }
    data_ = data;
    return true;
}

void ChoiceDialog::showContent()
{
    showImageAndText(data_.image, data_.text);
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

void ChoiceDialog::clearOtherRows(int row)
{
    // The group lets go only of the button it knows as checked; rows that a
    // question with several correct answers came with checked are cleared
    // here, as choosing one of a group of radio buttons clears all others.
    correctGroup_->setExclusive(false);
    for (int i = 0; i < kChoiceRows; ++i)
        if (i != row) correct_[i]->setChecked(false);
    correctGroup_->setExclusive(true);
}

void ChoiceDialog::showState()
{
    count_->setFieldText(QString::number(data_.count));
    showButtons(data_.buttons, data_.deleteVisible);
}
