#include "editor/qt/choicedialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "editor/core/application.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/dialogfonts.h"
#include "editor/qt/encoding.h"
#include "editor/qt/textfields.h"
#include "editor/qt/updownfield.h"

namespace quadrivo::editor {

ChoiceDialog::ChoiceDialog(Application& app, QuestionDialogKind kind, QWidget* parent)
    : QuestionDialog(app, parent)
{
    const bool several = kind == QuestionDialogKind::MultiAns;
    setWindowTitle(several ? tr("Domanda a più risposte") : tr("Domanda a una sola risposta"));
    setObjectName(several ? QStringLiteral("multiAnsDialog") : QStringLiteral("singleAnsDialog"));

    random_ = new QCheckBox(tr("Ordine casuale"));
    random_->setObjectName(QStringLiteral("randomCheck"));
    count_ = new UpDownField;
    count_->setObjectName(QStringLiteral("countField"));
    count_->setArrowRange(kChoiceRowsMinimum, kChoiceRows);
    count_->setFixedWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 48);
    // Only a display: the arrows move it, typing does not.
    if (auto* countText = count_->findChild<QLineEdit*>()) countText->setReadOnly(true);
    auto* countLabel = new QLabel(tr("Numero voci"));
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
    // Each row is a widget of its own, so that "Numero voci" can hide it;
    // the rows scroll when more are shown than the dialog has room for.
    auto* rows = new QVBoxLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kChoiceRows; ++i) {
        const QString number = QString::number(i + 1);
        QAbstractButton* correct =
            several ? static_cast<QAbstractButton*>(new QCheckBox(number)) : new QRadioButton(number);
        correct->setObjectName(QStringLiteral("correct") + number);
        correct->setAutoExclusive(false);
        correctGroup_->addButton(correct, i);
        correct_[i] = correct;

        score_[i] = new QLineEdit;
        score_[i]->setObjectName(QStringLiteral("score") + number);
        score_[i]->setAlignment(Qt::AlignRight);
        score_[i]->setFixedWidth(score_[i]->fontMetrics().horizontalAdvance(QStringLiteral("-000,00")) + 16);

        answer_[i] = new QLineEdit;
        answer_[i]->setObjectName(QStringLiteral("answer") + number);
        answer_[i]->setMinimumWidth(360);

        row_[i] = new QWidget;
        row_[i]->setObjectName(QStringLiteral("row") + number);
        auto* row = new QHBoxLayout(row_[i]);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(10);
        correct->setMinimumWidth(correct->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 24);
        row->addWidget(correct);
        row->addWidget(score_[i]);
        row->addWidget(answer_[i], 1);
        rows->addWidget(row_[i]);
    }
    rows->addStretch(1);
    auto* rowsWidget = new QWidget;
    rowsWidget->setLayout(rows);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("rowsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(rowsWidget);
    const int rowHeight = answer_[0]->sizeHint().height() + rows->spacing();
    scroll->setMinimumHeight(kChoiceRowsShown * rowHeight);
    scroll->setMinimumWidth(rowsWidget->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    connect(count_, &UpDownField::stepped, this, &ChoiceDialog::changeRowCount);
    if (!several) connect(correctGroup_, &QButtonGroup::idClicked, this, &ChoiceDialog::clearOtherRows);

    auto* body = new QVBoxLayout;
    body->addLayout(settingsRow);
    body->addWidget(questionTextFrame(), 1);
    body->addWidget(MakeGroupFrame(scroll), 1);
    setBody(body);

    SetDialogFonts(app_, {questionText()});
    for (QLineEdit* answer : answer_) SetDialogFonts(app_, {answer});
    InitChoiceDialog(app_, data_);
    showOpened();
}

CommandResult ChoiceDialog::execute(QuestionCommand command)
{
    return ChoiceDialogCommand(app_, data_, command);
}

bool ChoiceDialog::collect(bool quiet)
{
    ChoiceDialogData data = data_;
    if (!readImageAndText(data.image, data.text, quiet)) return false;
    data.random = random_->isChecked();
    for (int i = 0; i < data.count; ++i) {
        ChoiceRow& row = data.rows[i];
        if (!readText(answer_[i]->text(), AnswerTextField(i + 1), answer_[i], row.text, quiet)) return false;
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

void ChoiceDialog::changeRowCount()
{
    const int wanted = count_->fieldText().toInt();
    // The rows' texts only decide whether a hidden row held an answer; the
    // fields keep what they show.
    collect(true);
    SetChoiceRowCount(app_, data_, wanted);
    for (int i = data_.count; i < kChoiceRows; ++i) {
        correct_[i]->setChecked(false);
        score_[i]->clear();
        answer_[i]->clear();
    }
    showState();
}

void ChoiceDialog::showState()
{
    count_->setFieldText(QString::number(data_.count));
    for (int i = 0; i < kChoiceRows; ++i) row_[i]->setVisible(i < data_.count);
    showButtons(data_.buttons, data_.deleteVisible);
}

}  // namespace quadrivo::editor
