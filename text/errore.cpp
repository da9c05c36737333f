#include "text/errore.h"

#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <tuple>

#include "text/codifica.h"
#include "text/limiti.h"

namespace quadrivo {

CStringa mkErrore::Message(int code, const CStringa& a, const CStringa& b)
{
    // clang-format off
    switch (code) {
    case kFileMissing: return "Il file \"" + a + CStringa("\" non esiste");
    case kCannotRead: return "Problemi nella lettura del file \"" + a + CStringa("\"");
    case kSectionTooLong: return "Il file \"" + a + CStringa("\" e' > di ") + CStringa(MAX_SECTION_TEXT) + CStringa(" byte");
    case kNoMemoryForTest: return CStringa("Poca memoria, non posso allocare il test");
    case kMissingOpeningTag: return "Tag <" + a + CStringa("> errato");
    case kMissingClosingTag: return "Tag </" + a + CStringa("> errato");
    case kMissingTag: return "Tag " + a + CStringa(" errato");
    case kErrorLines: return "Errore nelle linee " + a + CStringa(" ... ") + b;
    case kUnknownTestParameter: return "Nel tag <partest> parametro *" + a + CStringa("* non riconosciuto");
    case kUnknownQuestionParameter:
        return "Domanda " + a + CStringa(" : nel tag <parque> parametro *") + b
               + CStringa("* non riconosciuto");
    case kNoMemoryForQuestion: return "Non riesco ad allocare la domanda" + a;
    case kUnknownAnswerParameter:
        return "Risposta " + a + CStringa(" : nel tag <parans> parametro *") + b
               + CStringa("* non riconosciuto");
    case kFileExists: return "Il file \"" + a + CStringa("\" esiste gia'");
    case kCannotCreate: return "Non riesco a creare il file \"" + a + CStringa("\"");
    case kNoMemoryForStudentAnswer: return CStringa("Non ho memoria per allocare una risposta dello studente");
    case kFieldNotWritable: return "Non posso scrivere *" + a + CStringa("* nell'oggetto CStudRispo");
    case kNoMemoryForStudent: return "Non posso allocare le risposte dello studente " + a;
    case kWrongStudentCount: return CStringa("Numero studenti errato durante il salvataggio");
    case kOtherTestsRecord: return "Studente " + a + CStringa(" con nome test \"") + b + CStringa("\" errato");
    case kUnknownStudentParameter:
        return "Studente " + a + CStringa(" : nel tag <stpar> parametro *") + b
               + CStringa("* non riconosciuto");
    case kUnknownAnsParameter:
        return "Studente " + a + CStringa(" : nel tag <Ans> parametro *") + b
               + CStringa("* non riconosciuto");
    case kMayBeIncomplete:
        return "Il file \"" + a + CStringa("\" non termina con </Test>: potrebbe essere incompleto");
    case kSectionTooLongToSave:
        return "Non posso salvare il file \"" + a + CStringa("\": ") + b + CStringa(" supera ")
               + CStringa(MAX_SECTION_TEXT) + CStringa(" byte");
    case kTextNotStorable: return "Il campo " + a + CStringa(" contiene *") + b + CStringa("*, che il file non puo' contenere");
    case kTooManyStudents:
        return "Il file \"" + a + CStringa("\" ha piu' di ") + CStringa(MAX_STUDENTS)
               + CStringa(" studenti: ") + b + CStringa(" non letti");
    default: return CStringa("Errore ???");
    }
    // clang-format on
}

namespace {

// Whether text1 of the code is a file name, which comes in the system's own
// encoding rather than in the files' Windows-1252.
bool NamesAFile(int code)
{
    switch (code) {
        case kCannotRead:
        case kSectionTooLong:
        case kFileExists:
        case kCannotCreate:
        case kMayBeIncomplete:
        case kSectionTooLongToSave:
        case kTooManyStudents:
            return true;
        default:
            return false;
    }
}

// A file name in the messages' Windows-1252: POSIX systems name files in
// UTF-8, Windows in its ANSI code page, which for the Western languages is
// Windows-1252 itself.
CStringa NameInMessage(const CStringa& name)
{
#ifdef _WIN32
    return name;
#else
    if (!name.IsOk()) return name;
    return CStringa(Windows1252FromUtf8(name.View()).c_str());
#endif
}

std::mutex gTextsGuard;
TextTranslator gTranslator = nullptr;
// Counts the translators set: a text asked for before the program set its
// translator is asked for again afterwards.
unsigned gTranslatorNumber = 0;
std::atomic<MessageWording> gWording{nullptr};

}  // namespace

void SetTextTranslator(TextTranslator translator)
{
    const std::lock_guard<std::mutex> lock(gTextsGuard);
    gTranslator = translator;
    ++gTranslatorNumber;
}

const char* TranslatedText(const char* context, const char* utf8Source)
{
    // std::map never moves its values, so the pointers handed out stay good.
    static std::map<std::tuple<unsigned, std::string, std::string>, std::string> kept;
    const std::lock_guard<std::mutex> lock(gTextsGuard);
    auto [place, added] = kept.try_emplace({gTranslatorNumber, context, utf8Source});
    if (added) {
        place->second =
            Windows1252FromUtf8(gTranslator ? gTranslator(context, utf8Source) : std::string(utf8Source));
    }
    return place->second.c_str();
}

std::string FilledIn(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n =
            i + 1 < pattern.size() && pattern[i] == '%' ? pattern[i + 1] - '1' : values.size();
        if (n < values.size()) {
            text += values.begin()[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

void SetMessageWording(MessageWording wording)
{
    gWording = wording;
}

void mkErrore::Report(int code, const CStringa& text1, const CStringa& text2)
{
    if (code == 0) return;
    const CStringa first = NamesAFile(code) ? NameInMessage(text1) : text1;
    const MessageWording wording = gWording;
    CStringa message = wording ? wording(code, first, text2) : CStringa();
    if (message.Length() == 0) message = Message(code, first, text2);
    sink_->Present(code, message);
}

ErrorPresenter& mkErrore::SetSink(ErrorPresenter& sink)
{
    ErrorPresenter& previous = *sink_;
    sink_ = &sink;
    return previous;
}

void StderrPresenter::Present(int, const CStringa& message)
{
    // Terminals and logs read UTF-8.
    const std::string text = Utf8FromWindows1252(message.View());
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void Report(CErrore* errors, int code)
{
    if (errors) errors->Report(code, CStringa(), CStringa());
}

void Report(CErrore* errors, int code, const CStringa& text)
{
    if (errors) errors->Report(code, text, CStringa());
}

void Report(CErrore* errors, int code, int number)
{
    if (errors) errors->Report(code, CStringa(number), CStringa());
}

void Report(CErrore* errors, int code, int number, const CStringa& text)
{
    if (errors) errors->Report(code, CStringa(number), text);
}

void Report(CErrore* errors, int code, const CStringa& text1, const CStringa& text2)
{
    if (errors) errors->Report(code, text1, text2);
}

void Report(CErrore* errors, int code, long first, long second)
{
    if (errors) errors->Report(code, CStringa(first), CStringa(second));
}

}  // namespace quadrivo
