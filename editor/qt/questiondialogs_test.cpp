// The question dialogs, the kind chooser and the question chooser driven
// through their widgets, with the model checked afterwards.
#include "editor/qt/questiondialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <filesystem>

#include "editor/core/filecommands.h"
#include "editor/core/newquestion.h"
#include "editor/core/scripted_platform.h"
#include "editor/core/textcheck.h"
#include "editor/qt/choicedialog.h"
#include "editor/qt/newquestiondialog.h"
#include "editor/qt/qttesting.h"
#include "editor/qt/questionchooser.h"
#include "editor/qt/questiontoolbar.h"
#include "editor/qt/textdialog.h"
#include "editor/qt/updownfield.h"
#include "model/domanda.h"
#include "model/test.h"

namespace quadrivo::editor {

namespace {

std::string Text(const CStringa& s)
{
    return s.CStr() ? s.CStr() : "";
}

void Trigger(QWidget* dialog, QuestionCommand command)
{
    auto* toolbar = Child<QuestionToolbar>(dialog, "questionToolBar");
    if (toolbar && toolbar->action(command)) toolbar->action(command)->trigger();
}

class QuestionWidgetsTest : public ScriptedEditorTest {
protected:
    void AddQuestion(const std::string& text, TQue type, TSel selection,
                     const std::vector<std::pair<std::string, bool>>& answers)
    {
        CDomanda question(&app.errorReporter);
        question.SetTextQue(CStringa(text.c_str()));
        question.SetTypeQue(type);
        question.SetSelection(selection);
        for (const auto& [answerText, correct] : answers) {
            CRisposta answer(&app.errorReporter);
            answer.SetTextAns(CStringa(answerText.c_str()));
            answer.SetCorrect(correct);
            question.AddAnswer(answer);
        }
        app.currentTest.AppendQuestion(question);
    }

    void EditExisting(int index)
    {
        app.editingExisting = 1;
        app.editIndex = index;
        app.editQuestion = *app.currentTest.GetQuestion(index);
    }

    CDomanda& Stored(int index) { return *app.currentTest.GetQuestion(index); }

    ScratchDirectory scratch{app};
};

TEST_F(QuestionWidgetsTest, NewSingleAnswerQuestionIsTypedAndStored)
{
    PrepareNewQuestion(app, QuestionKind::OneSolution);
    ChoiceDialog dialog(app, QuestionDialogKind::SingleAns);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Domanda a una sola risposta"));
    EXPECT_TRUE(Child<QPushButton>(&dialog, "deleteButton")->isHidden());
    EXPECT_EQ(Child<QAbstractSpinBox>(&dialog, "countField")->text(), QStringLiteral("6"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(Child<QRadioButton>(&dialog, ("correct" + std::to_string(i)).c_str())->isChecked());

    Child<QPlainTextEdit>(&dialog, "questionText")->setPlainText(QStringLiteral("Capitale\ndella Francia?"));
    Child<QLineEdit>(&dialog, "answer2")->setText(QStringLiteral("Parigi"));
    Child<QLineEdit>(&dialog, "answer4")->setText(QStringLiteral("Lione"));
    Child<QLineEdit>(&dialog, "score4")->setText(QStringLiteral("-2"));
    Click(&dialog, "correct4");
    Click(&dialog, "correct2");  // one group: this one takes the check
    Child<QCheckBox>(&dialog, "randomCheck")->setChecked(true);
    Click(&dialog, "okButton");

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(app.currentTest.QuestionCount(), 1);
    const CDomanda& q = Stored(0);
    EXPECT_EQ(Text(q.GetTextQue()), "Capitale\ndella Francia?");
    EXPECT_EQ(q.GetSelection(), TSel::Single);
    EXPECT_EQ(q.GetRandom(), 1);
    EXPECT_EQ(Text(q.GetImage()), "");
    ASSERT_EQ(q.GetAnswerCount(), 2);
    EXPECT_EQ(Text(q.GetAnswer(0).GetTextAns()), "Parigi");
    EXPECT_EQ(q.GetAnswer(0).IsCorrect(), 1);
    EXPECT_EQ(q.GetAnswer(0).GetScore(), 3.0f);
    EXPECT_EQ(q.GetAnswer(1).IsCorrect(), 0);
    EXPECT_EQ(q.GetAnswer(1).GetScore(), -2.0f);
    EXPECT_EQ(app.modified, 1);
}

TEST_F(QuestionWidgetsTest, ExistingMultipleAnswerQuestionIsShownAndReplaced)
{
    AddQuestion("Colori primari?", TQue::MultipleAnswer, TSel::Multiple,
                {{"rosso", true}, {"verde", false}, {"blu", true}});
    EditExisting(0);
    ChoiceDialog dialog(app, QuestionDialogKind::MultiAns);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Domanda a più risposte"));
    EXPECT_FALSE(Child<QPushButton>(&dialog, "deleteButton")->isHidden());
    EXPECT_EQ(Child<QAbstractSpinBox>(&dialog, "countField")->text(), QStringLiteral("6"));
    EXPECT_EQ(Child<QPlainTextEdit>(&dialog, "questionText")->toPlainText(),
              QStringLiteral("Colori primari?"));
    EXPECT_EQ(Child<QLineEdit>(&dialog, "answer3")->text(), QStringLiteral("blu"));
    EXPECT_TRUE(Child<QCheckBox>(&dialog, "correct1")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(&dialog, "correct3")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(&dialog, "score2")->text(), QStringLiteral("-1"));

    Child<QLineEdit>(&dialog, "answer2")->setText(QStringLiteral("giallo"));
    Click(&dialog, "correct2");
    Child<QLineEdit>(&dialog, "answer3")->clear();
    Click(&dialog, "okButton");

    ASSERT_EQ(app.currentTest.QuestionCount(), 1);
    const CDomanda& q = Stored(0);
    ASSERT_EQ(q.GetAnswerCount(), 2);
    EXPECT_EQ(Text(q.GetAnswer(1).GetTextAns()), "giallo");
    EXPECT_EQ(q.GetAnswer(1).IsCorrect(), 1);
    EXPECT_EQ(q.GetAnswer(1).GetScore(), -1.0f);  // the score shown stays
}

TEST_F(QuestionWidgetsTest, ChoosingARadioButtonClearsEveryOtherRowThatCameChecked)
{
    // A question with several correct answers, loaded or pasted, shows them
    // all checked in SINGLEANS; choosing one row leaves only that one checked.
    AddQuestion("Capitale?", TQue::MultipleAnswer, TSel::Single,
                {{"Roma", true}, {"Milano", true}, {"Torino", false}});
    EditExisting(0);
    ChoiceDialog dialog(app, QuestionDialogKind::SingleAns);
    EXPECT_TRUE(Child<QRadioButton>(&dialog, "correct1")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(&dialog, "correct2")->isChecked());
    Click(&dialog, "correct3");
    Click(&dialog, "okButton");

    ASSERT_EQ(app.currentTest.QuestionCount(), 1);
    const CDomanda& q = Stored(0);
    ASSERT_EQ(q.GetAnswerCount(), 3);
    EXPECT_EQ(q.GetAnswer(0).IsCorrect(), 0);
    EXPECT_EQ(q.GetAnswer(1).IsCorrect(), 0);
    EXPECT_EQ(q.GetAnswer(2).IsCorrect(), 1);
}

TEST_F(QuestionWidgetsTest, RefusedOkKeepsTheDialogOpenWithItsContent)
{
    PrepareNewQuestion(app, QuestionKind::OneSolution);
    ChoiceDialog dialog(app, QuestionDialogKind::SingleAns);
    Child<QPlainTextEdit>(&dialog, "questionText")->setPlainText(QStringLiteral("Q"));
    Child<QLineEdit>(&dialog, "answer1")->setText(QStringLiteral("a"));
    Child<QLineEdit>(&dialog, "answer2")->setText(QStringLiteral("b"));
    Click(&dialog, "okButton");
    EXPECT_EQ(platform.infos, std::vector<std::string>{"Selezionare la risposta corretta"});
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(Child<QAbstractSpinBox>(&dialog, "countField")->text(), QStringLiteral("6"));

    // A character Windows-1252 lacks is named, not dropped.
    Click(&dialog, "correct1");
    Child<QLineEdit>(&dialog, "answer2")->setText(QStringLiteral("b \u2192 c"));
    Click(&dialog, "okButton");
    ASSERT_EQ(platform.infos.size(), 2u);
    EXPECT_EQ(platform.infos[1], UnstorableCharactersMessage("Risposta 2"));
    EXPECT_EQ(Child<QLineEdit>(&dialog, "answer2")->text(), QStringLiteral("b \u2192 c"));
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
}

TEST_F(QuestionWidgetsTest, NumericQuestionIsTypedAndStored)
{
    PrepareNewQuestion(app, QuestionKind::Number);
    TextDialog dialog(app);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Domanda a risposta testuale/numerica"));
    EXPECT_EQ(Child<QLabel>(&dialog, "answerLabel")->text(), QStringLiteral("Numero"));
    EXPECT_EQ(Child<QLineEdit>(&dialog, "precisionField")->text(), QStringLiteral("0.001"));
    EXPECT_EQ(Child<QLineEdit>(&dialog, "scoreIfOkField")->text(), QStringLiteral("3"));
    EXPECT_TRUE(Child<QPushButton>(&dialog, "deleteButton")->isHidden());

    Child<QPlainTextEdit>(&dialog, "questionText")->setPlainText(QStringLiteral("Quanto fa 7/2?"));
    Child<QLineEdit>(&dialog, "answerField")->setText(QStringLiteral("3.5"));
    Child<QLineEdit>(&dialog, "precisionField")->setText(QStringLiteral("0.05"));
    Child<QLineEdit>(&dialog, "scoreIfBadField")->setText(QStringLiteral("-1"));
    Child<QLineEdit>(&dialog, "imageField")->setText(QStringLiteral("frazioni.gif"));
    Click(&dialog, "okButton");

    ASSERT_EQ(app.currentTest.QuestionCount(), 1);
    const CDomanda& q = Stored(0);
    EXPECT_EQ(q.GetTypeQue(), TQue::SingleNumber);
    EXPECT_DOUBLE_EQ(q.GetNumOk(), 3.5);
    EXPECT_DOUBLE_EQ(q.GetPrecision(), 0.05);
    EXPECT_EQ(q.GetScoreIfOk(), 3.0f);
    EXPECT_EQ(q.GetScoreIfBad(), -1.0f);
    EXPECT_EQ(Text(q.GetImage()), "frazioni.gif");
}

TEST_F(QuestionWidgetsTest, ToolbarSaysWhatEachButtonDoesAndPasteWaitsForCopia)
{
    PrepareNewQuestion(app, QuestionKind::Text);
    TextDialog dialog(app);
    auto* toolbar = Child<QuestionToolbar>(&dialog, "questionToolBar");
    ASSERT_NE(toolbar, nullptr);
    QStringList tips;
    for (QuestionCommand command :
         {QuestionCommand::Copy, QuestionCommand::Paste, QuestionCommand::UndoPaste, QuestionCommand::Run})
        tips << toolbar->action(command)->toolTip();
    EXPECT_EQ(tips, (QStringList{QStringLiteral("Copia"), QStringLiteral("Incolla"),
                                 QStringLiteral("Annulla \"incolla\""), QStringLiteral("Esegui domanda")}));
    EXPECT_EQ(toolbar->imageButton()->toolTip(), QStringLiteral("Associa immagine"));

    EXPECT_FALSE(toolbar->action(QuestionCommand::Paste)->isEnabled());
    Trigger(&dialog, QuestionCommand::Copy);
    EXPECT_TRUE(toolbar->action(QuestionCommand::Paste)->isEnabled());
    EXPECT_FALSE(toolbar->action(QuestionCommand::UndoPaste)->isEnabled());
    Trigger(&dialog, QuestionCommand::Paste);
    EXPECT_TRUE(toolbar->action(QuestionCommand::UndoPaste)->isEnabled());
}

TEST_F(QuestionWidgetsTest, RunOpensTheRunnerOnTheTemporaryFileAndAnnullaDeletesIt)
{
    PrepareNewQuestion(app, QuestionKind::Text);
    TextDialog dialog(app);
    Child<QPlainTextEdit>(&dialog, "questionText")->setPlainText(QStringLiteral("Capitale?"));
    Child<QLineEdit>(&dialog, "answerField")->setText(QStringLiteral("Roma"));

    QString runnerTitle;
    OnNextModal(&dialog, [&runnerTitle](QWidget* runner) {
        runnerTitle = runner->windowTitle();
        Click(runner, "cancelButton");
    });
    Trigger(&dialog, QuestionCommand::Run);
    EXPECT_EQ(runnerTitle, QStringLiteral("Esegui con..."));
    EXPECT_EQ(app.currentTest.QuestionCount(), 0);
    EXPECT_EQ(app.runTest.QuestionCount(), 1);
    const std::string file = Text(app.runTest.TestFileName());
    EXPECT_TRUE(std::filesystem::exists(scratch.File(file)));

    // Annulla drops a typed question only once the teacher agrees.
    Click(&dialog, "cancelButton");
    EXPECT_TRUE(std::filesystem::exists(scratch.File(file)));
    platform.yesNoAnswers = {true};
    Click(&dialog, "cancelButton");
    EXPECT_EQ(
        platform.questions,
        std::vector<std::string>(2, "Procedendo verranno perse le modifiche.\r\nVuoi veramente continuare?"));
    EXPECT_FALSE(std::filesystem::exists(scratch.File(file)));
}

TEST_F(QuestionWidgetsTest, KindChooserProposesTheLastKindAndOpensItsDialog)
{
    app.lastKindChoice = QuestionKind::Number;
    NewQuestionDialog dialog(app);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seleziona il tipo di domanda"));
    EXPECT_TRUE(Child<QRadioButton>(&dialog, "kind506")->isChecked());
    EXPECT_EQ(Child<QRadioButton>(&dialog, "kind503")->text(), QStringLiteral("Più soluzioni corrette"));

    Click(&dialog, "kind503");
    QString opened;
    OnNextModal(&dialog, [&opened](QWidget* question) {
        opened = question->windowTitle();
        Child<QPlainTextEdit>(question, "questionText")->setPlainText(QStringLiteral("Pari?"));
        Child<QLineEdit>(question, "answer1")->setText(QStringLiteral("2"));
        Child<QLineEdit>(question, "answer2")->setText(QStringLiteral("4"));
        Click(question, "correct1");
        Click(question, "correct2");
        Click(question, "okButton");
    });
    Click(&dialog, "okButton");
    EXPECT_EQ(opened, QStringLiteral("Domanda a più risposte"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(app.lastKindChoice, QuestionKind::SeveralSolutions);
    ASSERT_EQ(app.currentTest.QuestionCount(), 1);
    EXPECT_EQ(Stored(0).GetSelection(), TSel::Multiple);
    EXPECT_EQ(Stored(0).GetAnswerCount(), 2);
}

TEST_F(QuestionWidgetsTest, ChooserListsPreviewsAndOpensTheChosenQuestion)
{
    AddQuestion("Prima domanda", TQue::MultipleAnswer, TSel::Single, {{"si", true}, {"no", false}});
    AddQuestion("Quanto fa 2+2?", TQue::SingleNumber, TSel::Single, {});
    app.lastSelection = 5;
    QuestionChooser dialog(app);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Modifica domanda"));
    auto* list = Child<QComboBox>(&dialog, "questionList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("1 - Prima domanda"));
    EXPECT_EQ(list->currentIndex(), 1);
    auto* preview = Child<QPlainTextEdit>(&dialog, "previewText");
    EXPECT_EQ(preview->toPlainText(), QStringLiteral("Quanto fa 2+2?"));

    list->setCurrentIndex(0);
    EXPECT_EQ(preview->toPlainText(), QStringLiteral("Prima domanda\n\u00B7 si\n\u00B7 no"));

    QString opened;
    OnNextModal(&dialog, [&opened](QWidget* question) {
        opened = question->windowTitle();
        Click(question, "cancelButton");
    });
    Click(&dialog, "okButton");
    EXPECT_EQ(opened, QStringLiteral("Domanda a una sola risposta"));
    EXPECT_EQ(app.editIndex, 0);
    EXPECT_EQ(app.lastSelection, 0);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Every question of the bundled samples and of a questionnaire with 8 and
// 20 answers, fractional and negative scores and near points apart from the
// right ones: opened through Modifica and closed with Ok, untouched.
TEST_F(QuestionWidgetsTest, OkWithoutEditsOnEverySampleQuestionLeavesTheTestEqualAndUnmodified)
{
    const std::filesystem::path examples = std::filesystem::path(QV_SOURCE_DIR) / "examples";
    for (const char* sample : {"geografia.tst", "geografia-cifrato.tst", "prove-modifica.tst"}) {
        ASSERT_TRUE(LoadTestFile(app, (examples / sample).string(), true)) << sample;
        const CTest before(app.currentTest);
        for (int i = 0; i < app.currentTest.QuestionCount(); ++i) {
            const bool editable = DialogKindOf(Stored(i)) != QuestionDialogKind::None;
            const int answers = Stored(i).GetAnswerCount();
            int rowsShown = 0;
            app.lastSelection = i;
            OnNextModal([&](QWidget* chooser) {
                if (editable)
                    OnNextModal(chooser, [&](QWidget* question) {
                        for (int row = 1; row <= kChoiceRows; ++row)
                            if (auto* w = question->findChild<QWidget*>(QStringLiteral("row%1").arg(row)))
                                rowsShown += w->isVisibleTo(question) ? 1 : 0;
                        Click(question, "okButton");
                        EXPECT_EQ(question->isVisible(), false) << sample << " " << i;
                    });
                Click(chooser, "okButton");
            });
            RunQuestionChooser(nullptr, app);
            if (answers > 0) {
                EXPECT_EQ(rowsShown, std::max(kChoiceRowsShown, answers)) << sample << " " << i;
            }
            if (!editable) {
                EXPECT_EQ(platform.infos.back().rfind("Non posso modificare la domanda", 0), 0u);
            }
        }
        EXPECT_TRUE(app.currentTest == before) << sample;
        EXPECT_EQ(app.modified, 0) << sample;
    }
    EXPECT_EQ(platform.infos.size(), 1u);  // the FreeText question of the last one
}

TEST_F(QuestionWidgetsTest, NumeroVociArrowsShowRowsAndAskBeforeHidingAFilledOne)
{
    PrepareNewQuestion(app, QuestionKind::OneSolution);
    ChoiceDialog dialog(app, QuestionDialogKind::SingleAns);
    auto* count = Child<UpDownField>(&dialog, "countField");
    EXPECT_FALSE(Child<QWidget>(&dialog, "row7")->isVisibleTo(&dialog));
    count->stepBy(2);
    EXPECT_TRUE(Child<QWidget>(&dialog, "row8")->isVisibleTo(&dialog));
    Child<QLineEdit>(&dialog, "answer8")->setText(QStringLiteral("ottava"));
    count->stepBy(-2);  // No
    EXPECT_EQ(count->fieldText(), QStringLiteral("8"));
    EXPECT_EQ(Child<QLineEdit>(&dialog, "answer8")->text(), QStringLiteral("ottava"));
    platform.yesNoAnswers = {true};
    count->stepBy(-2);
    EXPECT_EQ(count->fieldText(), QStringLiteral("6"));
    EXPECT_FALSE(Child<QWidget>(&dialog, "row8")->isVisibleTo(&dialog));
    EXPECT_EQ(Child<QLineEdit>(&dialog, "answer8")->text(), QString());
    EXPECT_EQ(platform.questions, std::vector<std::string>(2, "Vuoi veramente cancellare la risposta 8?"));
}

}  // namespace

}  // namespace quadrivo::editor
