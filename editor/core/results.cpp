#include "editor/core/results.h"

#include <cmath>

#include "editor/core/application.h"
#include "editor/core/currentfolderscope.h"
#include "editor/core/dialogs.h"
#include "editor/core/frame.h"
#include "editor/core/translate.h"
#include "model/domanda.h"
#include "model/risposta.h"
#include "student/studente.h"
#include "student/tempo.h"
#include "text/codifica.h"
#include "tstfile/esportacsv.h"
#include "tstfile/filesystem.h"

namespace quadrivo::editor {

namespace {

const char* const kUndefined = "\x97";  // an em dash in Windows-1252

std::string Text(const CStringa& s)
{
    return s.CStr() ? std::string(s.CStr(), s.Length()) : std::string();
}

std::string Number(double x)
{
    return std::isfinite(x) ? DecimalText(x) : kUndefined;
}

std::string Number(const std::optional<double>& x)
{
    return x ? Number(*x) : kUndefined;
}

std::string Percent(const std::optional<double>& x)
{
    return x ? Number(*x) + "%" : kUndefined;
}

std::string MinSec(double seconds)
{
    return Text(FormatMinSec(static_cast<int>(std::lround(std::isfinite(seconds) ? seconds : 0))));
}

// Blanks and line breaks folded into single blanks.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (unsigned char c : text) {
        if (c <= 0x20 || c == 0x7F) {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += static_cast<char>(c);
        }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

Results::Cell NumberCell(const std::optional<double>& x)
{
    return {Number(x), x};
}

Results::Cell CountCell(int n)
{
    return {std::to_string(n), static_cast<double>(n)};
}

}  // namespace

void Results::Collector::Present(int, const CStringa& message)
{
    if (!text.empty()) text += "\n";
    text += Text(message);
}

std::unique_ptr<Results> Results::Load(Application& app)
{
    std::unique_ptr<Results> results(new Results);
    if (!HasFileName(app.currentTest)) {
        results->message_ = QT_TRANSLATE_NOOP(
            "Results",
            "Il test non \u00e8 ancora stato salvato: i risultati si leggono dal file del test salvato.");
        return results;
    }
    const CStringa name = app.currentTest.TestFileName();
    const std::string path = Text(name);
    results->fileName_ =
        path.substr(path.find_last_of("/\\:") == std::string::npos ? 0 : path.find_last_of("/\\:") + 1);

    CurrentFolderScope inFolder(app);
    results->test_ = std::make_unique<CTest>(&results->reporter_, name, name);
    CTest& test = *results->test_;
    if (test.Error() != 0) {
        results->state_ = State::NotLoaded;
        results->message_ = results->collector_.text;
        return results;
    }
    if (!PathExists(test.StudentFileName())) {
        results->state_ = State::NoStudentFile;
        results->message_ = FilledIn(QT_TRANSLATE_NOOP("Results",
                                                       "Nessuno studente ha ancora svolto il test: manca il "
                                                       "file dei risultati %1."),
                                     {Text(test.StudentFileName())});
        return results;
    }
    // Records read before a failure are still shown, under its message.
    test.LoadStudents();
    results->message_ = results->collector_.text;
    if (app.modified)
        results->message_ += std::string(results->message_.empty() ? "" : "\n") +
                             QT_TRANSLATE_NOOP("Results",
                                               "Il test ha modifiche non salvate: i risultati si "
                                               "riferiscono al file salvato.");
    results->state_ = State::Ready;
    results->Gather();
    return results;
}

void Results::Gather()
{
    CTest& test = *test_;
    analysis_ = AnalyseItems(test);
    const bool anyone = test.StudentCount() > 0;
    classFigures_ = {
        {QT_TRANSLATE_NOOP("Results", "Studenti"), std::to_string(test.StudentCount())},
        {QT_TRANSLATE_NOOP("Results", "Punteggio minimo possibile"), Number(test.TestMinScore())},
        {QT_TRANSLATE_NOOP("Results", "Punteggio massimo possibile"), Number(test.TestMaxScore())},
        {QT_TRANSLATE_NOOP("Results", "Punteggio minimo"), anyone ? Number(test.ClassMin()) : kUndefined},
        {QT_TRANSLATE_NOOP("Results", "Punteggio massimo"), anyone ? Number(test.ClassMax()) : kUndefined},
        {QT_TRANSLATE_NOOP("Results", "Media"), Number(test.ClassMean())},
        {QT_TRANSLATE_NOOP("Results", "Mediana"), Number(test.ClassMedian())},
        {QT_TRANSLATE_NOOP("Results", "Deviazione standard"), Number(test.ClassStdDev())},
        {QT_TRANSLATE_NOOP("Results", "Deviazione standard campionaria"), Number(test.ClassSampleStdDev())},
        {QT_TRANSLATE_NOOP("Results", "Tempo totale"), MinSec(test.ClassTotalTime())},
        {QT_TRANSLATE_NOOP("Results", "Tempo medio"), MinSec(test.ClassMeanTime())},
        {QT_TRANSLATE_NOOP("Results", "Deviazione standard del tempo"), MinSec(test.ClassTimeStdDev())},
        {QT_TRANSLATE_NOOP("Results", "Studenti con tutte le risposte"),
         std::to_string(analysis_.completeStudents)},
        {QT_TRANSLATE_NOOP("Results", "Alfa di Cronbach"), Number(analysis_.alpha)},
        {QT_TRANSLATE_NOOP("Results", "Errore standard di misura"), Number(analysis_.sem)},
    };

    questions_.heads = {QT_TRANSLATE_NOOP("Results", "N."),
                        QT_TRANSLATE_NOOP("Results", "Domanda"),
                        QT_TRANSLATE_NOOP("Results", "Valide"),
                        QT_TRANSLATE_NOOP("Results", "Media"),
                        QT_TRANSLATE_NOOP("Results", "Facilit\u00e0"),
                        QT_TRANSLATE_NOOP("Results", "Dev. std."),
                        QT_TRANSLATE_NOOP("Results", "Discriminazione"),
                        QT_TRANSLATE_NOOP("Results", "Rinvii"),
                        QT_TRANSLATE_NOOP("Results", "Segnalazioni")};
    for (const CAnalisiDomanda& item : analysis_.items) {
        questions_.rows.push_back({
            CountCell(item.question + 1),
            {OneLine(Text(test.GetQuestion(item.question)->GetTextQue())), std::nullopt},
            CountCell(item.validAnswers),
            NumberCell(item.meanScore),
            NumberCell(item.facility),
            NumberCell(item.stdDev),
            NumberCell(item.discrimination),
            CountCell(item.sendBacks),
            {ItemFlagsText(item.flags), std::nullopt},
        });
    }

    students_.heads = {QT_TRANSLATE_NOOP("Results", "Studente"), QT_TRANSLATE_NOOP("Results", "Punteggio"),
                       QT_TRANSLATE_NOOP("Results", "Tempo")};
    for (int s = 0; s < test.StudentCount(); ++s) {
        const CStudente& student = *test.GetStudent(s);
        const double score = student.GetTotalScore();
        students_.rows.push_back({
            {Text(student.GetNameStudent()), std::nullopt},
            {Number(score), std::isfinite(score) ? std::optional<double>(score) : std::nullopt},
            {Text(student.GetTimeLength()), CTest::ParseMinSec(student.GetTimeLength())},
        });
    }
}

std::vector<std::string> Results::BinLabels() const
{
    std::vector<std::string> labels;
    for (std::size_t b = 0; b < analysis_.bins.size(); ++b)
        labels.push_back(Number(analysis_.binLow + analysis_.binWidth * b));
    return labels;
}

std::string Results::ItemLabel(int row) const
{
    if (row < 0 || row >= static_cast<int>(analysis_.items.size())) return std::string();
    return FilledIn(QT_TRANSLATE_NOOP("Results", "D%1"), {std::to_string(analysis_.items[row].question + 1)});
}

std::vector<Results::Figure> Results::ItemDetails(int row) const
{
    std::vector<Figure> figures;
    if (row < 0 || row >= static_cast<int>(analysis_.items.size())) return figures;
    const CAnalisiDomanda& item = analysis_.items[row];
    for (const JudgementName& name : kJudgementNames) {
        const int count = item.judgements[static_cast<int>(name.value)];
        figures.push_back(
            {name.many, std::to_string(count) + " (" + Percent(Share(count, analysis_.students)) + ")"});
    }
    figures.push_back({QT_TRANSLATE_NOOP("Results", "Studenti che hanno rinviato"),
                       std::to_string(item.studentsPuttingOff) + " (" +
                           Percent(Share(item.studentsPuttingOff, analysis_.students)) + ")"});
    figures.push_back({QT_TRANSLATE_NOOP("Results", "Rinvii"), std::to_string(item.sendBacks)});
    return figures;
}

std::vector<Results::Choice> Results::ItemChoices(int row) const
{
    std::vector<Choice> choices;
    if (row < 0 || row >= static_cast<int>(analysis_.items.size())) return choices;
    const CAnalisiDomanda& item = analysis_.items[row];
    CDomanda& question = *test_->GetQuestion(item.question);
    for (int i = 0; i < static_cast<int>(item.choiceCounts.size()); ++i) {
        const CRisposta& answer = question.GetAnswer(i);
        choices.push_back({OneLine(Text(answer.GetTextAns())), Number(answer.GetScore()),
                           answer.IsCorrect() != 0, item.choiceCounts[i],
                           Percent(Share(item.choiceCounts[i], item.validAnswers))});
    }
    return choices;
}

int Results::WriteStudentsCsv(const std::string& path, CErrore* errors)
{
    if (state_ != State::Ready) return kCannotCreate;
    return WriteCsvFile(CStringa(path.c_str()), StudentsCsv(*test_, analysis_), errors);
}

int Results::WriteItemsCsv(const std::string& path, CErrore* errors)
{
    if (state_ != State::Ready) return kCannotCreate;
    return WriteCsvFile(CStringa(path.c_str()), ItemsCsv(*test_, analysis_), errors);
}

namespace {

// The name of the test file without folder and extension, for the names
// proposed by the export dialogs.
std::string BaseName(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

FileDialogRequest ExportRequest(Application& app, const std::string& title, const FileFilter& filter,
                                const std::string& extension, const std::string& proposed)
{
    FileDialogRequest request;
    request.title = title;
    request.filters = {filter, {QT_TRANSLATE_NOOP("Results", "Tutti i file (*.*)"), "*.*"}};
    request.defaultExtension = extension;
    request.folder = app.CurrentFolder();
    request.proposed = proposed;
    request.overwritePrompt = true;
    return request;
}

}  // namespace

std::string ItemsCsvPath(const std::string& studentsPath)
{
    const std::string suffix = "-studenti.csv";
    if (studentsPath.size() >= suffix.size() &&
        studentsPath.compare(studentsPath.size() - suffix.size(), suffix.size(), suffix) == 0)
        return studentsPath.substr(0, studentsPath.size() - suffix.size()) + "-domande.csv";
    const std::size_t slash = studentsPath.find_last_of("/\\");
    const std::size_t dot = studentsPath.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
        return studentsPath + "-domande";
    return studentsPath.substr(0, dot) + "-domande" + studentsPath.substr(dot);
}

bool ExportCsvCommand(Application& app, Results& results)
{
    std::string path;
    const FileDialogRequest request =
        ExportRequest(app, QT_TRANSLATE_NOOP("Results", "Esporta CSV"),
                      {QT_TRANSLATE_NOOP("Results", "File CSV (*.csv)"), "*.csv"}, "csv",
                      BaseName(results.FileName()) + "-studenti.csv");
    if (!app.dialogs.SaveFileName(request, path)) return false;
    const std::string itemsPath = ItemsCsvPath(path);
    if (results.WriteStudentsCsv(path, &app.errorReporter) != 0) return false;
    if (results.WriteItemsCsv(itemsPath, &app.errorReporter) != 0) return false;
    app.dialogs.ShowInfo(
        FilledIn(QT_TRANSLATE_NOOP(
                     "Results", "Ho scritto i risultati degli studenti in %1 e quelli delle domande in %2."),
                 {Windows1252FromUtf8(path), Windows1252FromUtf8(itemsPath)}));
    return true;
}

bool AskPdfPath(Application& app, const Results& results, std::string& path)
{
    const FileDialogRequest request =
        ExportRequest(app, QT_TRANSLATE_NOOP("Results", "Esporta PDF"),
                      {QT_TRANSLATE_NOOP("Results", "Documenti PDF (*.pdf)"), "*.pdf"}, "pdf",
                      BaseName(results.FileName()) + "-risultati.pdf");
    return app.dialogs.SaveFileName(request, path);
}

void SayPdfWritten(Application& app, const std::string& path, bool written)
{
    if (written)
        app.dialogs.ShowInfo(
            FilledIn(QT_TRANSLATE_NOOP("Results", "Ho scritto il resoconto dei risultati in %1."),
                     {Windows1252FromUtf8(path)}));
    else
        app.dialogs.ShowInfo(FilledIn(QT_TRANSLATE_NOOP("Results", "Non riesco a creare il file \"%1\""),
                                      {Windows1252FromUtf8(path)}));
}

}  // namespace quadrivo::editor
