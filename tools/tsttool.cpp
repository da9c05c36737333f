// tsttool: the questionnaire library from the command line, for checking a
// folder of files, converting between plain and scrambled files and looking
// inside them as JSON. Exit status: the library's error code (0 = success);
// 2 for a command line it does not understand.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "model/domanda.h"
#include "model/enumerazioni.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "tools/tsttool_stats.h"
#include "tstfile/errore.h"

namespace {

// Keys keep the order in which they are written.
using json = nlohmann::ordered_json;

constexpr int kUsageError = 2;

const char kUsage[] =
    "Uso: tsttool COMANDO ARGOMENTI\n"
    "  tsttool check FILE                 carica il questionario FILE; errori su stderr\n"
    "  tsttool dump FILE [--students]     il questionario (con --students anche gli studenti) in JSON\n"
    "  tsttool save IN OUT [--no-overwrite] [--scramble|--plain]   salva IN come OUT (OUT senza cartella: accanto a IN)\n"
    "  tsttool stats FILE.tst [--json]    statistiche del test e dei risultati degli studenti\n"
    "Lo stato d'uscita e' il codice d'errore della libreria (0 = nessun errore).\n";

// Every report is one line of stderr, the message exactly as built.
class StderrPresenter : public ErrorPresenter {
public:
    void Present(int, const CStringa& message) override
    {
        if (message.IsOk()) std::fwrite(message.CStr(), 1, message.Length(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
};

// The code points of 0x80..0x9F in Windows-1252; its five unused bytes map
// to the control characters of the same number.
constexpr unsigned kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string Utf8(const CStringa& text)
{
    std::string out;
    for (unsigned i = 0; i < text.Length(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(*text.At(i));
        const unsigned code = byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// The shortest decimal that reads back as the same float, whether it is read
// as a float or as a double and then narrowed: 0.1f shows as 0.1, not as the
// double nearest to it. Infinities and NaN have no JSON form and become null.
json Number(float x)
{
    if (!std::isfinite(x)) return nullptr;
    char text[32];
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(x));
        const double wide = std::strtod(text, nullptr);
        if (std::strtof(text, nullptr) == x && static_cast<float>(wide) == x) return wide;
    }
    return static_cast<double>(x);
}

json Number(double x)
{
    if (!std::isfinite(x)) return nullptr;
    return x;
}

json ParamsJson(const CParTest& p)
{
    return json{{"Name", Utf8(p.Name)},
                {"Random", p.Random},
                {"Save", p.Save},
                {"Time", p.Time},
                {"ViewScore", p.ViewScore},
                {"Exit", p.Exit},
                {"AskConfirm", p.AskConfirm},
                {"CorrectAnswer", p.CorrectAnswer},
                {"SendBack", p.SendBack},
                {"Password", Utf8(p.Password)},
                {"MaxQue", p.MaxQue},
                {"ForceAns", p.ForceAns},
                {"ViewHint", p.ViewHint},
                {"ViewComm", p.ViewComm},
                {"StudComm", p.StudComm},
                {"ClassTest", Utf8(p.ClassTest)},
                {"TextTest", Utf8(p.TextTest)}};
}

json QuestionJson(const CDomanda& q)
{
    json answers = json::array();
    for (int i = 0; i < q.GetAnswerCount(); ++i) {
        const CRisposta& a = q.GetAnswer(i);
        answers.push_back({{"Score", Number(a.GetScore())},
                           {"Correct", a.IsCorrect()},
                           {"TextAns", Utf8(a.GetTextAns())}});
    }
    return json{{"TextQue", Utf8(q.GetTextQue())},
                {"EnableQue", q.GetEnableQue()},
                {"ScoreIfSkip", Number(q.GetScoreIfSkip())},
                {"ScoreIfLate", Number(q.GetScoreIfLate())},
                {"ScoreIfSendBack", Number(q.GetScoreIfSendBack())},
                {"TimeQue", q.GetTimeQue()},
                {"TypeQue", Utf8(TQueText(q.GetTypeQue()))},
                {"HintMode", Utf8(THintText(q.GetHintMode()))},
                {"ClassQue", Utf8(q.GetClassQue())},
                {"Image", Utf8(q.GetImage())},
                {"Random", q.GetRandom()},
                {"Selection", Utf8(TSelText(q.GetSelection()))},
                {"TypeSel", Utf8(TTypeSelText(q.GetTypeSel()))},
                {"AddTxtNum", Utf8(TAddText(q.GetAddTxtNum()))},
                {"NumOk", Number(q.GetNumOk())},
                {"Precision", Number(q.GetPrecision())},
                {"ScoreIfOk", Number(q.GetScoreIfOk())},
                {"ScoreIfBad", Number(q.GetScoreIfBad())},
                {"ScoreIfNear", Number(q.GetScoreIfNear())},
                {"TextOk", Utf8(q.GetTextOk())},
                {"Divide", q.GetDivide()},
                {"answers", answers}};
}

// The record's own accessors: NumSendBack, Score and the choices read 0 on a
// record that is not valid, as for every other reader of the record.
json StudentAnswerJson(const CStudRispo& a)
{
    json choice = json::array();
    json order = json::array();
    for (int i = 0; i < a.GetStNumRisp(); ++i) {
        choice.push_back(a.GetChoice(i));
        order.push_back(a.GetStRndRisp(i));
    }
    return json{{"IDAns", a.GetIDAns()},
                {"IsValid", a.GetIsValid()},
                {"RndAns", a.GetRndAns()},
                {"IsCorrect", Utf8(TCorrectText(a.GetIsCorrect()))},
                {"TimeAns", a.GetTimeAns()},
                {"NumSendBack", a.GetNumSendBack()},
                {"Score", Number(a.GetScore())},
                {"TypeQue", Utf8(TQueText(a.GetTypeQue()))},
                {"Number", Number(a.GetNumber())},
                {"LineAns", Utf8(a.GetLineAns())},
                {"Choice", choice},
                {"StRndRisp", order}};
}

json StudentJson(CStudente& s)
{
    json answers = json::array();
    for (int i = 0; i < s.AnswerCount(); ++i) answers.push_back(StudentAnswerJson(*s.Answer(i)));
    return json{{"NameStudent", Utf8(s.GetNameStudent())},
                {"TimeInit", Utf8(s.GetTimeInit())},
                {"TimeLength", Utf8(s.GetTimeLength())},
                {"TotalScore", Number(s.GetTotalScore())},
                {"answers", answers}};
}

int Usage()
{
    std::fputs(kUsage, stderr);
    return kUsageError;
}

// The file as typed is both the directory and the path, so that messages
// name it as the user wrote it.
CStringa Typed(const char* file) { return CStringa(file); }

int RunCheck(int argc, char** argv, CErrore* errors)
{
    if (argc != 2) return Usage();
    const CTest test(errors, Typed(argv[1]), Typed(argv[1]));
    return test.Error();
}

int RunDump(int argc, char** argv, CErrore* errors)
{
    const char* file = nullptr;
    bool students = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--students") == 0)
            students = true;
        else if (!file && argv[i][0] != '-')
            file = argv[i];
        else
            return Usage();
    }
    if (!file) return Usage();

    CTest test(errors, Typed(file), Typed(file));
    const int loaded = test.Error();
    json doc{{"error", loaded}, {"scrambled", test.IsScrambled()}, {"params", ParamsJson(test.GetParams())}};
    json questions = json::array();
    for (int i = 0; i < test.QuestionCount(); ++i) questions.push_back(QuestionJson(*test.GetQuestion(i)));
    doc["questions"] = questions;
    int result = loaded;
    if (students) {
        const int studentsLoaded = test.LoadStudents();
        json records = json::array();
        for (int j = 0; j < test.StudentCount(); ++j) records.push_back(StudentJson(*test.GetStudent(j)));
        doc["studentsError"] = studentsLoaded;
        doc["students"] = records;
        if (result == 0) result = studentsLoaded;
    }
    std::cout << doc.dump(2) << '\n';
    return result;
}

int RunSave(int argc, char** argv, CErrore* errors)
{
    const char* files[2] = {nullptr, nullptr};
    int fileCount = 0;
    int overwrite = 1;
    int scramble = -1;   // as the load left it
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--no-overwrite") == 0)
            overwrite = 0;
        else if (std::strcmp(arg, "--scramble") == 0 && scramble != 0)
            scramble = 1;
        else if (std::strcmp(arg, "--plain") == 0 && scramble != 1)
            scramble = 0;
        else if (arg[0] != '-' && fileCount < 2)
            files[fileCount++] = arg;
        else
            return Usage();
    }
    if (fileCount != 2) return Usage();

    CTest test(errors, Typed(files[0]), Typed(files[0]));
    if (test.Error() != 0) return test.Error();
    if (scramble >= 0) test.SetScrambled(scramble);
    return test.SaveTo(CStringa(files[1]), overwrite);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }

    StderrPresenter presenter;
    ScopedErrorPresenter presenting(&presenter);
    mkErrore errors;
    try {
        if (command == "check") return RunCheck(argc - 1, argv + 1, &errors);
        if (command == "dump") return RunDump(argc - 1, argv + 1, &errors);
        if (command == "save") return RunSave(argc - 1, argv + 1, &errors);
        if (command == "stats") return RunStatsCommand(argc - 1, argv + 1);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tsttool: %s\n", e.what());
        return 1;
    }
    return Usage();
}
