#ifndef QUADRIVO_EDITOR_CORE_RESULTS_H
#define QUADRIVO_EDITOR_CORE_RESULTS_H

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/analisi.h"
#include "model/test.h"
#include "text/errore.h"

namespace quadrivo::editor {

class Application;

// What the results window shows of the current test: the questionnaire as
// last saved and the records of its student file, read from disk (the
// window never writes either), with the class figures, the item analysis
// and the students as rows of text ready for the widgets. Texts are
// Windows-1252, numbers have a decimal comma, an undefined figure is a dash.
class Results {
public:
    enum class State {
        NoTestFile,     // the test was never saved
        NoStudentFile,  // nobody has taken it yet
        NotLoaded,      // a file could not be read; message says why
        Ready,          // message may still carry a warning of the load
    };

    struct Figure {
        std::string label;
        std::string value;
    };
    // A cell of a sortable table: its text and, for a number, the value it
    // sorts by.
    struct Cell {
        std::string text;
        std::optional<double> number;
    };
    struct Table {
        std::vector<std::string> heads;
        std::vector<std::vector<Cell>> rows;
    };
    // One answer of a choice question and how many students marked it.
    struct Choice {
        std::string text;
        std::string score;
        bool correct = false;
        int count = 0;
        std::string share;  // of the valid answers
    };

    // Reads the saved file of app's current test and its student file, in
    // the editor's current folder. Shows no message.
    static std::unique_ptr<Results> Load(Application& app);
    Results(const Results&) = delete;
    Results& operator=(const Results&) = delete;

    State GetState() const { return state_; }
    const std::string& Message() const { return message_; }
    // The test file's name without its folder.
    const std::string& FileName() const { return fileName_; }

    const std::vector<Figure>& ClassFigures() const { return classFigures_; }
    // Question rows in the order of items(); flags() gives each row's flags.
    const Table& Questions() const { return questions_; }
    const Table& Students() const { return students_; }
    const CAnalisi& Analysis() const { return analysis_; }
    // The lower end of each bin of the score distribution, as text.
    std::vector<std::string> BinLabels() const;
    // Label of question row i, "D" and its number ("Q" in English).
    std::string ItemLabel(int row) const;
    // Judgements, their shares and the put-offs of question row i.
    std::vector<Figure> ItemDetails(int row) const;
    // The answers of question row i when it is a choice question.
    std::vector<Choice> ItemChoices(int row) const;

    // The two CSV files; 0 or the code, reported to the error reporter.
    int WriteStudentsCsv(const std::string& path, CErrore* errors);
    int WriteItemsCsv(const std::string& path, CErrore* errors);

private:
    Results() = default;
    void Gather();

    State state_ = State::NoTestFile;
    std::string message_;
    std::string fileName_;
    // The test's reports go into message_ instead of message boxes.
    class Collector : public ErrorPresenter {
    public:
        void Present(int code, const CStringa& message) override;
        std::string text;
    };
    Collector collector_;
    mkErrore reporter_{collector_};
    std::unique_ptr<CTest> test_;
    CAnalisi analysis_;
    std::vector<Figure> classFigures_;
    Table questions_;
    Table students_;
};

// The questions' CSV file beside the students' one: "-studenti.csv" becomes
// "-domande.csv", any other name gets "-domande" before its extension.
std::string ItemsCsvPath(const std::string& studentsPath);

// "Esporta CSV...": asks for the students' file, writes it and the
// questions' file beside it, and says which files it wrote. False when the
// user cancels or a write fails (reported).
bool ExportCsvCommand(Application& app, Results& results);

// "Esporta PDF...": the name of the report, asked of the user; false when
// cancelled. SayPdfWritten tells the user how the writing went.
bool AskPdfPath(Application& app, const Results& results, std::string& path);
void SayPdfWritten(Application& app, const std::string& path, bool written);

}  // namespace quadrivo::editor

#endif
