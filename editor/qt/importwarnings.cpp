#include "editor/qt/importwarnings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/qt/encoding.h"

namespace quadrivo::editor {

ImportWarningsDialog::ImportWarningsDialog(const InterchangeReport& report, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Informazione"));
    auto* summary = new QLabel(FromWindows1252(report.summary));
    summary->setObjectName(QStringLiteral("summaryLabel"));
    summary->setWordWrap(true);
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("warningList"));
    for (const std::string& line : report.lines) list->addItem(FromWindows1252(line));
    list->setVisible(!report.lines.empty());
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    // Wide enough for the longest line, up to a width that still fits a
    // small screen.
    const int width = list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24;
    list->setMinimumWidth(std::clamp(width, 360, 900));
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list);
    layout->addWidget(buttons);
}

void ShowInterchangeReport(QWidget* parent, const InterchangeReport& report)
{
    if (!report.ran) return;
    ImportWarningsDialog dialog(report, parent);
    dialog.exec();
}

}  // namespace quadrivo::editor
