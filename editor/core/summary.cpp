#include "editor/core/summary.h"

#include "model/partest.h"

namespace quadrivo::editor {

namespace {

constexpr std::size_t kLineCapacity = 256;

std::string Line(std::string text)
{
    if (text.size() > kLineCapacity - 1) text.resize(kLineCapacity - 1);
    return text;
}

std::string Text(const CStringa& s)
{
    return s.IsOk() ? s.CStr() : "";
}

}  // namespace

std::array<std::string, 9> SummaryLines(const CParTest& params, int questionCount)
{
    return {
        Line("Nome test: " + Text(params.Name)),
        Line("Numero domande: " + std::to_string(questionCount)),
        Line("Tempo massimo: " + std::to_string(params.Time) + " minuti"),
        Line(std::string("domande in ordine  ") + (params.Random ? "casuale" : "naturale")),
        Line(std::string("Le risposte ") + (params.Save ? "" : "non ") + "verranno salvate"),
        Line(std::string("Punteggio ") + (params.ViewScore ? "" : "non ") + "visibile"),
        Line(std::string(params.AskConfirm ? "R" : "Nessuna r") + "ichiesta conferma"),
        Line(std::string(params.CorrectAnswer ? "S" : "Nessuna s") + "oluzione dopo la risposta"),
        Line("E' possibile rimandare la risposta " + std::to_string(params.SendBack) + " volte"),
    };
}

}  // namespace quadrivo::editor
