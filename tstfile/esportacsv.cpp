// The results of a test as CSV files for spreadsheets.

#include "tstfile/esportacsv.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "model/analisi.h"
#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "text/codifica.h"
#include "text/errore.h"
#include "tstfile/filesystem.h"

namespace quadrivo {

namespace {

const char* const kUndefined = "\xE2\x80\x94";  // an em dash in UTF-8
const char* const kByteOrderMark = "\xEF\xBB\xBF";

using Row = std::vector<std::string>;

std::string BytesOf(const CStringa& s)
{
    return s.CStr() ? std::string(s.CStr(), s.Length()) : std::string();
}

// A text of the files (Windows-1252) as a field.
std::string TextField(const CStringa& s)
{
    std::string text = Utf8FromWindows1252(BytesOf(s), UndefinedBytes::AsReplacement);
    if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@'))
        text.insert(0, "'");
    return text;
}

// Blanks and line breaks folded into single blanks: a question is one line
// of the sheet.
CStringa OneLine(const CStringa& s)
{
    std::string line;
    for (unsigned char c : BytesOf(s)) {
        if (c <= 0x20 || c == 0x7F) {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += static_cast<char>(c);
        }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return CStringa(line.c_str());
}

std::string Quoted(const std::string& field)
{
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void AddRow(std::string& out, const Row& row)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += ';';
        out += Quoted(row[i]);
    }
    out += "\r\n";
}

// Spreadsheets read "6:41" as hours and minutes: the time goes out whole.
std::string TimeField(const CStringa& minSec)
{
    const int seconds = CTest::ParseMinSec(minSec);
    if (seconds < 0) return TextField(minSec);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buf;
}

const char* JudgementWord(TCorrect c)
{
    for (const JudgementName& name : kJudgementNames)
        if (name.value == c) return name.one;
    return kJudgementNames[kJudgementKinds - 1].one;
}

std::string QuestionHead(int question)
{
    return "D" + std::to_string(question + 1);
}

}  // namespace

std::string DecimalText(double x)
{
    if (!std::isfinite(x)) return kUndefined;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", x);
    std::string text = buf;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string FigureText(const std::optional<double>& x)
{
    return x ? DecimalText(*x) : kUndefined;
}

std::string StudentsCsv(CTest& test, const CAnalisi& analysis)
{
    std::string out = kByteOrderMark;
    Row head = {"Studente", "Punteggio", "Tempo"};
    for (const CAnalisiDomanda& item : analysis.items) {
        head.push_back(QuestionHead(item.question) + " punti");
        head.push_back(QuestionHead(item.question) + " giudizio");
    }
    AddRow(out, head);
    for (int s = 0; s < test.StudentCount(); ++s) {
        CStudente& student = *test.GetStudent(s);
        Row row = {TextField(student.GetNameStudent()), DecimalText(student.GetTotalScore()),
                   TimeField(student.GetTimeLength())};
        for (const CAnalisiDomanda& item : analysis.items) {
            const bool present = student.Error() == 0 && item.question < student.AnswerCount();
            const CStudRispo* answer = present ? student.Answer(item.question) : nullptr;
            row.push_back(answer && answer->GetIsValid() ? DecimalText(answer->GetScore()) : "");
            row.push_back(JudgementWord(answer ? answer->GetIsCorrect() : TCorrect::Disable));
        }
        AddRow(out, row);
    }
    return out;
}

std::string ItemsCsv(CTest& test, const CAnalisi& analysis)
{
    std::string out = kByteOrderMark;
    Row head = {
        "N.", "Domanda", "Risposte valide", "Media", "Facilità", "Deviazione standard", "Discriminazione"};
    for (const JudgementName& name : kJudgementNames) head.push_back(name.many);
    head.insert(head.end(), {"Rinvii", "Studenti con rinvii", "Segnalazioni"});
    AddRow(out, head);
    for (const CAnalisiDomanda& item : analysis.items) {
        Row row = {std::to_string(item.question + 1),
                   TextField(OneLine(test.GetQuestion(item.question)->GetTextQue())),
                   std::to_string(item.validAnswers),
                   FigureText(item.meanScore),
                   FigureText(item.facility),
                   FigureText(item.stdDev),
                   FigureText(item.discrimination)};
        for (const JudgementName& name : kJudgementNames)
            row.push_back(std::to_string(item.judgements[static_cast<int>(name.value)]));
        row.insert(row.end(), {std::to_string(item.sendBacks), std::to_string(item.studentsPuttingOff),
                               ItemFlagsText(item.flags)});
        AddRow(out, row);
    }
    return out;
}

int WriteCsvFile(const CStringa& path, const std::string& text, CErrore* errors)
{
    if (ReplaceFile(path, text, true) == ReplaceResult::Written) return 0;
    Report(errors, kCannotCreate, path);
    return kCannotCreate;
}

}  // namespace quadrivo
