#ifndef QUADRIVO_EDITOR_QT_RESULTSCHARTS_H
#define QUADRIVO_EDITOR_QT_RESULTSCHARTS_H

#include <QImage>
#include <QSize>

class QChart;
class QChartView;

namespace quadrivo::editor {

class Results;

// The charts of the results window and of its printed report, made afresh
// for each use; the caller (or the view given it) owns them.

// How many students scored in each tenth of the test's score range.
QChart* MakeScoreChart(const Results& results);
// Facility and discrimination of each question side by side; an undefined
// figure is left out as 0.
QChart* MakeItemChart(const Results& results);

// A view that shows chart and owns it.
QChartView* MakeChartView(QChart* chart);
// chart drawn on a white image of size, for the printed report; takes
// chart over and deletes it.
QImage RenderChart(QChart* chart, QSize size);

}  // namespace quadrivo::editor

#endif
