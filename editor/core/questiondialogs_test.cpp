#include "editor/core/questiondialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/core/runner.h"
#include "editor/core/scripted_platform.h"
#include "editor/core/settings.h"
#include "model/domanda.h"
#include "model/test.h"

namespace quadrivo::editor {

namespace {

std::string Text(const CStringa& s)
{
    return s.CStr() ? s.CStr() : "";
}

// A choice dialog as the user leaves it: a question text and some rows.
ChoiceDialogData Choice(const std::string& text, const std::vector<ChoiceRow>& rows)
{
    ChoiceDialogData data;
    data.text = text;
    for (std::size_t i = 0; i < rows.size(); ++i) data.rows[i] = rows[i];
    return data;
}

const ChoiceDialogData kValid = Choice("Q", {{true, "", "a"}, {false, "", "b"}});

class QuestionDialogTest : public ::testing::Test {
protected:
    // The question as the new-question dialog leaves it.
    void NewQuestion(TQue type, TSel selection = TSel::Single)
    {
        app.editQuestion = CDomanda(&app.errorReporter);
        app.editQuestion.SetTypeQue(type);
        app.editQuestion.SetSelection(selection);
        app.editingExisting = 0;
    }

    void EditStored(int index)
    {
        app.editingExisting = 1;
        app.editIndex = index;
        app.editQuestion = Stored(index);
    }

    CDomanda& Stored(int index) { return *app.currentTest.GetQuestion(index); }

    ScratchDirectory scratch;
    ScriptedEditor editor;
    ScriptedPlatform& platform = editor.platform;
    Application& app = editor.app;
};

// --- Refused at Ok and at Esegui domanda ------------------------------------

struct RefusalCase {
    const char* name;
    TSel selection;
    ChoiceDialogData data;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.name;
}

class ChoiceRefusalTest : public QuestionDialogTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ChoiceRefusalTest, ShowsTheMessageAndKeepsTheDialogAndTheTests)
{
    NewQuestion(TQue::MultipleAnswer, GetParam().selection);
    ChoiceDialogData data = GetParam().data;
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Stay);
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Run), CommandResult::Stay);
    EXPECT_EQ(platform.infos, std::vector<std::string>(2, GetParam().message));
    EXPECT_EQ(data.text, GetParam().data.text);
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
    EXPECT_EQ(app.runTest.QuestionCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(scratch.File("$QV1.TMP")));
}

ChoiceDialogData WithImage(const std::string& image)
{
    ChoiceDialogData data = kValid;
    data.image = image;
    return data;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ChoiceRefusalTest,
    ::testing::Values(RefusalCase{"NoQuestionText", TSel::Single,
                                  Choice(" \r\n", {{true, "", "a"}, {false, "", "b"}}),
                                  "Inserire testo domanda"},
                      RefusalCase{"OneAnswer", TSel::Single, Choice("Q", {{true, "", "a"}, {true, "3", " "}}),
                                  "Inserire testo di almeno due risposte"},
                      RefusalCase{"NoCorrectAnswerOfOne", TSel::Single,
                                  Choice("Q", {{false, "", "a"}, {false, "", "b"}}),
                                  "Selezionare la risposta corretta"},
                      RefusalCase{"CheckedRowWithoutTextIsNoAnswer", TSel::Multiple,
                                  Choice("Q", {{false, "", "a"}, {false, "", "b"}, {true, "", ""}}),
                                  "Selezionare le risposte corrette"},
                      RefusalCase{"CommentInQuestion", TSel::Single,
                                  Choice("a <!-- b", {{true, "", "a"}, {false, "", "b"}}),
                                  "Il campo \"Testo domanda\" non pu\xf2 contenere la sequenza \"<!\"."},
                      RefusalCase{"OwnClosingTagInQuestion", TSel::Single,
                                  Choice("x </textque>", {{true, "", "a"}, {false, "", "b"}}),
                                  "Il campo \"Testo domanda\" non pu\xf2 contenere il testo \"</TextQue>\"."},
                      RefusalCase{"TestClosingTagInAnswer", TSel::Single,
                                  Choice("Q", {{true, "", "a"}, {}, {false, "", "b</TEST>"}}),
                                  "Il campo \"Risposta 3\" non pu\xf2 contenere il testo \"</Test>\"."},
                      RefusalCase{"QuoteInImage", TSel::Single, WithImage("a\"b.gif"),
                                  "Il campo \"Immagine\" non pu\xf2 contenere le virgolette (\")."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuestionDialogTest, TextDialogWantsQuestionAnswerAndAnUnquotedText)
{
    NewQuestion(TQue::SingleText);
    TextDialogData data;
    InitTextDialog(app, data);
    data.answer = "Roma";
    EXPECT_EQ(TextDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Stay);
    data.text = "Capitale?";
    data.answer = "";
    EXPECT_EQ(TextDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Stay);
    data.answer = "la \"citt\xe0 eterna\"";
    EXPECT_EQ(TextDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Stay);
    EXPECT_EQ(platform.infos,
              (std::vector<std::string>{"Inserire testo domanda", "Inserire testo della risposta",
                                        "Il campo \"Testo\" non pu\xf2 contenere le virgolette (\")."}));
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
}

// Files take sections of several megabytes: six answers of full fields fit.
TEST_F(QuestionDialogTest, QuestionOfFullFieldsFitsTheFile)
{
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data = Choice(std::string(4999, 'q'), {});
    for (ChoiceRow& row : data.rows) row = {true, "", std::string(4999, 'a')};
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
    EXPECT_TRUE(platform.infos.empty());
}

TEST_F(QuestionDialogTest, FullTestRefusesANewQuestionButStillSavesAndEdits)
{
    const CDomanda filler(&app.errorReporter);
    for (int i = 0; i < MAX_QUESTIONS; ++i) ASSERT_EQ(app.currentTest.AppendQuestion(filler), 0);
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data = kValid;
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Stay);
    EXPECT_EQ(platform.infos,
              std::vector<std::string>{
                  "Il questionario ha gi\xe0 800 domande: non se ne possono aggiungere altre."});
    EXPECT_EQ(app.currentTest.QuestionCount(), MAX_QUESTIONS);
    EXPECT_EQ(app.currentTest.Error(), 0);

    EditStored(799);
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
    EXPECT_EQ(Text(Stored(799).GetTextQue()), "Q");
}

// --- What Ok stores ---------------------------------------------------------

TEST_F(QuestionDialogTest, RowsTwoAndFiveBecomeAnswersOneAndTwoAndComeBackInRowsOneAndTwo)
{
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data =
        Choice("  Prima\r\nseconda\r\n", {{}, {true, "", " Parigi "}, {}, {}, {false, "", "Lione"}});
    ASSERT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
    ASSERT_EQ(app.currentTest.QuestionCount(), 1);
    EXPECT_EQ(app.modified, 1);
    // What is stored is what the file gives back: the loader trims texts.
    EXPECT_EQ(Text(Stored(0).GetTextQue()), "Prima\nseconda");
    EXPECT_EQ(Text(Stored(0).GetImage()), "");
    ASSERT_EQ(Stored(0).GetAnswerCount(), 2);
    EXPECT_EQ(Text(Stored(0).GetAnswer(1).GetTextAns()), "Lione");

    EditStored(0);
    ChoiceDialogData again;
    InitChoiceDialog(app, again);
    EXPECT_EQ(again.text, "Prima\r\nseconda");
    EXPECT_EQ(again.image, "");
    EXPECT_EQ(again.rows[0].text, "Parigi");
    EXPECT_TRUE(again.rows[0].correct);
    EXPECT_EQ(again.rows[1].text, "Lione");
    EXPECT_EQ(again.rows[4].text, "");
    EXPECT_EQ(again.count, kChoiceRowsShown);
    EXPECT_TRUE(again.deleteVisible);
}

TEST_F(QuestionDialogTest, EmptyScoresTakeTheRowsDefaultAndOthersReadAsTyped)
{
    NewQuestion(TQue::MultipleAnswer, TSel::Multiple);
    ChoiceDialogData data = Choice("Q", {{true, "", "right"},
                                         {false, "", "wrong"},
                                         {false, "-2", "typed"},
                                         {true, "2,5", "fraction"},
                                         {true, " 7 ", "blanks"}});
    ASSERT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
    std::vector<float> scores;
    for (int i = 0; i < Stored(0).GetAnswerCount(); ++i) scores.push_back(Stored(0).GetAnswer(i).GetScore());
    EXPECT_EQ(scores, (std::vector<float>{3, -1, -2, 2.5f, 7}));
}

TEST_F(QuestionDialogTest, QuestionWithMoreThanSixAnswersShowsThemAllAndKeepsThem)
{
    CDomanda loaded(&app.errorReporter);
    loaded.SetTextQue("Q");
    for (int i = 0; i < 8; ++i) {
        CRisposta answer(&app.errorReporter);
        answer.SetTextAns(CStringa(("answer " + std::to_string(i + 1)).c_str()));
        answer.SetCorrect(i == 0);
        answer.SetScore(static_cast<float>(i) + 0.75f);
        loaded.AddAnswer(answer);
    }
    app.currentTest.AppendQuestion(loaded);
    EditStored(0);
    ChoiceDialogData data;
    InitChoiceDialog(app, data);
    EXPECT_EQ(data.count, 8);
    EXPECT_EQ(data.rows[7].text, "answer 8");
    EXPECT_EQ(data.rows[5].score, "5.75");

    data.rows[7].text = "changed";
    ASSERT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
    ASSERT_EQ(app.currentTest.QuestionCount(), 1);
    EXPECT_EQ(Stored(0).GetAnswerCount(), 8);
    EXPECT_EQ(Stored(0).GetAnswer(2).GetScore(), 2.75f);
    EXPECT_EQ(Text(Stored(0).GetAnswer(7).GetTextAns()), "changed");
}

TEST_F(QuestionDialogTest, LongTextsAreKeptWhole)
{
    NewQuestion(TQue::MultipleAnswer);
    ReadChoiceDialog(app, Choice(std::string(6000, 'q'), {{true, "", std::string(6000, 'a')}}), false, true);
    EXPECT_EQ(app.editQuestion.GetTextQue().Length(), 6000u);
    EXPECT_EQ(app.editQuestion.GetAnswer(0).GetTextAns().Length(), 6000u);
}

TEST_F(QuestionDialogTest, NumericQuestionShowsItsNumbersAndReadsThemBack)
{
    NewQuestion(TQue::SingleNumber);
    app.editQuestion.SetNumOk(12.5);
    app.editQuestion.SetScoreIfOk(4.9f);
    app.editQuestion.SetScoreIfBad(-1.5f);
    app.editingExisting = 1;
    TextDialogData data;
    InitTextDialog(app, data);
    EXPECT_EQ(data.answerLabel, "Numero");
    EXPECT_EQ(data.answer, "12.5");
    EXPECT_EQ(data.precision, "0.001");
    EXPECT_EQ(data.scoreIfOk, "4.9");
    EXPECT_EQ(data.scoreIfBad, "-1.5");

    data.text = "7/2?";
    data.answer = "3.5";
    data.scoreIfBad = "x";
    ReadTextDialog(app, data, false, true);
    EXPECT_DOUBLE_EQ(app.editQuestion.GetNumOk(), 3.5);
    EXPECT_DOUBLE_EQ(app.editQuestion.GetPrecision(), 0.001);
    EXPECT_EQ(app.editQuestion.GetScoreIfNear(), 4.9f);
    EXPECT_EQ(app.editQuestion.GetScoreIfBad(), -1.5f);  // Copia keeps what is no number
}

TEST_F(QuestionDialogTest, NewTextQuestionShowsItsPrecisionAsAWholeNumberAndNoCancella)
{
    NewQuestion(TQue::SingleText);
    app.editQuestion.SetPrecision(2.5);
    TextDialogData data;
    InitTextDialog(app, data);
    EXPECT_EQ(data.answerLabel, "Testo");
    EXPECT_EQ(data.precision, "2");
    EXPECT_EQ(data.text, "");
    EXPECT_FALSE(data.deleteVisible);
}

// --- Fields left alone, numbers, Numero voci, Annulla -------------------------

TEST_F(QuestionDialogTest, OkWithoutEditsKeepsEveryValueAndLeavesTheTestUnmodified)
{
    CDomanda choice(&app.errorReporter);
    choice.SetTextQue("  Q\n");  // as no reload gives it back: kept all the same
    choice.SetImage("nul");
    for (const float score : {2.25f, -0.5f, 0.1f}) {
        CRisposta answer(&app.errorReporter);
        answer.SetTextAns(" a ");
        answer.SetScore(score);
        answer.SetCorrect(score > 0);
        choice.AddAnswer(answer);
    }
    CDomanda number(&app.errorReporter);
    number.SetTypeQue(TQue::SingleNumber);
    number.SetNumOk(652.125);
    number.SetPrecision(4e-7);
    number.SetScoreIfOk(3);
    number.SetScoreIfNear(1.5f);
    CDomanda text(&app.errorReporter);
    text.SetTypeQue(TQue::SingleText);
    text.SetTextOk("Roma ");
    text.SetPrecision(2.5);  // shown as 2
    for (const CDomanda* q : {&choice, &number, &text}) app.currentTest.AppendQuestion(*q);
    const CTest before(app.currentTest);

    for (int i = 0; i < 3; ++i) {
        EditStored(i);
        if (DialogKindOf(app.editQuestion) == QuestionDialogKind::TextAns) {
            TextDialogData data;
            InitTextDialog(app, data);
            EXPECT_EQ(TextDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
        } else {
            ChoiceDialogData data;
            InitChoiceDialog(app, data);
            EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
        }
    }
    EXPECT_TRUE(app.currentTest == before);
    EXPECT_EQ(app.modified, 0);
    EXPECT_TRUE(platform.infos.empty());
}

struct ScoreIfOkCase {
    float ok, near;
    const char* typed;
    float storedOk, storedNear;
};

TEST_F(QuestionDialogTest, NearPointsFollowTheRightAnswerPointsOnlyWhenTheyWereEqual)
{
    const ScoreIfOkCase cases[] = {
        {3, 1.5f, "4", 4, 1.5f},
        {3, 3, "4,5", 4.5f, 4.5f},
        {3, 1.5f, "3", 3, 1.5f},
        {2, 2, "2.0", 2, 2},
    };
    for (const ScoreIfOkCase& c : cases) {
        NewQuestion(TQue::SingleNumber);
        app.editQuestion.SetScoreIfOk(c.ok);
        app.editQuestion.SetScoreIfNear(c.near);
        TextDialogData data;
        InitTextDialog(app, data);
        data.scoreIfOk = c.typed;
        ReadTextDialog(app, data, false, true);
        EXPECT_EQ(app.editQuestion.GetScoreIfOk(), c.storedOk) << c.typed;
        EXPECT_EQ(app.editQuestion.GetScoreIfNear(), c.storedNear) << c.typed;
    }
}

struct NumberRefusalCase {
    TQue type;
    std::string TextDialogData::*field;
    const char* typed;
    const char* message;
};

TEST_F(QuestionDialogTest, NumberFieldsRefuseWhatIsNoNumberInRangeNamingTheField)
{
    const NumberRefusalCase cases[] = {
        {TQue::SingleNumber, &TextDialogData::answer, "abc", "Il campo \"Numero\" deve contenere un numero."},
        {TQue::SingleNumber, &TextDialogData::precision, "1e400",
         "Il campo \"Precisione richiesta\" deve contenere un numero compreso tra 0 e 1000000000000000."},
        {TQue::SingleText, &TextDialogData::precision, "2,5",
         "Il campo \"Precisione richiesta\" deve contenere un numero intero."},
        {TQue::SingleText, &TextDialogData::scoreIfOk, "99999999999",
         "Il campo \"Punti se giusto\" deve contenere un numero compreso tra -1000000 e 1000000."},
        {TQue::SingleText, &TextDialogData::scoreIfBad, "",
         "Il campo \"Punti se errato\" deve contenere un numero."},
    };
    for (const NumberRefusalCase& c : cases) {
        platform.infos.clear();
        NewQuestion(c.type);
        TextDialogData data;
        InitTextDialog(app, data);
        data.text = "Q";
        data.answer = "652,5";
        data.*c.field = c.typed;
        EXPECT_EQ(TextDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Stay) << c.typed;
        EXPECT_EQ(platform.infos, std::vector<std::string>{c.message});
    }
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);

    platform.infos.clear();
    ChoiceDialogData data = Choice("Q", {{true, "", "a"}, {false, "x", "b"}});
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Stay);
    EXPECT_EQ(platform.infos,
              std::vector<std::string>{"Il campo \"Punti risposta 2\" deve contenere un numero."});
}

TEST_F(QuestionDialogTest, NumeroVociHidesAFilledRowOnlyWhenTheTeacherAgrees)
{
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data;
    InitChoiceDialog(app, data);
    EXPECT_EQ(SetChoiceRowCount(app, data, 99), kChoiceRows);
    EXPECT_EQ(SetChoiceRowCount(app, data, 8), 8);
    data.rows[6].text = "g";
    data.rows[7].text = "h";
    platform.yesNoAnswers = {false, true};
    EXPECT_EQ(SetChoiceRowCount(app, data, 6), 8);
    EXPECT_EQ(data.rows[7].text, "h");
    EXPECT_EQ(SetChoiceRowCount(app, data, 1), kChoiceRowsMinimum);
    EXPECT_EQ(data.rows[7].text, "");
    EXPECT_EQ(platform.questions,
              std::vector<std::string>(2, "Vuoi veramente cancellare le risposte da 7 a 8?"));
}

TEST_F(QuestionDialogTest, AnnullaAsksOnlyWhenTheFieldsDifferFromTheOpening)
{
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data;
    InitChoiceDialog(app, data);
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Cancel), CommandResult::Close);
    EXPECT_TRUE(platform.questions.empty());

    data.text = "Una domanda scritta";
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Cancel), CommandResult::Stay);
    platform.yesNoAnswers = {true};
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Cancel), CommandResult::Close);
    EXPECT_EQ(
        platform.questions,
        std::vector<std::string>(2, "Procedendo verranno perse le modifiche.\r\nVuoi veramente continuare?"));
}

// --- Copia, Incolla, Annulla "incolla", Cancella ----------------------------

TEST_F(QuestionDialogTest, PasteButtonsFollowCopyAndPasteAcrossDialogs)
{
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data = kValid;
    app.undoAvailable = 1;
    InitChoiceDialog(app, data);
    EXPECT_FALSE(data.buttons.paste);
    EXPECT_FALSE(data.buttons.undoPaste);
    ChoiceDialogCommand(app, data, QuestionCommand::Copy);
    EXPECT_TRUE(data.buttons.paste);
    ChoiceDialogCommand(app, data, QuestionCommand::Paste);
    EXPECT_TRUE(data.buttons.undoPaste);
    ChoiceDialogCommand(app, data, QuestionCommand::UndoPaste);
    EXPECT_FALSE(data.buttons.undoPaste);

    ChoiceDialogCommand(app, data, QuestionCommand::Paste);
    TextDialogData next;
    NewQuestion(TQue::SingleText);
    InitTextDialog(app, next);
    EXPECT_TRUE(next.buttons.paste);
    EXPECT_FALSE(next.buttons.undoPaste);
}

TEST_F(QuestionDialogTest, PasteKeepsTheDialogsKindAndUndoBringsBackTheEdits)
{
    NewQuestion(TQue::SingleText);
    TextDialogData text;
    text.text = "Capitale?";
    text.answer = "Roma";
    TextDialogCommand(app, text, QuestionCommand::Copy);

    NewQuestion(TQue::MultipleAnswer, TSel::Multiple);
    ChoiceDialogData data = Choice("Colori?", {{true, "4", "rosso"}, {false, "", "cane"}});
    data.random = true;
    ChoiceDialogCommand(app, data, QuestionCommand::Paste);
    EXPECT_EQ(app.editQuestion.GetTypeQue(), TQue::MultipleAnswer);
    EXPECT_EQ(app.editQuestion.GetSelection(), TSel::Multiple);
    EXPECT_EQ(data.text, "Capitale?");
    EXPECT_EQ(data.rows[0].text, "");
    EXPECT_EQ(data.count, kChoiceRowsShown);

    ChoiceDialogCommand(app, data, QuestionCommand::UndoPaste);
    EXPECT_EQ(data.text, "Colori?");
    EXPECT_TRUE(data.random);
    EXPECT_EQ(data.rows[0].score, "4");
    EXPECT_EQ(data.rows[1].score, "-1");
    EXPECT_EQ(data.count, kChoiceRowsShown);
}

TEST_F(QuestionDialogTest, CancellaRemovesTheQuestionOnlyWhenConfirmed)
{
    app.currentTest.AppendQuestion(CDomanda(&app.errorReporter));
    app.currentTest.AppendQuestion(CDomanda(&app.errorReporter));
    EditStored(0);
    ChoiceDialogData data;
    InitChoiceDialog(app, data);
    platform.yesNoAnswers = {false, true};
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Delete), CommandResult::Stay);
    EXPECT_EQ(app.currentTest.QuestionCount(), 2);
    EXPECT_EQ(app.modified, 0);
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Delete), CommandResult::Close);
    EXPECT_EQ(platform.questions, std::vector<std::string>(2, "Vuoi veramente cancellare la domanda?"));
    EXPECT_EQ(app.currentTest.QuestionCount(), 1);
    EXPECT_EQ(app.modified, 1);
}

// --- Esegui domanda ---------------------------------------------------------

TEST_F(QuestionDialogTest, RunWritesTheQuestionAloneAndStartsTheRunnerOnIt)
{
    app.currentTest.AppendQuestion(CDomanda(&app.errorReporter));
    NewQuestion(TQue::MultipleAnswer, TSel::Multiple);
    ChoiceDialogData data = kValid;
    ASSERT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Run), CommandResult::TryQuestion);
    EXPECT_EQ(app.currentTest.QuestionCount(), 1);
    EXPECT_EQ(app.modified, 0);
    EXPECT_TRUE(platform.infos.empty());

    const std::string name = Text(app.runTest.TestFileName());
    CTest reloaded(&app.errorReporter, CStringa(scratch.File(name).c_str()), CStringa(name.c_str()));
    ASSERT_EQ(reloaded.Error(), 0);
    ASSERT_EQ(reloaded.QuestionCount(), 1);
    EXPECT_TRUE(*reloaded.GetQuestion(0) == app.editQuestion);

    RunProgram(app, RunnerProgram(platform), "quadrivo", QuestionArguments(app));
    EXPECT_EQ(platform.started,
              (std::vector<std::vector<std::string>>{{"quadrivo", "-question", "1", "$QV1.TMP"}}));
}

TEST_F(QuestionDialogTest, EachRunReplacesTheTemporaryFileAndOkDeletesTheLast)
{
    NewQuestion(TQue::SingleNumber);
    TextDialogData data;
    InitTextDialog(app, data);
    data.text = "2+2?";
    data.answer = "4";
    ASSERT_EQ(TextDialogCommand(app, data, QuestionCommand::Run), CommandResult::TryQuestion);
    ASSERT_EQ(TextDialogCommand(app, data, QuestionCommand::Run), CommandResult::TryQuestion);
    EXPECT_EQ(platform.removed, std::vector<std::string>{"$QV1.TMP"});
    EXPECT_EQ(app.runTest.QuestionCount(), 1);
    const std::string second = Text(app.runTest.TestFileName());
    EXPECT_TRUE(std::filesystem::exists(scratch.File(second)));

    ASSERT_EQ(TextDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
    EXPECT_FALSE(std::filesystem::exists(scratch.File(second)));
    EXPECT_EQ(Text(app.runTest.GetPathName()), "");
}

TEST_F(QuestionDialogTest, FailedTryDoesNotBlockTheNextOne)
{
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data = kValid;
    platform.tempFileWorks = false;
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Run), CommandResult::Stay);
    EXPECT_EQ(platform.infos, std::vector<std::string>{
                                  "Non riesco a creare il questionario temporaneo per provare la domanda."});

    platform.tempFileWorks = true;
    app.runTest.SetError(15);  // as a failed write leaves it
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Run), CommandResult::TryQuestion);
    EXPECT_EQ(app.runTest.QuestionCount(), 1);
}

TEST_F(QuestionDialogTest, TryInAReadOnlyFolderGoesToTheTempFolderAndIsDeletedAtExit)
{
    std::filesystem::create_directory(scratch.Path() / "tmp");
    platform.currentFolderWritable = false;
    platform.tempFolder = scratch.File("tmp");
    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data = kValid;
    ASSERT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Run), CommandResult::TryQuestion);
    const std::string file = Text(app.runTest.TestFileName());
    EXPECT_EQ(std::filesystem::path(file).parent_path(), scratch.Path() / "tmp");
    EXPECT_EQ(QuestionArguments(app).back(), file);
    EXPECT_TRUE(std::filesystem::exists(file));

    ShutDown(app);
    EXPECT_FALSE(std::filesystem::exists(file));
}

// --- Immagine... ------------------------------------------------------------

TEST_F(QuestionDialogTest, ChooseImageOffersEveryImageKindFirstAndRestoresTheDirectory)
{
    const std::filesystem::path pictures = scratch.Path() / "pictures";
    std::filesystem::create_directory(pictures);
    const std::string chosen = (pictures / "map.gif").string();
    platform.openAnswers = {chosen, std::nullopt};

    NewQuestion(TQue::MultipleAnswer);
    ChoiceDialogData data;
    EXPECT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Image), CommandResult::Stay);
    EXPECT_EQ(data.image, chosen);
    EXPECT_EQ(std::filesystem::path(app.CurrentFolder()), scratch.Path());
    ASSERT_EQ(platform.openRequests.size(), 1u);
    const FileDialogRequest& request = platform.openRequests[0];
    EXPECT_EQ(request.title, "Scegli immagine...");
    ASSERT_EQ(request.filters.size(), 3u);
    EXPECT_EQ(request.filters[0].label, "Immagini (*.gif *.png *.jpg *.jpeg *.bmp)");
    EXPECT_EQ(request.filters[0].pattern, "*.gif *.png *.jpg *.jpeg *.bmp");
    EXPECT_EQ(request.filters[1].label + request.filters[1].pattern, "Immagini gif(*.gif)*.gif");
    EXPECT_EQ(request.filters[2].label + request.filters[2].pattern, "Tutti i file (*.*)*.*");
    EXPECT_EQ(request.defaultExtension, "gif");

    // Cancelled: the field keeps its name; the last choice was proposed.
    std::string image = "old.gif";
    EXPECT_FALSE(ChooseImage(app, image));
    EXPECT_EQ(image, "old.gif");
    EXPECT_EQ(platform.openRequests[1].proposed, chosen);
}

}  // namespace

}  // namespace quadrivo::editor
