#include "editor/core/summary.h"

#include <gtest/gtest.h>

#include "model/partest.h"

namespace quadrivo::editor {

namespace {

CParTest Params(int flags)
{
    CParTest params(nullptr);
    params.Name = "Geografia";
    params.Time = 30;
    params.SendBack = 2;
    params.Random = flags;
    params.Save = flags;
    params.ViewScore = flags;
    params.AskConfirm = flags;
    params.CorrectAnswer = flags;
    return params;
}

TEST(SummaryLinesTest, AllFlagsClear)
{
    const std::array<std::string, 9> expected = {
        "Nome test: Geografia",
        "Numero domande: 4",
        "Tempo massimo: 30 minuti",
        "domande in ordine  naturale",
        "Le risposte non verranno salvate",
        "Punteggio non visibile",
        "Nessuna richiesta conferma",
        "Nessuna soluzione dopo la risposta",
        "E' possibile rimandare la risposta 2 volte",
    };
    EXPECT_EQ(SummaryLines(Params(0), 4), expected);
}

TEST(SummaryLinesTest, AllFlagsSet)
{
    const auto lines = SummaryLines(Params(1), 4);
    EXPECT_EQ(lines[3], "domande in ordine  casuale");
    EXPECT_EQ(lines[4], "Le risposte verranno salvate");
    EXPECT_EQ(lines[5], "Punteggio visibile");
    EXPECT_EQ(lines[6], "Richiesta conferma");
    EXPECT_EQ(lines[7], "Soluzione dopo la risposta");
}

TEST(SummaryLinesTest, NewTestHasNoQuestionsAndNoName)
{
    const auto lines = SummaryLines(CParTest(nullptr), 0);
    EXPECT_EQ(lines[0], "Nome test: ");
    EXPECT_EQ(lines[1], "Numero domande: 0");
}

TEST(SummaryLinesTest, LongNameIsCutToTheLineBuffer)
{
    CParTest params(nullptr);
    params.Name = CStringa(std::string(400, 'n').c_str());
    EXPECT_EQ(SummaryLines(params, 0)[0], "Nome test: " + std::string(244, 'n'));
}

}  // namespace

}  // namespace quadrivo::editor
