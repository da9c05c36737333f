#include "editor/core/summary.h"

#include "editor/core/translate.h"
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
        Line(FilledIn(QT_TRANSLATE_NOOP("Summary", "Nome test: %1"), {Text(params.Name)})),
        Line(FilledIn(QT_TRANSLATE_NOOP("Summary", "Numero domande: %1"), {std::to_string(questionCount)})),
        Line(FilledIn(QT_TRANSLATE_NOOP("Summary", "Tempo massimo: %1 minuti"),
                      {std::to_string(params.Time)})),
        Line(params.Random ? QT_TRANSLATE_NOOP("Summary", "domande in ordine  casuale")
                           : QT_TRANSLATE_NOOP("Summary", "domande in ordine  naturale")),
        Line(params.Save ? QT_TRANSLATE_NOOP("Summary", "Le risposte verranno salvate")
                         : QT_TRANSLATE_NOOP("Summary", "Le risposte non verranno salvate")),
        Line(params.ViewScore ? QT_TRANSLATE_NOOP("Summary", "Punteggio visibile")
                              : QT_TRANSLATE_NOOP("Summary", "Punteggio non visibile")),
        Line(params.AskConfirm ? QT_TRANSLATE_NOOP("Summary", "Richiesta conferma")
                               : QT_TRANSLATE_NOOP("Summary", "Nessuna richiesta conferma")),
        Line(params.CorrectAnswer ? QT_TRANSLATE_NOOP("Summary", "Soluzione dopo la risposta")
                                  : QT_TRANSLATE_NOOP("Summary", "Nessuna soluzione dopo la risposta")),
        Line(FilledIn(QT_TRANSLATE_NOOP("Summary", "E' possibile rimandare la risposta %1 volte"),
                      {std::to_string(params.SendBack)})),
    };
}

}  // namespace quadrivo::editor
