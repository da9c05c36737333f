#include "editor/qt/summaryview.h"

#include <QPainter>

#include "editor/core/application.h"
#include "editor/core/summary.h"
#include "editor/qt/encoding.h"

namespace quadrivo::editor {

namespace {

// The top of the first line, just below the toolbar above the view.
constexpr int kFirstLineTop = 6;

}  // namespace

SummaryView::SummaryView(Application& app, QWidget* parent) : QWidget(parent), app_(app)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

QSize SummaryView::sizeHint() const
{
    return QSize(560, kFirstLineTop + 9 * kSummaryLineSpacing + kSummaryX);
}

void SummaryView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = fontMetrics().ascent();
    const auto lines = SummaryLines(app_.currentTest.GetParams(), app_.currentTest.QuestionCount());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int top = kFirstLineTop + static_cast<int>(k) * kSummaryLineSpacing;
        painter.drawText(kSummaryX, top + ascent, FromWindows1252(lines[k]));
    }
}

}  // namespace quadrivo::editor
