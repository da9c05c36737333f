#include "editor/qt/newquestiondialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/core/newquestion.h"
#include "editor/qt/dialogbuttons.h"
#include "editor/qt/questiondialogs.h"

namespace {

QGroupBox* MakeKindFrame(const QString& title, QButtonGroup* group,
                         std::initializer_list<std::pair<int, QString>> kinds)
{
    auto* layout = new QVBoxLayout;
    for (const auto& [id, text] : kinds) {
        auto* button = new QRadioButton(text);
        button->setObjectName(QStringLiteral("kind%1").arg(id));
        group->addButton(button, id);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return MakeGroupFrame(layout, title);
}

}  // namespace

NewQuestionDialog::NewQuestionDialog(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Seleziona il tipo di domanda"));
    setObjectName(QStringLiteral("newQuestionDialog"));

    // The four buttons are one group across both frames.
    kinds_ = new QButtonGroup(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(MakeKindFrame(QStringLiteral("Risposta multipla"), kinds_,
                                    {{kSeveralSolutionsButton, QStringLiteral("Più soluzioni corrette")},
                                     {kOneSolutionButton, QStringLiteral("Una soluzione corretta")}}));
    frames->addWidget(MakeKindFrame(QStringLiteral("Risposta singola aperta"), kinds_,
                                    {{kTextButton, QStringLiteral("Testo")},
                                     {kNumberButton, QStringLiteral("Numero")}}));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(MakeOkCancelFrame(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (QAbstractButton* proposed = kinds_->button(OpenNewQuestion(app_))) {
        proposed->setChecked(true);
        proposed->setFocus();
    }
}

void NewQuestionDialog::accept()
{
    const int checked = kinds_->checkedId();
    const QuestionDialogKind kind = PrepareNewQuestion(app_, checked < 0 ? 0 : checked);
    RunQuestionDialog(this, app_, kind);
    QDialog::accept();
}
