#include "editor/qt/resultswindow.h"

#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "editor/core/application.h"
#include "editor/core/results.h"
#include "editor/qt/encoding.h"
#include "editor/qt/resultscharts.h"

namespace quadrivo::editor {

namespace {

// A cell that sorts by its number when it has one (an undefined figure
// before every number), else by its text.
class SortItem : public QTableWidgetItem {
public:
    SortItem(const QString& text, const std::optional<double>& number) : QTableWidgetItem(text)
    {
        if (number) setData(Qt::UserRole, *number);
        if (number || text == QStringLiteral("\u2014")) setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant a = data(Qt::UserRole);
        const QVariant b = other.data(Qt::UserRole);
        if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
        if (a.isValid() != b.isValid()) return b.isValid();
        return text().localeAwareCompare(other.text()) < 0;
    }
};

// Where the question table keeps the index of a row's question in the
// analysis, on the row's first cell.
constexpr int kItemRole = Qt::UserRole + 1;

QStringList Heads(const std::vector<std::string>& windows1252)
{
    QStringList heads;
    for (const std::string& head : windows1252) heads << FromWindows1252(head);
    return heads;
}

QTableWidget* MakeTable(const QStringList& heads, const char* name)
{
    auto* table = new QTableWidget(0, static_cast<int>(heads.size()));
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(heads);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->setAlternatingRowColors(true);
    return table;
}

void FillTable(QTableWidget* table, const Results::Table& data)
{
    table->setRowCount(static_cast<int>(data.rows.size()));
    for (int r = 0; r < static_cast<int>(data.rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(data.rows[r].size()); ++c) {
            const Results::Cell& cell = data.rows[r][c];
            table->setItem(r, c, new SortItem(FromWindows1252(cell.text), cell.number));
        }
    table->resizeColumnsToContents();
}

// Sorting starts in the rows' own order: the header's default indicator is
// descending and would turn them round.
void EnableSorting(QTableWidget* table)
{
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    table->setSortingEnabled(true);
}

// The colour of a question's row: red when it fails its students, amber
// when it is only weak.
std::optional<QColor> FlagColour(unsigned flags)
{
    if (flags & (kTooHard | kNegativeDiscrimination)) return QColor(248, 205, 205);
    if (flags) return QColor(255, 236, 179);
    return std::nullopt;
}

QString Html(const std::string& windows1252)
{
    return FromWindows1252(windows1252).toHtmlEscaped();
}

// A table of the printed report, with the share of the width (in percent,
// 0 for as needed) of the first columns; heads that are all empty give no
// head row.
QString HtmlTable(const QStringList& heads, const std::vector<std::vector<std::string>>& rows,
                  const std::vector<QString>& rowColours = {}, const std::vector<int>& widths = {})
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">");
    if (std::any_of(heads.begin(), heads.end(), [](const QString& head) { return !head.isEmpty(); })) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < static_cast<int>(heads.size()); ++c)
            html += QStringLiteral("<th%1>%2</th>")
                        .arg(c < static_cast<int>(widths.size()) && widths[c] > 0
                                 ? QStringLiteral(" width=\"%1%\"").arg(widths[c])
                                 : QString(),
                             heads[c].toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QString colour = r < rowColours.size() ? rowColours[r] : QString();
        html += colour.isEmpty() ? QStringLiteral("<tr>") : QStringLiteral("<tr bgcolor=\"%1\">").arg(colour);
        for (const std::string& cell : rows[r]) html += QStringLiteral("<td>%1</td>").arg(Html(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

std::vector<std::vector<std::string>> Texts(const Results::Table& table)
{
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : table.rows) {
        rows.emplace_back();
        for (const Results::Cell& cell : row) rows.back().push_back(cell.text);
    }
    return rows;
}

// The heads of the table of a question's answers, in the window and in the
// report.
QStringList AnswerHeads()
{
    return {ResultsWindow::tr("Risposta"), ResultsWindow::tr("Punti"), ResultsWindow::tr("Esatta"),
            ResultsWindow::tr("Scelta da"), QStringLiteral("%")};
}

}  // namespace

ResultsWindow::ResultsWindow(Application& app, QWidget* parent)
    : QDialog(parent), app_(app), results_(Results::Load(app))
{
    setObjectName(QStringLiteral("resultsWindow"));
    const QString file = FromNativeBytes(results_->FileName());
    setWindowTitle(file.isEmpty() ? tr("Risultati") : tr("Risultati - %1").arg(file));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();

    const bool ready = results_->GetState() == Results::State::Ready;
    if (!results_->Message().empty()) {
        auto* message = new QLabel(MessageText(results_->Message()));
        message->setObjectName(QStringLiteral("resultsMessage"));
        message->setWordWrap(true);
        if (!ready) message->setAlignment(Qt::AlignCenter);
        layout->addWidget(message, ready ? 0 : 1);
    }
    if (ready) {
        auto* tabs = new QTabWidget;
        tabs->setObjectName(QStringLiteral("resultsTabs"));
        tabs->addTab(makeClassTab(), tr("Classe"));
        tabs->addTab(makeQuestionTab(), tr("Domande"));
        tabs->addTab(makeStudentTab(), tr("Studenti"));
        layout->addWidget(tabs, 1);

        auto* pdf = new QPushButton(tr("Esporta PDF..."));
        pdf->setObjectName(QStringLiteral("exportPdfButton"));
        connect(pdf, &QPushButton::clicked, this, &ResultsWindow::exportPdf);
        auto* csv = new QPushButton(tr("Esporta CSV..."));
        csv->setObjectName(QStringLiteral("exportCsvButton"));
        connect(csv, &QPushButton::clicked, this, &ResultsWindow::exportCsv);
        buttons->addWidget(pdf);
        buttons->addWidget(csv);
    }
    auto* close = new QPushButton(tr("Chiudi"));
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(ready ? QSize(1000, 680) : QSize(480, 200));
}

ResultsWindow::~ResultsWindow() = default;

QWidget* ResultsWindow::makeClassTab()
{
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    auto* figures = MakeTable({QString(), QString()}, "classFigures");
    figures->horizontalHeader()->hide();
    figures->setSelectionMode(QAbstractItemView::NoSelection);
    const auto& rows = results_->ClassFigures();
    figures->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        figures->setItem(r, 0, new QTableWidgetItem(FromWindows1252(rows[r].label)));
        auto* value = new QTableWidgetItem(FromWindows1252(rows[r].value));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figures->setItem(r, 1, value);
    }
    figures->resizeColumnsToContents();
    figures->setFixedWidth(figures->horizontalHeader()->length() + 4);
    layout->addWidget(figures);
    QChartView* chart = MakeChartView(MakeScoreChart(*results_));
    chart->setObjectName(QStringLiteral("scoreChart"));
    layout->addWidget(chart, 1);
    return tab;
}

QWidget* ResultsWindow::makeQuestionTab()
{
    auto* splitter = new QSplitter(Qt::Vertical);
    questionTable_ = MakeTable(Heads(results_->Questions().heads), "questionTable");
    const auto& items = results_->Analysis().items;
    FillTable(questionTable_, results_->Questions());
    for (int r = 0; r < questionTable_->rowCount(); ++r) {
        questionTable_->item(r, 0)->setData(kItemRole, r);
        if (const auto colour = FlagColour(items[r].flags))
            for (int c = 0; c < questionTable_->columnCount(); ++c)
                questionTable_->item(r, c)->setBackground(*colour);
    }
    EnableSorting(questionTable_);
    questionTable_->setColumnWidth(0, questionTable_->columnWidth(0) + 16);  // room for the sort arrow
    questionTable_->setColumnWidth(1, std::min(questionTable_->columnWidth(1), 280));
    connect(questionTable_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { showQuestion(row); });
    splitter->addWidget(questionTable_);

    auto* lower = new QWidget;
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox(tr("Risposte date"));
    auto* boxLayout = new QVBoxLayout(box);
    questionTitle_ = new QLabel(tr("Scegliere una domanda nella tabella."));
    questionTitle_->setObjectName(QStringLiteral("questionTitle"));
    questionTitle_->setWordWrap(true);
    boxLayout->addWidget(questionTitle_);
    auto* tables = new QHBoxLayout;
    detailTable_ = MakeTable({tr("Giudizio"), tr("Studenti")}, "detailTable");
    detailTable_->setSelectionMode(QAbstractItemView::NoSelection);
    detailTable_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    detailTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    choiceTable_ = MakeTable(QStringList{QString()} + AnswerHeads(), "choiceTable");
    choiceTable_->setSelectionMode(QAbstractItemView::NoSelection);
    tables->addWidget(detailTable_, 0);
    tables->addWidget(choiceTable_, 1);
    boxLayout->addLayout(tables);
    lowerLayout->addWidget(box, 3);
    QChartView* chart = MakeChartView(MakeItemChart(*results_));
    chart->setObjectName(QStringLiteral("itemChart"));
    lowerLayout->addWidget(chart, 2);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    return splitter;
}

QWidget* ResultsWindow::makeStudentTab()
{
    auto* table = MakeTable(Heads(results_->Students().heads), "studentTable");
    FillTable(table, results_->Students());
    EnableSorting(table);
    for (int c = 0; c < table->columnCount(); ++c)
        table->setColumnWidth(c, std::max(table->columnWidth(c) + 24, c == 0 ? 240 : 110));
    return table;
}

void ResultsWindow::showQuestion(int tableRow)
{
    QTableWidgetItem* first = tableRow >= 0 ? questionTable_->item(tableRow, 0) : nullptr;
    if (!first) return;
    const int row = first->data(kItemRole).toInt();
    questionTitle_->setText(QStringLiteral("%1: %2").arg(
        FromWindows1252(results_->ItemLabel(row)), FromWindows1252(results_->Questions().rows[row][1].text)));

    const auto details = results_->ItemDetails(row);
    detailTable_->setRowCount(static_cast<int>(details.size()));
    for (int r = 0; r < static_cast<int>(details.size()); ++r) {
        detailTable_->setItem(r, 0, new QTableWidgetItem(FromWindows1252(details[r].label)));
        detailTable_->setItem(r, 1, new SortItem(FromWindows1252(details[r].value), 0.0));
    }
    detailTable_->resizeColumnsToContents();

    const auto choices = results_->ItemChoices(row);
    choiceTable_->setRowCount(static_cast<int>(choices.size()));
    for (int r = 0; r < static_cast<int>(choices.size()); ++r) {
        const Results::Choice& c = choices[r];
        const QString cells[] = {QString(QChar(u'A' + r)), FromWindows1252(c.text),
                                 FromWindows1252(c.score), c.correct ? tr("s\u00ec") : QString(),
                                 QString::number(c.count), FromWindows1252(c.share)};
        for (int col = 0; col < 6; ++col)
            choiceTable_->setItem(
                r, col, new SortItem(cells[col], col >= 2 && col != 3 ? std::optional(0.0) : std::nullopt));
    }
    choiceTable_->resizeColumnsToContents();
}

void ResultsWindow::exportPdf()
{
    std::string path;
    if (!AskPdfPath(app_, *results_, path)) return;
    SayPdfWritten(app_, path, writePdf(path));
}

void ResultsWindow::exportCsv()
{
    ExportCsvCommand(app_, *results_);
}

bool ResultsWindow::writePdf(const std::string& path)
{
    if (results_->GetState() != Results::State::Ready) return false;
    const QString name = FromNativeBytes(path);
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(8.5);
    document.setDefaultFont(font);
    // Drawn at about the size the page shows them, so that their texts
    // keep the size of the report's.
    const QSize chartSize(900, 400);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("qv:score")),
                         RenderChart(MakeScoreChart(*results_), chartSize));
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("qv:items")),
                         RenderChart(MakeItemChart(*results_), chartSize));

    QString html = QStringLiteral("<h1>%1</h1>").arg(windowTitle().toHtmlEscaped());
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Classe"));
    std::vector<std::vector<std::string>> figures;
    for (const auto& f : results_->ClassFigures()) figures.push_back({f.label, f.value});
    html += HtmlTable({QString(), QString()}, figures);
    html += QStringLiteral("<p><img src=\"qv:score\" width=\"500\"></p>");

    html += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2>").arg(tr("Domande"));
    std::vector<QString> colours;
    for (const auto& item : results_->Analysis().items) {
        const auto colour = FlagColour(item.flags);
        colours.push_back(colour ? colour->name() : QString());
    }
    html += HtmlTable(Heads(results_->Questions().heads), Texts(results_->Questions()), colours,
                      {0, 27, 0, 0, 0, 0, 0, 0, 20});
    html += QStringLiteral("<p><img src=\"qv:items\" width=\"500\"></p>");
    std::string yes;
    ToWindows1252(tr("s\u00ec"), yes);
    for (int row = 0; row < static_cast<int>(results_->Analysis().items.size()); ++row) {
        const auto choices = results_->ItemChoices(row);
        if (choices.empty()) continue;
        html += QStringLiteral("<h3>%1: %2</h3>")
                    .arg(Html(results_->ItemLabel(row)), Html(results_->Questions().rows[row][1].text));
        std::vector<std::vector<std::string>> rows;
        for (const auto& c : choices)
            rows.push_back({c.text, c.score, c.correct ? yes : "", std::to_string(c.count), c.share});
        html += HtmlTable(AnswerHeads(), rows, {}, {40});
    }

    html += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2>").arg(tr("Studenti"));
    html += HtmlTable(Heads(results_->Students().heads), Texts(results_->Students()));
    document.setHtml(html);

    // An earlier report of the same name is replaced only once the new one
    // is wholly written.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(windowTitle());
        writer.setCreator(QStringLiteral("Visual Quadrivo Editor"));
        document.print(&writer);
    }
    return file.commit();
}

void RunResultsWindow(QWidget* parent, Application& app)
{
    ResultsWindow window(app, parent);
    window.exec();
}

}  // namespace quadrivo::editor
