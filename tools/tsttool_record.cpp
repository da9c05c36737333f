// tsttool record: a student's answers typed in from the command line, judged
// and saved as the runner does, for tests given on paper.

#include "tools/tsttool_record.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/domanda.h"
#include "model/giudizio.h"
#include "model/test.h"
#include "runner/core/resultstore.h"
#include "runner/core/session.h"
#include "student/studente.h"
#include "student/tempo.h"
#include "text/codifica.h"
#include "text/errore.h"
#include "tools/tsttool_common.h"

namespace quadrivo::tsttool {

namespace {

const char kUsage[] =
    "Uso: tsttool record FILE.tst --name \"COGNOME NOME\" [--seconds N] RISPOSTA...\n"
    "     tsttool record FILE.tst --recover\n"
    "RISPOSTA e' N=VALORE, N il numero della domanda nel file (da 1):\n"
    "  le risposte segnate per numero (2=1,3), un numero (4=650,5), un testo (3=Cagliari), - se saltata.\n";

// Exit status when another run kept the lock.
constexpr int kLockBusy = 1;

int Usage()
{
    std::fputs(kUsage, stderr);
    return kUsageError;
}

int Refuse(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return kUsageError;
}

struct Request {
    const char* file = nullptr;
    std::string name;
    int seconds = 0;
    bool recover = false;
    std::vector<std::string> answers;
};

bool ReadCount(const std::string& text, int* value)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    *value = std::atoi(text.c_str());
    return true;
}

bool ReadRequest(int argc, char** argv, Request* request)
{
    bool named = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--name" && i + 1 < argc) {
            request->name = argv[++i];
            named = true;
        } else if (arg == "--seconds" && i + 1 < argc) {
            if (!ReadCount(argv[++i], &request->seconds)) return false;
        } else if (arg == "--recover") {
            request->recover = true;
        } else if (!request->file && arg.find('=') == std::string::npos && arg.rfind("-", 0) != 0) {
            request->file = argv[i];
        } else if (arg.find('=') != std::string::npos) {
            request->answers.push_back(arg);
        } else {
            return false;
        }
    }
    if (!request->file) return false;
    if (request->recover) return !named && request->answers.empty();
    return named;
}

// The reply that one ANSWER gives to question q, or a message.
std::string ReadReply(const CDomanda& q, const std::string& value, CReplica* reply)
{
    if (value == "-") {
        reply->Skipped = true;
        return {};
    }
    if (q.GetTypeQue() != TQue::MultipleAnswer) {
        reply->Typed = CStringa(Windows1252FromUtf8(value).c_str());
        double x = 0;
        if (q.GetTypeQue() == TQue::SingleNumber && !value.empty() && !ReadTypedNumber(reply->Typed, &x))
            return "non e' un numero: " + value;
        return {};
    }
    int marked = 0;
    for (std::size_t at = 0; at < value.size();) {
        const std::size_t comma = std::min(value.find(',', at), value.size());
        int n = 0;
        if (!ReadCount(value.substr(at, comma - at), &n) || n < 1 || n > q.GetAnswerCount())
            return "la domanda ha le risposte da 1 a " + std::to_string(q.GetAnswerCount()) + ": " + value;
        if (!reply->Marked[n - 1]) ++marked;
        reply->Marked[n - 1] = true;
        at = comma + 1;
    }
    if (q.GetSelection() == TSel::Single && marked > 1)
        return "la domanda ammette una sola risposta: " + value;
    return {};
}

int Recover(CTest& test)
{
    const int recovered =
        runner::RecoverResults(test, runner::AbandonedResults(test), runner::SleepMilliseconds);
    if (recovered < 0) {
        std::fputs("Il file dei risultati e' bloccato da un'altra esecuzione: riprova piu' tardi.\n", stderr);
        return kLockBusy;
    }
    std::printf("Risultati recuperati: %d\n", recovered);
    return 0;
}

}  // namespace

int RunRecordCommand(int argc, char** argv, CErrore* errors)
{
    Request request;
    if (!ReadRequest(argc, argv, &request)) return Usage();
    CTest test = LoadTypedTest(errors, request.file);
    if (test.Error() != 0) return test.Error();
    if (request.recover) return Recover(test);

    CStringa name = runner::StorableText(CStringa(Windows1252FromUtf8(request.name).c_str()));
    name.Trim();
    if (name.Length() == 0) return Refuse("Manca il nome dello studente.");

    // Every answer is read before anything is judged, so that a mistake in
    // the last one writes nothing.
    std::vector<CReplica> replies(test.QuestionCount());
    std::vector<bool> given(test.QuestionCount(), false);
    for (const std::string& answer : request.answers) {
        const std::size_t eq = answer.find('=');
        int number = 0;
        if (!ReadCount(answer.substr(0, eq), &number) || number < 1 || number > test.QuestionCount())
            return Refuse("Il test ha le domande da 1 a " + std::to_string(test.QuestionCount()) + ": " +
                          answer);
        if (given[number - 1]) return Refuse("Domanda data due volte: " + std::to_string(number));
        const std::string problem =
            ReadReply(*test.GetQuestion(number - 1), answer.substr(eq + 1), &replies[number - 1]);
        if (!problem.empty()) return Refuse("Domanda " + std::to_string(number) + ": " + problem);
        given[number - 1] = true;
    }

    if (test.AddStudent() != 0) return test.Error();
    CStudente& record = *test.LastStudent();
    record.SetNameStudent(name);
    record.SetTimeInit(NowText());
    record.SetTimeLength(FormatMinSec(request.seconds));
    float total = 0;
    for (int i = 0; i < test.QuestionCount(); ++i) {
        if (!given[i]) continue;
        CReplica& reply = replies[i];
        reply.Typed = runner::StorableText(reply.Typed);
        RecordReply(*test.GetQuestion(i), reply, false, *record.Answer(i));
        total += record.Answer(i)->GetScore();
    }
    record.SetTotalScore(total);

    switch (runner::AppendRecord(test, runner::SleepMilliseconds)) {
        case runner::SaveOutcome::LockBusy:
            std::fputs("Il file dei risultati e' bloccato da un'altra esecuzione: riprova piu' tardi.\n",
                       stderr);
            return kLockBusy;
        case runner::SaveOutcome::WriteFailed:
            return kCannotCreate;  // reported by the save
        case runner::SaveOutcome::Saved:
            break;
    }
    std::printf("%s\n", CStringa(static_cast<double>(total)).CStr());
    return 0;
}

}  // namespace quadrivo::tsttool
