#include "editor/qt/resultscharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <memory>

#include "editor/core/results.h"
#include "editor/qt/encoding.h"

namespace quadrivo::editor {

namespace {

QChart* BarChart(const QString& title, QBarSeries* series, const QStringList& categories, double low,
                 double high)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(series);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    y->setRange(low, high);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    return chart;
}

}  // namespace

QChart* MakeScoreChart(const Results& results)
{
    auto* students = new QBarSet(QCoreApplication::translate("ResultsCharts", "Studenti"));
    int most = 1;
    for (int count : results.Analysis().bins) {
        *students << count;
        most = std::max(most, count);
    }
    auto* series = new QBarSeries;
    series->append(students);
    QStringList categories;
    for (const std::string& label : results.BinLabels()) categories << FromWindows1252(label);
    QChart* chart = BarChart(QCoreApplication::translate(
                                 "ResultsCharts", "Studenti per fascia di punteggio (dal valore indicato)"),
                             series, categories, 0, most);
    chart->legend()->hide();
    auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(std::min(most, 10) + 1);
    return chart;
}

QChart* MakeItemChart(const Results& results)
{
    auto* facility = new QBarSet(QCoreApplication::translate("ResultsCharts", "Facilit\u00e0"));
    auto* discrimination = new QBarSet(QCoreApplication::translate("ResultsCharts", "Discriminazione"));
    QStringList categories;
    const auto& items = results.Analysis().items;
    for (int row = 0; row < static_cast<int>(items.size()); ++row) {
        *facility << items[row].facility.value_or(0);
        *discrimination << items[row].discrimination.value_or(0);
        categories << FromWindows1252(results.ItemLabel(row));
    }
    auto* series = new QBarSeries;
    series->append(facility);
    series->append(discrimination);
    QChart* chart = BarChart(QCoreApplication::translate("ResultsCharts", "Facilit\u00e0 e discriminazione"),
                             series, categories, -100, 100);
    auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    y->setTickCount(9);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChartView* MakeChartView(QChart* chart)
{
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    return view;
}

QImage RenderChart(QChart* chart, QSize size)
{
    // The view owns the chart. A chart lays out its axes and bars only once
    // its view has been shown at its size: shown here, never on the screen.
    std::unique_ptr<QChartView> view(MakeChartView(chart));
    view->setAttribute(Qt::WA_DontShowOnScreen);
    view->resize(size);
    view->show();
    QCoreApplication::processEvents();
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view->render(&painter);
    return image;
}

}  // namespace quadrivo::editor
