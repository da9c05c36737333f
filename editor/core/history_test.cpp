#include "editor/core/history.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/core/filecommands.h"
#include "editor/core/frame.h"
#include "editor/core/properties.h"
#include "editor/core/questiondialogs.h"
#include "editor/core/questionlist.h"
#include "editor/core/scripted_platform.h"
#include "model/domanda.h"

namespace quadrivo::editor {

namespace {

// Ok in a choice dialog holding text and two answers, for a new question
// (index -1) or for question index.
void StoreQuestion(Application& app, const std::string& text, int index = -1)
{
    app.editingExisting = index >= 0;
    app.editIndex = index;
    if (index >= 0)
        app.editQuestion = *app.currentTest.GetQuestion(index);
    else
        app.editQuestion = CDomanda(&app.errorReporter);
    ChoiceDialogData data;
    InitChoiceDialog(app, data);
    data.text = text;
    data.rows[0] = {true, "", "vero"};
    data.rows[1] = {false, "", "falso"};
    ASSERT_EQ(ChoiceDialogCommand(app, data, QuestionCommand::Ok), CommandResult::Close);
}

struct ChangeCase {
    const char* name;
    std::function<void(ScriptedEditor&)> change;
};

const ChangeCase kChanges[] = {
    {"Properties",
     [](ScriptedEditor& e) {
         PropertyValues values = OpenPropertyDialog(e.app);
         values.name = "Altro nome";
         values.scrambled = true;
         PropertyDialogOk(e.app, values);
     }},
    {"IllustrativeText", [](ScriptedEditor& e) { MainTextDialogOk(e.app, "Leggi bene.\r\nPoi rispondi."); }},
    {"NewQuestion", [](ScriptedEditor& e) { StoreQuestion(e.app, "Terza?"); }},
    {"EditedQuestion", [](ScriptedEditor& e) { StoreQuestion(e.app, "Prima, cambiata?", 0); }},
    {"DeletedInItsDialog",
     [](ScriptedEditor& e) {
         e.app.editingExisting = 1;
         e.app.editIndex = 0;
         e.app.editQuestion = *e.app.currentTest.GetQuestion(0);
         ChoiceDialogData data;
         InitChoiceDialog(e.app, data);
         e.platform.yesNoAnswers = {true};
         ChoiceDialogCommand(e.app, data, QuestionCommand::Delete);
     }},
    {"DeletedFromTheList",
     [](ScriptedEditor& e) {
         e.platform.yesNoAnswers = {true};
         DeleteQuestions(e.app, {0, 1});
     }},
    {"Moved", [](ScriptedEditor& e) { MoveQuestion(e.app, 1, 0); }},
    {"Duplicated", [](ScriptedEditor& e) { DuplicateQuestion(e.app, 0); }},
    {"Disabled", [](ScriptedEditor& e) { SetQuestionsEnabled(e.app, {1}, false); }},
};

class HistoryChangeTest : public testing::TestWithParam<ChangeCase> {
protected:
    void SetUp() override
    {
        StoreQuestion(app, "Prima?");
        StoreQuestion(app, "Seconda?");
        // As a loaded test: what is shown is saved.
        app.history.Clear();
        app.modified = 0;
    }

    ScriptedEditor editor;
    Application& app = editor.app;
};

TEST_P(HistoryChangeTest, IsOneStepThatUndoesToTheSavedTestAndRedoes)
{
    app.currentTest.SetPathName(CStringa("quiz.tst"));
    const DocumentState before(app.currentTest);
    GetParam().change(editor);
    const DocumentState after(app.currentTest);
    ASSERT_TRUE(!(after.test == before.test) || after.scrambled != before.scrambled);
    EXPECT_EQ(app.modified, 1);
    ASSERT_EQ(app.history.StepCount(), 1u);
    EXPECT_TRUE(UpdateCommandStates(app).undo);

    ASSERT_TRUE(UndoCommand(app));
    EXPECT_TRUE(app.currentTest == before.test);
    EXPECT_EQ(app.currentTest.IsScrambled(), before.scrambled);
    EXPECT_EQ(app.modified, 0);
    EXPECT_FALSE(UndoCommand(app));
    EXPECT_TRUE(UpdateCommandStates(app).redo);

    ASSERT_TRUE(RedoCommand(app));
    EXPECT_TRUE(app.currentTest == after.test);
    EXPECT_EQ(app.currentTest.IsScrambled(), after.scrambled);
    EXPECT_EQ(app.modified, 1);
    // Undo never moves the test to another file.
    EXPECT_EQ(std::string(app.currentTest.GetPathName().CStr()), "quiz.tst");
}

INSTANTIATE_TEST_SUITE_P(EveryChange, HistoryChangeTest, testing::ValuesIn(kChanges),
                         [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

class HistoryTest : public ScriptedEditorTest {};

TEST_F(HistoryTest, SavingMovesTheUnmodifiedMarkAndANewStepDropsTheRedo)
{
    ScratchDirectory scratch(app);
    MainTextDialogOk(app, "uno");
    MainTextDialogOk(app, "due");
    ASSERT_TRUE(SaveTestFile(app, scratch.File("quiz.tst")));
    EXPECT_EQ(app.modified, 0);

    UndoCommand(app);
    EXPECT_EQ(app.modified, 1);
    RedoCommand(app);
    EXPECT_EQ(app.modified, 0);

    UndoCommand(app);
    MainTextDialogOk(app, "tre");
    EXPECT_FALSE(app.history.CanRedo());
    EXPECT_EQ(app.history.UndoLabel(), "Testo illustrativo");
    // The saved state was the dropped step: no undo reaches it again.
    UndoCommand(app);
    EXPECT_EQ(app.modified, 1);
}

TEST_F(HistoryTest, NewAndLoadStartAnEmptyHistoryAndUnchangedOkRecordsNothing)
{
    MainTextDialogOk(app, "uno");
    MainTextDialogOk(app, "uno");
    EXPECT_EQ(app.history.StepCount(), 1u);
    platform.yesNoAnswers = {true};
    ASSERT_TRUE(NewCommand(app));
    EXPECT_FALSE(app.history.CanUndo());
    EXPECT_FALSE(UndoCommand(app));
}

TEST_F(HistoryTest, KeepsOnlyTheNewestSteps)
{
    for (std::size_t i = 0; i < DocumentHistory::kMaxSteps + 5; ++i) MainTextDialogOk(app, std::to_string(i));
    EXPECT_EQ(app.history.StepCount(), DocumentHistory::kMaxSteps);
    while (UndoCommand(app)) {
    }
    EXPECT_EQ(std::string(app.currentTest.GetParams().TextTest.CStr()), "4");
    EXPECT_EQ(app.modified, 1);
}

}  // namespace

}  // namespace quadrivo::editor
