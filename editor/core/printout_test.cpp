#include "editor/core/printout.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"
#include "model/domanda.h"
#include "model/risposta.h"

namespace quadrivo::editor {

namespace {

class PrintoutTest : public ScriptedEditorTest {
protected:
    void SetUp() override
    {
        app.currentTest.GetParams().Name = "Geografia";
        app.currentTest.GetParams().TextTest = "Rispondi con calma.";
        CDomanda choice(&app.errorReporter);
        choice.SetTextQue(CStringa("Capitale?"));
        choice.SetSelection(TSel::Multiple);
        choice.SetImage(CStringa("manca.png"));
        for (auto [text, correct, score] : {std::tuple{"Roma", 1, 3.0f}, std::tuple{"Milano", 0, -0.5f}}) {
            CRisposta answer(&app.errorReporter);
            answer.SetTextAns(CStringa(text));
            answer.SetCorrect(correct);
            answer.SetScore(score);
            choice.AddAnswer(answer);
        }
        app.currentTest.AppendQuestion(choice);
        CDomanda skipped(&app.errorReporter);
        skipped.SetEnableQue(0);
        app.currentTest.AppendQuestion(skipped);
        CDomanda number(&app.errorReporter);
        number.SetTextQue(CStringa("Quanti?"));
        number.SetTypeQue(TQue::SingleNumber);
        number.SetNumOk(42);
        number.SetPrecision(0.5);
        number.SetScoreIfOk(2);
        number.SetScoreIfBad(-1);
        app.currentTest.AppendQuestion(number);
    }
};

TEST_F(PrintoutTest, StudentsGetTheEnabledQuestionsWithEmptyBoxes)
{
    const Printout printout = MakePrintout(app, PrintoutKind::Students);
    EXPECT_EQ(printout.title, "Geografia");
    EXPECT_NE(printout.nameLine.find("Nome e cognome"), std::string::npos);
    EXPECT_EQ(printout.text, "Rispondi con calma.");
    ASSERT_EQ(printout.questions.size(), 2u);
    const PrintedQuestion& choice = printout.questions[0];
    EXPECT_EQ(choice.imageNote, "Immagine non trovata: manca.png");
    EXPECT_TRUE(choice.severalSolutions);
    EXPECT_EQ(choice.answers, (std::vector<PrintedAnswer>{{"Roma", false, ""}, {"Milano", false, ""}}));
    EXPECT_EQ(printout.questions[1].number, 2);
    EXPECT_TRUE(printout.questions[1].openAnswer);
    EXPECT_EQ(printout.questions[1].keyAnswer, "");
}

TEST_F(PrintoutTest, TheKeyMarksTheRightAnswersWithTheirPoints)
{
    const Printout printout = MakePrintout(app, PrintoutKind::Key);
    EXPECT_EQ(printout.title, "Geografia - Soluzioni");
    EXPECT_EQ(printout.nameLine, "");
    EXPECT_EQ(printout.questions[0].answers,
              (std::vector<PrintedAnswer>{{"Roma", true, "+3"}, {"Milano", false, "-0.5"}}));
    EXPECT_EQ(printout.questions[1].keyAnswer,
              "Risposta esatta: 42 (precisione 0.5)\nPunti se giusto: +2, se errato: -1");
}

TEST_F(PrintoutTest, PointsAndPdfNames)
{
    EXPECT_EQ(PointsText(0), "0");
    EXPECT_EQ(PointsText(-0.001), "0");
    EXPECT_EQ(PointsText(2.25), "+2.25");
    EXPECT_EQ(PointsText(-1.5), "-1.5");
    EXPECT_EQ(PointsText(10), "+10");
    EXPECT_EQ(PdfRequest(app, PrintoutKind::Students).proposed, "test.pdf");
    app.currentTest.SetPathName(CStringa("/scuola/geografia.tst"));
    EXPECT_EQ(PdfRequest(app, PrintoutKind::Key).proposed, "geografia-soluzioni.pdf");
}

}  // namespace

}  // namespace quadrivo::editor
