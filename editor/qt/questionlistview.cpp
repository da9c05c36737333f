#include "editor/qt/questionlistview.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include "editor/core/application.h"
#include "editor/core/questionlist.h"
#include "editor/qt/encoding.h"

namespace quadrivo::editor {

namespace {

enum Column { kNumber, kText, kAnswers, kEnabled };

}  // namespace

QIcon QuestionKindIcon(int kind)
{
    switch (static_cast<RowKind>(kind)) {
        case RowKind::SeveralSolutions:
            return QIcon(QStringLiteral(":/icons/kind-several.svg"));
        case RowKind::OneSolution:
            return QIcon(QStringLiteral(":/icons/kind-one.svg"));
        case RowKind::Text:
            return QIcon(QStringLiteral(":/icons/kind-text.svg"));
        case RowKind::Number:
            return QIcon(QStringLiteral(":/icons/kind-number.svg"));
        case RowKind::Other:
            break;
    }
    return QIcon();
}

QuestionListView::QuestionListView(Application& app, QWidget* parent) : QTreeWidget(parent), app_(app)
{
    setObjectName(QStringLiteral("questionList"));
    setColumnCount(4);
    setHeaderLabels({tr("N."), tr("Domanda"), tr("Risposte"), tr("Abilitata")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(kText, QHeaderView::Stretch);
    header()->setSectionResizeMode(kNumber, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(kAnswers, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(kEnabled, QHeaderView::ResizeToContents);
    // Not itemActivated: some desktops activate on a single click.
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit openRequested(indexOfTopLevelItem(item)); });
}

void QuestionListView::refresh()
{
    const std::vector<int> selected = selectedIndices();
    const int current = currentItem() ? indexOfTopLevelItem(currentItem()) : -1;
    QSignalBlocker blocker(this);
    clear();
    for (const QuestionRow& row : QuestionRows(app_)) {
        auto* item = new QTreeWidgetItem(this);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
        item->setText(kNumber, QString::number(row.number));
        item->setTextAlignment(kNumber, Qt::AlignRight | Qt::AlignVCenter);
        item->setIcon(kText, QuestionKindIcon(static_cast<int>(row.kind)));
        item->setText(kText, FromWindows1252(row.firstLine));
        // A text or numeric question has one right answer and no choices.
        const bool open = row.kind == RowKind::Text || row.kind == RowKind::Number;
        item->setText(kAnswers, open ? QStringLiteral("-") : QString::number(row.answers));
        item->setTextAlignment(kAnswers, Qt::AlignCenter);
        item->setText(kEnabled, row.enabled ? tr("S\u00ec") : tr("No"));
        item->setTextAlignment(kEnabled, Qt::AlignCenter);
        if (!row.enabled) item->setForeground(kText, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    if (current >= 0 && current < topLevelItemCount())
        setCurrentItem(topLevelItem(current), 0, QItemSelectionModel::NoUpdate);
    for (int index : selected)
        if (index < topLevelItemCount()) topLevelItem(index)->setSelected(true);
    blocker.unblock();
    emit itemSelectionChanged();
}

std::vector<int> QuestionListView::selectedIndices() const
{
    std::vector<int> indices;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isSelected()) indices.push_back(i);
    return indices;
}

void QuestionListView::selectIndex(int index)
{
    if (index < 0 || index >= topLevelItemCount()) return;
    setCurrentItem(topLevelItem(index));
    scrollToItem(topLevelItem(index));
}

void QuestionListView::keyPressEvent(QKeyEvent* event)
{
    // Enter opens the question on every platform, as double click does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit openRequested(indexOfTopLevelItem(currentItem()));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void QuestionListView::dropEvent(QDropEvent* event)
{
    // The rows stay as they are: the main window moves the question in the
    // test, which may ask first, and then shows the list again.
    // A file from elsewhere goes on to the main window, which opens it.
    if (event->source() != this) {
        event->ignore();
        return;
    }
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    const std::vector<int> selected = selectedIndices();
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (selected.size() != 1) return;
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    int to = target ? indexOfTopLevelItem(target) : topLevelItemCount() - 1;
    if (target && dropIndicatorPosition() == QAbstractItemView::BelowItem && to < selected[0]) ++to;
    if (target && dropIndicatorPosition() == QAbstractItemView::AboveItem && to > selected[0]) --to;
    // Moving may ask first and shows the list anew: not inside the drop.
    if (to != selected[0])
        QTimer::singleShot(0, this, [this, from = selected[0], to] { emit moveRequested(from, to); });
}

}  // namespace quadrivo::editor
