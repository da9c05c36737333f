#ifndef QUADRIVO_EDITOR_QT_RESULTSWINDOW_H
#define QUADRIVO_EDITOR_QT_RESULTSWINDOW_H

#include <QDialog>
#include <memory>

class QLabel;
class QTableWidget;

namespace quadrivo::editor {

class Application;
class Results;

// "Risultati": the students' results of the current test as last saved, in
// three tabs (Classe, Domande, Studenti) with charts, and their export as a
// PDF report and as CSV files. It reads the test's files and never writes
// them. Without a saved test or a student file it says so instead.
class ResultsWindow : public QDialog {
    Q_OBJECT

public:
    ResultsWindow(Application& app, QWidget* parent = nullptr);
    ~ResultsWindow() override;

    // Writes the report of the three tabs, charts included, to path (in the
    // system's file-name encoding); false when it could not be written.
    bool writePdf(const std::string& path);

private:
    void exportPdf();
    void exportCsv();
    // Fills the distractor panel with the question of the table's row.
    void showQuestion(int tableRow);

    QWidget* makeClassTab();
    QWidget* makeQuestionTab();
    QWidget* makeStudentTab();

    Application& app_;
    std::unique_ptr<Results> results_;
    QTableWidget* questionTable_ = nullptr;
    QTableWidget* detailTable_ = nullptr;
    QTableWidget* choiceTable_ = nullptr;
    QLabel* questionTitle_ = nullptr;
};

// Opens the results window over parent, modal, until it is closed.
void RunResultsWindow(QWidget* parent, Application& app);

}  // namespace quadrivo::editor

#endif
