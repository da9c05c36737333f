// tsttool: the questionnaire library from the command line, for checking a
// folder of files, converting between plain and scrambled files and looking
// inside them as JSON. Exit status: the library's error code (0 = success);
// 2 for a command line it does not understand.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <variant>

#include "model/domanda.h"
#include "model/test.h"
#include "student/studente.h"
#include "student/studrispo.h"
#include "text/enumerazioni.h"
#include "text/errore.h"
#include "tools/tsttool_common.h"
#include "tools/tsttool_interchange.h"
#include "tools/tsttool_record.h"
#include "tools/tsttool_stats.h"

namespace quadrivo::tsttool {

namespace {

// Keys keep the order in which they are written.
using json = nlohmann::ordered_json;

const char kUsage[] =
    "Uso: tsttool COMANDO ARGOMENTI\n"
    "  tsttool check FILE                 carica il questionario FILE; errori su stderr\n"
    "  tsttool dump FILE [--students]     il questionario (con --students anche gli studenti) in JSON\n"
    "  tsttool save IN OUT [--no-overwrite] [--scramble|--plain]   salva IN come OUT (OUT senza cartella: "
    "accanto a IN)\n"
    "  tsttool stats FILE.tst [--json]    statistiche del test e dei risultati degli studenti\n"
    "      [--items]                      con l'analisi delle domande\n"
    "      [--csv OUT.csv] [--items-csv OUT.csv]   risultati per studente, per domanda, come CSV\n"
    "  tsttool record FILE.tst --name NOME [--seconds N] N=VALORE...   valuta e salva le risposte di uno "
    "studente\n"
    "  tsttool import IN OUT.tst [--format gift|moodle|aiken] [--append]   le domande di IN in OUT\n"
    "  tsttool export IN.tst OUT [--format gift|moodle|aiken]   le domande di IN nel formato\n"
    "  tsttool --help | --version         questo aiuto, la versione\n"
    "Lo stato d'uscita e' il codice d'errore della libreria (0 = nessun errore).\n";

// Dumps lose nothing: the bytes that Windows-1252 leaves undefined come out
// as the control characters of the same number.
std::string Utf8(const CStringa& text)
{
    return Utf8FromWindows1252(Bytes(text), UndefinedBytes::AsControls);
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

// The fields of <ParTest> in the order the file writes them, each under its
// keyword.
using ParamMember = std::variant<int CParTest::*, CStringa CParTest::*>;
// clang-format off
const std::pair<const char*, ParamMember> kParamFields[] = {
    {"Name", &CParTest::Name},             {"Random", &CParTest::Random},
    {"Save", &CParTest::Save},             {"Time", &CParTest::Time},
    {"ViewScore", &CParTest::ViewScore},   {"Exit", &CParTest::Exit},
    {"AskConfirm", &CParTest::AskConfirm}, {"CorrectAnswer", &CParTest::CorrectAnswer},
    {"SendBack", &CParTest::SendBack},     {"Password", &CParTest::Password},
    {"MaxQue", &CParTest::MaxQue},         {"ForceAns", &CParTest::ForceAns},
    {"ViewHint", &CParTest::ViewHint},     {"ViewComm", &CParTest::ViewComm},
    {"StudComm", &CParTest::StudComm},     {"ClassTest", &CParTest::ClassTest},
    {"TextTest", &CParTest::TextTest},
};
// clang-format on

json FieldJson(int x)
{
    return x;
}
json FieldJson(const CStringa& text)
{
    return Utf8(text);
}

json ParamsJson(const CParTest& p)
{
    json params = json::object();
    for (const auto& entry : kParamFields) {
        const char* key = entry.first;
        std::visit([&](auto field) { params[key] = FieldJson(p.*field); }, entry.second);
    }
    return params;
}

json QuestionJson(const CDomanda& q)
{
    json answers = json::array();
    for (int i = 0; i < q.GetAnswerCount(); ++i) {
        const CRisposta& a = q.GetAnswer(i);
        answers.push_back(
            {{"Score", Number(a.GetScore())}, {"Correct", a.IsCorrect()}, {"TextAns", Utf8(a.GetTextAns())}});
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

// What the record holds, as read from the file: the guarded getters would
// show 0 for NumSendBack, Score and the choices of a record that is not valid.
json StudentAnswerJson(const CStudRispo& a)
{
    json choice = json::array();
    json order = json::array();
    for (int i = 0; i < a.GetStNumRisp(); ++i) {
        choice.push_back(a.StoredChoice(i));
        order.push_back(a.StoredStRndRisp(i));
    }
    return json{{"IDAns", a.GetIDAns()},
                {"IsValid", a.GetIsValid()},
                {"RndAns", a.GetRndAns()},
                {"IsCorrect", Utf8(TCorrectText(a.GetIsCorrect()))},
                {"TimeAns", a.GetTimeAns()},
                {"NumSendBack", a.StoredNumSendBack()},
                {"Score", Number(a.StoredScore())},
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

int RunCheck(int argc, char** argv, CErrore* errors)
{
    if (argc != 2) return Usage();
    return LoadTypedTest(errors, argv[1]).Error();
}

int RunDump(int argc, char** argv, CErrore* errors)
{
    Arguments args;
    if (!ReadArguments(argc, argv, {"--students"}, 1, &args) || args.files.size() != 1) return Usage();

    CTest test = LoadTypedTest(errors, args.files[0]);
    const int loaded = test.Error();
    json doc{{"error", loaded}, {"scrambled", test.IsScrambled()}, {"params", ParamsJson(test.GetParams())}};
    json questions = json::array();
    for (int i = 0; i < test.QuestionCount(); ++i) questions.push_back(QuestionJson(*test.GetQuestion(i)));
    doc["questions"] = questions;
    int result = loaded;
    if (args.Has("--students")) {
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
    Arguments args;
    if (!ReadArguments(argc, argv, {"--no-overwrite", "--scramble", "--plain"}, 2, &args) ||
        args.files.size() != 2 || (args.Has("--scramble") && args.Has("--plain")))
        return Usage();

    CTest test = LoadTypedTest(errors, args.files[0]);
    if (test.Error() != 0) return test.Error();
    // Without either switch the file keeps the form it was loaded in.
    if (args.Has("--scramble")) test.SetScrambled(1);
    if (args.Has("--plain")) test.SetScrambled(0);
    return test.SaveTo(CStringa(args.files[1]), args.Has("--no-overwrite") ? 0 : 1);
}

}  // namespace

}  // namespace quadrivo::tsttool

using namespace quadrivo;
using namespace quadrivo::tsttool;

int main(int argc, char** argv)
{
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::puts("tsttool " QV_VERSION);
        return 0;
    }

    StderrPresenter presenter;
    mkErrore errors(presenter);
    try {
        if (command == "check") return RunCheck(argc - 1, argv + 1, &errors);
        if (command == "dump") return RunDump(argc - 1, argv + 1, &errors);
        if (command == "save") return RunSave(argc - 1, argv + 1, &errors);
        if (command == "stats") return RunStatsCommand(argc - 1, argv + 1, &errors);
        if (command == "record") return RunRecordCommand(argc - 1, argv + 1, &errors);
        if (command == "import") return RunImportCommand(argc - 1, argv + 1, &errors);
        if (command == "export") return RunExportCommand(argc - 1, argv + 1, &errors);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tsttool: %s\n", e.what());
        return 1;
    }
    return Usage();
}
