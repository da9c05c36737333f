#include "editor/qt/questiontoolbar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "editor/core/application.h"
#include "editor/qt/encoding.h"
#include "editor/qt/icons.h"

namespace quadrivo::editor {

namespace {

QString Tooltip(QuestionCommand command)
{
    return FromWindows1252(TooltipText(command));
}

}  // namespace

QuestionToolbar::QuestionToolbar(std::function<void(QuestionCommand)> run, QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("questionToolBar"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(20, 20));

    addSeparator();
    copy_ = addCommand(QuestionCommand::Copy, 3, run);
    paste_ = addCommand(QuestionCommand::Paste, 4, run);
    undoPaste_ = addCommand(QuestionCommand::UndoPaste, 5, run);
    runQuestion_ = addCommand(QuestionCommand::Run, 8, run);
    addSeparator();

    imageButton_ = new QPushButton(tr("Immagine..."));
    imageButton_->setObjectName(QStringLiteral("imageButton"));
    imageButton_->setToolTip(Tooltip(QuestionCommand::Image));
    imageButton_->setAutoDefault(false);
    connect(imageButton_, &QPushButton::clicked, this, [run] { run(QuestionCommand::Image); });

    image_ = new QLineEdit;
    image_->setObjectName(QStringLiteral("imageField"));

    // The button and the field share one widget so that the field takes
    // the rest of the toolbar's width.
    auto* imageRow = new QWidget;
    auto* layout = new QHBoxLayout(imageRow);
    layout->setContentsMargins(4, 0, 2, 0);
    layout->setSpacing(8);
    layout->addWidget(imageButton_);
    layout->addWidget(image_, 1);
    imageRow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(imageRow);
}

QAction* QuestionToolbar::addCommand(QuestionCommand command, int image,
                                     const std::function<void(QuestionCommand)>& run)
{
    QAction* action = addAction(ToolbarImage(image), Tooltip(command));
    action->setToolTip(Tooltip(command));
    action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(command)));
    connect(action, &QAction::triggered, this, [run, command] { run(command); });
    return action;
}

QAction* QuestionToolbar::action(QuestionCommand command) const
{
    switch (command) {
        case QuestionCommand::Copy:
            return copy_;
        case QuestionCommand::Paste:
            return paste_;
        case QuestionCommand::UndoPaste:
            return undoPaste_;
        case QuestionCommand::Run:
            return runQuestion_;
        default:
            return nullptr;
    }
}

void QuestionToolbar::setPasteButtons(const PasteButtons& buttons)
{
    paste_->setEnabled(buttons.paste);
    undoPaste_->setEnabled(buttons.undoPaste);
}

}  // namespace quadrivo::editor
