// tsttool stats: the class report of a questionnaire and its student file,
// as aligned text for a terminal or as one JSON document.

#include "tools/tsttool_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/analisi.h"
#include "model/domanda.h"
#include "model/partest.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "student/tempo.h"
#include "text/utilita.h"
#include "tools/tsttool_common.h"
#include "tstfile/esportacsv.h"

namespace quadrivo::tsttool {

namespace {

using Json = nlohmann::ordered_json;

const char* const kUsage =
    "Uso: tsttool stats FILE.tst [--items] [--json] [--csv STUDENTI.csv] [--items-csv DOMANDE.csv]";

// Longest question text shown in the table, in characters.
constexpr std::size_t kQuestionWidth = 60;

struct Judgement {
    TCorrect value;
    const char* label;   // row of the judgement table
    const char* column;  // head of its column in the question table
};

const Judgement kJudgements[] = {
    {TCorrect::Yes, "Esatte", "Esatte"},       {TCorrect::Nearly, "Quasi esatte", "Quasi"},
    {TCorrect::No, "Errate", "Errate"},        {TCorrect::Skip, "Saltate", "Saltate"},
    {TCorrect::Late, "In ritardo", "Ritardo"}, {TCorrect::Disable, "Non date", "Non date"},
};
constexpr int kJudgementCount = sizeof kJudgements / sizeof kJudgements[0];

// Every figure of the report, taken once from the test so that the text and
// the JSON forms cannot disagree. Texts hold the file's 8-bit bytes.
struct Figures {
    std::string file;
    std::string name;

    int questions = 0;
    int enabled = 0;
    int asked = 0;
    double testMin = 0;
    double testMax = 0;
    double testMean = 0;
    double testStdDev = 0;

    int students = 0;
    double classMin = 0;
    double classMax = 0;
    double mean = 0;
    double median = 0;
    double stdDev = 0;
    double sampleStdDev = 0;
    int totalTime = 0;
    int meanTime = 0;
    int timeStdDev = 0;
    int expectedAnswers = 0;
    int totalAnswerTime = 0;

    int judgementCount[kJudgementCount] = {};
    int judgementTime[kJudgementCount] = {};

    struct Question {
        std::string text;
        int enabled = 0;
        int answered = 0;
        int counts[kJudgementCount] = {};
        int sendBacks = 0;
        int time = 0;
    };
    std::vector<Question> perQuestion;

    struct Student {
        std::string name;
        double score = 0;
        std::string time;
    };
    std::vector<Student> byScore;
    std::vector<Student> byName;
};

// Scores are shown to two decimals; the rounded value is also what the JSON
// document carries. Adding 0.0 turns a negative zero into 0.
double TwoDecimals(double x)
{
    return Round(x, 2) + 0.0;
}

// Time figures come from int sums of seconds; they are shown to the second.
int WholeSeconds(double x)
{
    return std::isfinite(x) && std::fabs(x) < 2e9 ? static_cast<int>(std::lround(x)) : 0;
}

std::vector<Figures::Student> Ordered(CTest& test, const int* order)
{
    std::vector<Figures::Student> students;
    for (int i = 0; i < test.StudentCount(); ++i) {
        const CStudente* s = test.GetStudent(order[i]);
        students.push_back(
            {Bytes(s->GetNameStudent()), TwoDecimals(s->GetTotalScore()), Bytes(s->GetTimeLength())});
    }
    return students;
}

Figures Gather(CTest& test)
{
    Figures f;
    f.file = Bytes(test.TestFileName());
    f.name = Bytes(test.GetParams().Name);

    f.questions = test.QuestionCount();
    f.enabled = test.EnabledCount();
    f.asked = test.AskedCount();
    f.testMin = TwoDecimals(test.TestMinScore());
    f.testMax = TwoDecimals(test.TestMaxScore());
    f.testMean = TwoDecimals(test.TestMeanScore());
    f.testStdDev = TwoDecimals(test.TestScoreStdDev());

    f.students = test.StudentCount();
    f.classMin = TwoDecimals(test.ClassMin());
    f.classMax = TwoDecimals(test.ClassMax());
    f.mean = test.ClassMean(2) + 0.0;
    f.median = test.ClassMedian(2) + 0.0;
    f.stdDev = test.ClassStdDev(2) + 0.0;
    f.sampleStdDev = test.ClassSampleStdDev(2) + 0.0;
    f.totalTime = test.ClassTotalTime();
    f.meanTime = WholeSeconds(test.ClassMeanTime());
    f.timeStdDev = WholeSeconds(test.ClassTimeStdDev());
    f.expectedAnswers = test.ExpectedAnswers();
    f.totalAnswerTime = test.TotalAnswerTime();

    for (int k = 0; k < kJudgementCount; ++k) {
        f.judgementCount[k] = test.CountByJudgement(kJudgements[k].value);
        f.judgementTime[k] = test.TimeByJudgement(kJudgements[k].value);
    }

    for (int q = 0; q < test.QuestionCount(); ++q) {
        const CDomanda* question = test.GetQuestion(q);
        Figures::Question row;
        row.text = Bytes(question->GetTextQue());
        row.enabled = question->GetEnableQue();
        row.answered = test.QuestionAnsweredCount(q);
        for (int k = 0; k < kJudgementCount; ++k)
            row.counts[k] = test.QuestionCountByJudgement(kJudgements[k].value, q);
        row.sendBacks = test.QuestionSendBacks(q);
        row.time = test.QuestionTime(q);
        f.perQuestion.push_back(row);
    }

    f.byScore = Ordered(test, test.SortByScore());
    f.byName = Ordered(test, test.SortByName());
    return f;
}

// The report shows text: the bytes that Windows-1252 leaves undefined become
// U+FFFD rather than control characters.
std::string ToUtf8(const std::string& text)
{
    return Utf8FromWindows1252(text, UndefinedBytes::AsReplacement);
}

// Text of the terminal form.

// A cell of a table: one line, control characters blanked so that they
// cannot break the columns; each byte is one character on the screen once
// converted, so byte counts are widths.
std::string Cell(const std::string& text)
{
    std::string cell;
    for (unsigned char c : text) cell += (c < 0x20 || c == 0x7F) ? ' ' : static_cast<char>(c);
    return cell;
}

// The question as one short line: blanks and line breaks folded into single
// blanks, cut with "..." when too long.
std::string ShortText(const std::string& text)
{
    std::string line;
    for (unsigned char c : text) {
        const bool blank = c <= 0x20 || c == 0x7F;
        if (blank) {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += static_cast<char>(c);
        }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (line.size() > kQuestionWidth) line = line.substr(0, kQuestionWidth - 3) + "...";
    return line;
}

std::string Score(double x)
{
    if (!std::isfinite(x)) return "n/d";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", x);
    return buf;
}

std::string Number(int n)
{
    return std::to_string(n);
}

std::string MinSec(int seconds)
{
    return Bytes(FormatMinSec(seconds));
}

enum class Align { Left, Right };

using Rows = std::vector<std::vector<std::string>>;

// Lays out rows in columns as wide as their widest cell (heads included when
// given) and at least as wide as widths says, two blanks apart, each line
// indented by two blanks.
void PrintTable(std::ostream& out, const std::vector<Align>& aligns, const std::vector<std::string>& heads,
                const Rows& rows, std::vector<std::size_t> widths = {})
{
    widths.resize(aligns.size(), 0);
    auto measure = [&widths](const std::vector<std::string>& row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            if (row[c].size() > widths[c]) widths[c] = row[c].size();
    };
    measure(heads);
    for (const auto& row : rows) measure(row);

    auto print = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            const std::string pad(widths[c] - row[c].size(), ' ');
            line += "  ";
            line += aligns[c] == Align::Right ? pad + row[c] : row[c] + pad;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << ToUtf8(line) << '\n';
    };
    if (!heads.empty()) print(heads);
    for (const auto& row : rows) print(row);
}

// Label and value sections printed one after the other share their widths,
// so that their values line up.
void PrintSections(std::ostream& out, const std::vector<std::pair<const char*, Rows>>& sections)
{
    std::vector<std::size_t> widths(2, 0);
    for (const auto& section : sections)
        for (const auto& row : section.second)
            for (std::size_t c = 0; c < 2; ++c) widths[c] = std::max(widths[c], row[c].size());
    for (const auto& section : sections) {
        out << '\n' << ToUtf8(section.first) << '\n';
        PrintTable(out, {Align::Left, Align::Right}, {}, section.second, widths);
    }
}

void PrintStudents(std::ostream& out, const char* title, const std::vector<Figures::Student>& students)
{
    out << '\n' << title << '\n';
    Rows rows;
    int position = 0;
    for (const auto& s : students)
        rows.push_back({Number(++position), Cell(s.name), Score(s.score), Cell(s.time)});
    if (rows.empty()) {
        out << "  Nessuno studente\n";
        return;
    }
    PrintTable(out, {Align::Right, Align::Left, Align::Right, Align::Right},
               {"N.", "Studente", "Punteggio", "Tempo"}, rows);
}

void PrintText(std::ostream& out, const Figures& f)
{
    std::string title = "Statistiche del test";
    if (!f.name.empty()) title += " \"" + Cell(f.name) + "\"";
    title += " (" + Cell(f.file) + ")";
    out << ToUtf8(title) << '\n';

    // Without students the library's bounds are placeholders, not scores.
    const bool anyone = f.students > 0;
    PrintSections(out, {
                           {"Test",
                            {
                                {"Domande", Number(f.questions)},
                                {"Domande attive", Number(f.enabled)},
                                {"Domande poste", Number(f.asked)},
                                {"Punteggio minimo", Score(f.testMin)},
                                {"Punteggio massimo", Score(f.testMax)},
                                {"Punteggio medio per domanda a caso", Score(f.testMean)},
                                {"Deviazione standard a caso", Score(f.testStdDev)},
                            }},
                           {"Classe",
                            {
                                {"Studenti", Number(f.students)},
                                {"Minimo", anyone ? Score(f.classMin) : "-"},
                                {"Massimo", anyone ? Score(f.classMax) : "-"},
                                {"Media", Score(f.mean)},
                                {"Mediana", Score(f.median)},
                                {"Deviazione standard", Score(f.stdDev)},
                                {"Deviazione standard campionaria", Score(f.sampleStdDev)},
                                {"Tempo totale", MinSec(f.totalTime)},
                                {"Tempo medio", MinSec(f.meanTime)},
                                {"Deviazione standard del tempo", MinSec(f.timeStdDev)},
                                {"Risposte attese", Number(f.expectedAnswers)},
                                {"Tempo di tutte le risposte", MinSec(f.totalAnswerTime)},
                            }},
                       });

    out << "\nRisposte per giudizio\n";
    Rows judgements;
    for (int k = 0; k < kJudgementCount; ++k)
        judgements.push_back({kJudgements[k].label, Number(f.judgementCount[k]), MinSec(f.judgementTime[k])});
    PrintTable(out, {Align::Left, Align::Right, Align::Right}, {"Giudizio", "Risposte", "Tempo"}, judgements);

    out << "\nRisposte per domanda\n";
    if (f.perQuestion.empty()) {
        out << "  Nessuna domanda\n";
    } else {
        std::vector<Align> aligns = {Align::Right, Align::Left, Align::Right};
        std::vector<std::string> heads = {"N.", "Attiva", "Risposte"};
        for (const Judgement& j : kJudgements) {
            aligns.push_back(Align::Right);
            heads.push_back(j.column);
        }
        aligns.insert(aligns.end(), {Align::Right, Align::Right, Align::Left});
        heads.insert(heads.end(), {"Rinvii", "Tempo", "Domanda"});
        Rows rows;
        int number = 0;
        for (const auto& q : f.perQuestion) {
            std::vector<std::string> row = {Number(++number), q.enabled ? "si" : "no", Number(q.answered)};
            for (int k = 0; k < kJudgementCount; ++k) row.push_back(Number(q.counts[k]));
            row.insert(row.end(), {Number(q.sendBacks), MinSec(q.time), ShortText(q.text)});
            rows.push_back(row);
        }
        PrintTable(out, aligns, heads, rows);
    }

    PrintStudents(out, "Studenti per punteggio", f.byScore);
    PrintStudents(out, "Studenti per nome", f.byName);
}

// The JSON form: the same figures, scores rounded as shown, times in seconds.

Json StudentsJson(const std::vector<Figures::Student>& students)
{
    Json list = Json::array();
    for (const auto& s : students)
        list.push_back(
            {{"NameStudent", ToUtf8(s.name)}, {"TotalScore", s.score}, {"TimeLength", ToUtf8(s.time)}});
    return list;
}

Json ToJson(const Figures& f, int status)
{
    Json doc;
    doc["error"] = status;
    doc["file"] = ToUtf8(f.file);
    doc["name"] = ToUtf8(f.name);
    doc["test"] = {
        {"QuestionCount", f.questions},    {"EnabledCount", f.enabled}, {"AskedCount", f.asked},
        {"TestMinScore", f.testMin},       {"TestMaxScore", f.testMax}, {"TestMeanScore", f.testMean},
        {"TestScoreStdDev", f.testStdDev},
    };
    const bool anyone = f.students > 0;
    doc["class"] = {
        {"StudentCount", f.students},
        {"ClassMin", anyone ? Json(f.classMin) : Json(nullptr)},
        {"ClassMax", anyone ? Json(f.classMax) : Json(nullptr)},
        {"ClassMean", f.mean},
        {"ClassMedian", f.median},
        {"ClassStdDev", f.stdDev},
        {"ClassSampleStdDev", f.sampleStdDev},
        {"ClassTotalTime", f.totalTime},
        {"ClassMeanTime", f.meanTime},
        {"ClassTimeStdDev", f.timeStdDev},
        {"ExpectedAnswers", f.expectedAnswers},
        {"TotalAnswerTime", f.totalAnswerTime},
    };
    Json judgements = Json::array();
    for (int k = 0; k < kJudgementCount; ++k)
        judgements.push_back({{"IsCorrect", Bytes(TCorrectText(kJudgements[k].value))},
                              {"count", f.judgementCount[k]},
                              {"time", f.judgementTime[k]}});
    doc["judgements"] = judgements;

    Json questions = Json::array();
    for (const auto& q : f.perQuestion) {
        Json counts = Json::object();
        for (int k = 0; k < kJudgementCount; ++k)
            counts[Bytes(TCorrectText(kJudgements[k].value))] = q.counts[k];
        questions.push_back({{"TextQue", ToUtf8(q.text)},
                             {"EnableQue", q.enabled},
                             {"answered", q.answered},
                             {"judgements", counts},
                             {"sendBacks", q.sendBacks},
                             {"time", q.time}});
    }
    doc["questions"] = questions;
    doc["byScore"] = StudentsJson(f.byScore);
    doc["byName"] = StudentsJson(f.byName);
    return doc;
}

// The item analysis, added by --items.

// An undefined figure in the terminal form: an em dash in Windows-1252, as
// the table's cells are.
const char* const kUndefinedCell = "\x97";

std::string Figure(const std::optional<double>& x)
{
    return x ? Score(*x) : kUndefinedCell;
}

void PrintItems(std::ostream& out, CTest& test, const CAnalisi& a)
{
    out << "\nAnalisi delle domande\n";
    if (a.items.empty()) {
        out << "  Nessuna domanda attiva\n";
    } else {
        Rows rows;
        for (const CAnalisiDomanda& item : a.items)
            rows.push_back({Number(item.question + 1), Number(item.validAnswers), Figure(item.meanScore),
                            Figure(item.facility), Figure(item.stdDev), Figure(item.discrimination),
                            Number(item.sendBacks), ItemFlagsText(item.flags),
                            ShortText(Bytes(test.GetQuestion(item.question)->GetTextQue()))});
        PrintTable(out,
                   {Align::Right, Align::Right, Align::Right, Align::Right, Align::Right, Align::Right,
                    Align::Right, Align::Left, Align::Left},
                   {"N.", "Valide", "Media", "Facilit\xe0", "Dev. std.", "Discrim.", "Rinvii", "Segnalazioni",
                    "Domanda"},
                   rows);
    }

    out << "\nScelte per risposta\n";
    bool anyChoice = false;
    for (const CAnalisiDomanda& item : a.items) {
        if (item.choiceCounts.empty()) continue;
        anyChoice = true;
        std::string line = "  " + Number(item.question + 1) + ":";
        for (std::size_t i = 0; i < item.choiceCounts.size(); ++i)
            line += " " + std::string(1, static_cast<char>('A' + i)) + " " + Number(item.choiceCounts[i]);
        out << line << '\n';
    }
    if (!anyChoice) out << "  Nessuna domanda a scelta\n";

    PrintSections(out, {{"Affidabilit\xe0",
                         {
                             {"Studenti con tutte le risposte", Number(a.completeStudents)},
                             {"Alfa di Cronbach", Figure(a.alpha)},
                             {"Errore standard di misura", Figure(a.sem)},
                         }}});

    out << "\nDistribuzione dei punteggi\n";
    Rows bins;
    for (std::size_t b = 0; b < a.bins.size(); ++b) {
        const double from = a.binLow + a.binWidth * b;
        bins.push_back({Score(from) + " - " + Score(from + a.binWidth), Number(a.bins[b])});
    }
    PrintTable(out, {Align::Right, Align::Right}, {"Punteggio", "Studenti"}, bins);
}

Json FigureJson(const std::optional<double>& x)
{
    return x ? Json(TwoDecimals(*x)) : Json(nullptr);
}

Json ItemsJson(CTest& test, const CAnalisi& a)
{
    Json questions = Json::array();
    for (const CAnalisiDomanda& item : a.items) {
        Json judgements = Json::object();
        for (const JudgementName& name : kJudgementNames) {
            const int count = item.judgements[static_cast<int>(name.value)];
            judgements[Bytes(TCorrectText(name.value))] = {{"count", count},
                                                           {"share", FigureJson(Share(count, a.students))}};
        }
        Json flags = Json::array();
        for (const ItemFlagName& name : kItemFlagNames)
            if (item.flags & name.flag) flags.push_back(name.text);
        questions.push_back({{"question", item.question + 1},
                             {"TextQue", ToUtf8(Bytes(test.GetQuestion(item.question)->GetTextQue()))},
                             {"validAnswers", item.validAnswers},
                             {"MinScore", TwoDecimals(item.minScore)},
                             {"MaxScore", TwoDecimals(item.maxScore)},
                             {"mean", FigureJson(item.meanScore)},
                             {"facility", FigureJson(item.facility)},
                             {"stdDev", FigureJson(item.stdDev)},
                             {"discrimination", FigureJson(item.discrimination)},
                             {"judgements", judgements},
                             {"sendBacks", item.sendBacks},
                             {"studentsPuttingOff", item.studentsPuttingOff},
                             {"putOffShare", FigureJson(Share(item.studentsPuttingOff, a.students))},
                             {"choiceCounts", item.choiceCounts},
                             {"flags", flags}});
    }
    Json bins = Json::array();
    for (std::size_t b = 0; b < a.bins.size(); ++b)
        bins.push_back({{"from", TwoDecimals(a.binLow + a.binWidth * b)},
                        {"to", TwoDecimals(a.binLow + a.binWidth * (b + 1))},
                        {"students", a.bins[b]}});
    return {{"questions", questions},
            {"completeStudents", a.completeStudents},
            {"alpha", FigureJson(a.alpha)},
            {"sem", FigureJson(a.sem)},
            {"distribution", bins}};
}

// Takes "--csv FILE" and "--items-csv FILE" out of the arguments, into
// paths; false when either lacks its file name.
bool TakeCsvOptions(int argc, char** argv, std::vector<char*>* rest, const char** studentsCsv,
                    const char** itemsCsv)
{
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const char** target = arg == "--csv" ? studentsCsv : arg == "--items-csv" ? itemsCsv : nullptr;
        if (!target) {
            rest->push_back(argv[i]);
            continue;
        }
        if (i + 1 >= argc) return false;
        *target = argv[++i];
    }
    return true;
}

// Writes the CSV files asked for; the first failing write's code, else 0.
int WriteCsvFiles(CTest& test, const CAnalisi& a, const char* studentsCsv, const char* itemsCsv,
                  CErrore* errors)
{
    int status = 0;
    if (studentsCsv) status = WriteCsvFile(CStringa(studentsCsv), StudentsCsv(test, a), errors);
    if (itemsCsv && status == 0) status = WriteCsvFile(CStringa(itemsCsv), ItemsCsv(test, a), errors);
    return status;
}

}  // namespace

int RunStatsCommand(int argc, char** argv, CErrore* errors)
{
    std::vector<char*> rest;
    const char* studentsCsv = nullptr;
    const char* itemsCsv = nullptr;
    const bool csvUnderstood = TakeCsvOptions(argc, argv, &rest, &studentsCsv, &itemsCsv);
    Arguments args;
    const bool understood =
        ReadArguments(static_cast<int>(rest.size()), rest.data(), {"--json", "--items", "--help"}, 1, &args);
    if (args.Has("--help")) {
        std::cout << kUsage << '\n';
        return 0;
    }
    if (!csvUnderstood || !understood || args.files.size() != 1) {
        std::cerr << kUsage << '\n';
        return kUsageError;
    }

    CTest test = LoadTypedTest(errors, args.files[0]);
    // A questionnaire that did not load has no figures worth showing; a
    // student file that did not load still leaves a report of the records
    // read before the failure (none when the file is missing).
    if (test.Error() != 0) return test.Error();
    int status = test.LoadStudents();

    const Figures figures = Gather(test);
    const CAnalisi analysis = AnalyseItems(test);
    if (args.Has("--json")) {
        Json doc = ToJson(figures, status);
        if (args.Has("--items")) doc["items"] = ItemsJson(test, analysis);
        std::cout << doc.dump(2) << '\n';
    } else {
        PrintText(std::cout, figures);
        if (args.Has("--items")) PrintItems(std::cout, test, analysis);
    }
    const int written = WriteCsvFiles(test, analysis, studentsCsv, itemsCsv, errors);
    return status != 0 ? status : written;
}

}  // namespace quadrivo::tsttool
