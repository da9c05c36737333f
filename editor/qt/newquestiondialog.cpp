#include "editor/qt/newquestiondialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/qt/dialogbuttons.h"
#include "editor/qt/questiondialogs.h"

namespace quadrivo::editor {

namespace {

struct KindButton {
    QuestionKind kind;
    QString name;
    QString text;
};

// A frame of radio buttons in group, each listed in buttons with its kind.
QGroupBox* MakeKindFrame(const QString& title, QButtonGroup* group, std::initializer_list<KindButton> kinds,
                         std::vector<std::pair<QuestionKind, QRadioButton*>>& buttons)
{
    auto* layout = new QVBoxLayout;
    for (const KindButton& kind : kinds) {
        auto* button = new QRadioButton(kind.text);
        button->setObjectName(kind.name);
        group->addButton(button);
        buttons.emplace_back(kind.kind, button);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return MakeGroupFrame(layout, title);
}

}  // namespace

NewQuestionDialog::NewQuestionDialog(Application& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(tr("Seleziona il tipo di domanda"));
    setObjectName(QStringLiteral("newQuestionDialog"));

    // The four buttons are one group across both frames.
    auto* group = new QButtonGroup(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(MakeKindFrame(
        tr("Risposta multipla"), group,
        {{QuestionKind::SeveralSolutions, QStringLiteral("kind503"), tr("Più soluzioni corrette")},
         {QuestionKind::OneSolution, QStringLiteral("kind505"), tr("Una soluzione corretta")}},
        kinds_));
    frames->addWidget(MakeKindFrame(tr("Risposta singola aperta"), group,
                                    {{QuestionKind::Text, QStringLiteral("kind504"), tr("Testo")},
                                     {QuestionKind::Number, QStringLiteral("kind506"), tr("Numero")}},
                                    kinds_));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(MakeOkCancelFrame(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const QuestionKind proposed = OpenNewQuestion(app_);
    for (const auto& [kind, button] : kinds_) {
        if (kind != proposed) continue;
        button->setChecked(true);
        button->setFocus();
    }
}

void NewQuestionDialog::accept()
{
    std::optional<QuestionKind> checked;
    for (const auto& [kind, button] : kinds_)
        if (button->isChecked()) checked = kind;
    const QuestionDialogKind kind = PrepareNewQuestion(app_, checked);
    RunQuestionDialog(this, app_, kind);
    QDialog::accept();
}

}  // namespace quadrivo::editor
