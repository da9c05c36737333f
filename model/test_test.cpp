#include "model/test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/domanda.h"
#include "student/studente.h"
#include "text/fixtures_test.h"

namespace quadrivo {

namespace {

class TestDocumentTest : public testing::Test, protected RecordedReports {
protected:
    // Adds one question per entry of enabled, its text "Q<index>".
    void AddQuestions(CTest& test, const std::vector<int>& enabled)
    {
        for (int flag : enabled) {
            const int index = test.QuestionCount();
            ASSERT_EQ(test.AddQuestion(), 0);
            CDomanda* q = test.GetQuestion(index);
            q->SetTextQue("Q" + CStringa(index));
            q->SetEnableQue(flag);
        }
    }

    std::vector<int> ShownIndices(const CTest& test, int count)
    {
        std::vector<int> shown;
        for (int p = 0; p < count; ++p) shown.push_back(test.GetShownIndex(p));
        return shown;
    }
};

TEST_F(TestDocumentTest, QuestionLimitGivesError12OnceUntilCleared)
{
    CTest test(&errors);
    for (int i = 0; i < MAX_QUESTIONS; ++i) ASSERT_EQ(test.AddQuestion(), 0);
    EXPECT_TRUE(recorder.codes.empty());

    EXPECT_EQ(test.AddQuestion(), kNoMemoryForQuestion);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.codes[0], kNoMemoryForQuestion);
    EXPECT_EQ(recorder.messages[0], "Non riesco ad allocare la domanda800");

    CDomanda other(&errors);
    EXPECT_EQ(test.AddQuestion(), kNoMemoryForQuestion);
    EXPECT_EQ(test.AppendQuestion(other), kNoMemoryForQuestion);
    EXPECT_EQ(test.Error(), kNoMemoryForQuestion);
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(test.QuestionCount(), MAX_QUESTIONS);

    test.SetError(0);
    test.RemoveQuestion(0);
    EXPECT_EQ(test.AddQuestion(), 0);
    EXPECT_EQ(test.QuestionCount(), MAX_QUESTIONS);
    EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST_F(TestDocumentTest, PendingErrorStopsEveryAddingOperationSilently)
{
    CTest test(&errors);
    CDomanda question(&errors);
    CStudente student(&errors);
    test.SetError(3);
    const std::vector<std::function<int()>> operations = {
        [&] { return test.AddQuestion(); },
        [&] { return test.AppendQuestion(question); },
        [&] { return test.AddStudent(); },
        [&] { return test.AppendStudent(student); },
    };
    for (const auto& operation : operations) EXPECT_EQ(operation(), kCannotRead);
    EXPECT_EQ(test.QuestionCount(), 0);
    EXPECT_EQ(test.StudentCount(), 0);
    EXPECT_EQ(test.GetQuestion(0), nullptr);
    EXPECT_EQ(test.GetShownQuestion(0), nullptr);
    EXPECT_EQ(test.GetStudent(0), nullptr);
    EXPECT_EQ(test.LastStudent(), nullptr);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(TestDocumentTest, GetQuestionOnAnEmptyTestCreatesOneQuestion)
{
    CTest test(&errors);
    CDomanda* q = test.GetQuestion(5);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(test.QuestionCount(), 1);
    EXPECT_EQ(*q, CDomanda(&errors));
    EXPECT_EQ(test.GetQuestion(0), q);
}

TEST_F(TestDocumentTest, IndicesOutsideTheListGiveQuestionZero)
{
    CTest test(&errors);
    AddQuestions(test, {1, 1, 1});
    for (int index : {-1, 3, 1000}) EXPECT_EQ(test.GetQuestion(index), test.GetQuestion(0)) << index;
    CDomanda replacement(&errors);
    test.SetQuestion(3, replacement);
    EXPECT_EQ(test.GetQuestion(0)->GetTextQue(), CStringa("Q0"));
}

TEST_F(TestDocumentTest, RemoveQuestionMovesLaterQuestionsUpAndKeepsTheOrder)
{
    CTest test(&errors);
    AddQuestions(test, {1, 1, 1});
    test.BuildOrder();
    CDomanda* slot0 = test.GetQuestion(0);
    test.RemoveQuestion(0);
    ASSERT_EQ(test.QuestionCount(), 2);
    EXPECT_EQ(test.GetQuestion(0), slot0);  // same object, assigned from its successor
    EXPECT_EQ(test.GetQuestion(0)->GetTextQue(), CStringa("Q1"));
    EXPECT_EQ(test.GetQuestion(1)->GetTextQue(), CStringa("Q2"));
    EXPECT_EQ(ShownIndices(test, 2), (std::vector<int>{0, 1}));

    for (int index : {-1, 2, 5}) test.RemoveQuestion(index);
    EXPECT_EQ(test.QuestionCount(), 2);
}

TEST_F(TestDocumentTest, AskedCountIsMaxQueBoundedByTheEnabledQuestions)
{
    struct Row {
        int maxQue;
        int asked;
    };
    const Row rows[] = {{0, 7}, {5, 5}, {7, 7}, {10, 7}, {12, 7}, {-3, 7}};
    CTest test(&errors);
    AddQuestions(test, {1, 0, 1, 1, 0, 1, 1, 0, 1, 1});
    for (const Row& row : rows) {
        test.GetParams().MaxQue = row.maxQue;
        EXPECT_EQ(test.AskedCount(), row.asked) << "MaxQue " << row.maxQue;
        EXPECT_EQ(test.NotAskedCount(), 10 - row.asked) << "MaxQue " << row.maxQue;
    }
}

TEST_F(TestDocumentTest, BuildOrderListsEnabledQuestionsInStorageOrder)
{
    CTest test(&errors);
    AddQuestions(test, {1, 1, 1, 1, 1});
    test.BuildOrder();
    test.GetQuestion(1)->SetEnableQue(0);
    test.GetQuestion(3)->SetEnableQue(0);

    EXPECT_EQ(test.BuildOrder(), 3);
    EXPECT_EQ(test.EnabledCount(), 3);
    EXPECT_EQ(ShownIndices(test, 3), (std::vector<int>{0, 2, 4}));
    // Positions 3 and 4 are empty again, so they fall back to position 0.
    EXPECT_EQ(test.GetShownQuestion(3), test.GetQuestion(0));
    EXPECT_EQ(test.GetShownQuestion(4), test.GetQuestion(0));
    EXPECT_EQ(test.GetShownQuestion(1), test.GetQuestion(2));
}

TEST_F(TestDocumentTest, RandomBuildOrderPermutesOnlyTheEnabledQuestions)
{
    CTest test(&errors);
    AddQuestions(test, {1, 0, 1, 0, 1});
    test.GetParams().Random = 1;
    std::set<std::vector<int>> seen;
    for (int run = 0; run < 200; ++run) {
        ASSERT_EQ(test.BuildOrder(), 3);
        std::vector<int> shown = ShownIndices(test, 3);
        seen.insert(shown);
        std::sort(shown.begin(), shown.end());
        ASSERT_EQ(shown, (std::vector<int>{0, 2, 4}));
        EXPECT_EQ(test.GetShownQuestion(3), test.GetShownQuestion(0));
    }
    EXPECT_GT(seen.size(), 1u);
}

TEST_F(TestDocumentTest, ShownQuestionOfAnEmptyOrUnusablePositionFallsBack)
{
    CTest test(&errors);
    AddQuestions(test, {0, 1, 1, 1, 1});
    test.BuildOrder();  // 1, 2, 3, 4, -1
    CDomanda* firstShown = test.GetQuestion(1);
    for (int pos : {-1, 4, 5, 800}) {
        EXPECT_EQ(test.GetShownQuestion(pos), firstShown) << pos;
        EXPECT_EQ(test.GetShownIndex(pos), 0) << pos;
    }

    // Entry 1 now names slot 4, which the removal emptied.
    test.RemoveQuestion(4);
    EXPECT_EQ(test.GetShownQuestion(3), firstShown);
    EXPECT_EQ(test.GetShownIndex(3), 0);

    CTest disabled(&errors);
    AddQuestions(disabled, {0, 0});
    EXPECT_EQ(disabled.BuildOrder(), 0);
    EXPECT_EQ(disabled.GetShownQuestion(0), disabled.GetQuestion(0));
    EXPECT_EQ(disabled.GetShownQuestion(1), disabled.GetQuestion(0));
}

TEST_F(TestDocumentTest, AddStudentPreparesOneAnswerPerQuestion)
{
    CTest test(&errors);
    AddQuestions(test, {1, 0, 1});
    const int limits[] = {30, -5, 0};
    for (int i = 0; i < 3; ++i) test.GetQuestion(i)->SetTimeQue(limits[i]);
    test.BuildOrder();

    ASSERT_EQ(test.AddStudent(), 0);
    CStudente* student = test.LastStudent();
    ASSERT_EQ(student->AnswerCount(), 3);
    const int expectedLimit[] = {30, 0, 0};
    const int expectedPosition[] = {0, -1, 1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(student->Answer(i)->GetIDAns(), i);
        EXPECT_EQ(student->Answer(i)->TimeAns().GetLimit(), expectedLimit[i]) << i;
        EXPECT_EQ(student->Answer(i)->GetRndAns(), expectedPosition[i]) << i;
    }
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(TestDocumentTest, StudentLimitGivesError18WithTheCount)
{
    CTest test(&errors);
    for (int j = 0; j < MAX_STUDENTS; ++j) ASSERT_EQ(test.AddStudent(), 0);

    EXPECT_EQ(test.AddStudent(), kNoMemoryForStudent);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.codes[0], kNoMemoryForStudent);
    EXPECT_EQ(recorder.messages[0],
              "Non posso allocare le risposte dello studente " + std::to_string(MAX_STUDENTS));

    CStudente other(&errors);
    EXPECT_EQ(test.AppendStudent(other), kNoMemoryForStudent);
    EXPECT_EQ(test.AddStudent(), kNoMemoryForStudent);
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(test.StudentCount(), MAX_STUDENTS);

    test.SetError(0);
    test.ClearStudents();
    EXPECT_EQ(test.AddStudent(), 0);
}

class TestAssignmentTest : public TestDocumentTest {
protected:
    // A test with a bit of everything the assignment copies or leaves.
    void Fill(CTest& test)
    {
        test.SetPathName(CStringa((dir + "/quiz").c_str()));
        test.GetParams().Name = "Verifica";
        test.GetParams().MaxQue = 2;
        AddQuestions(test, {1, 0, 1});
        test.BuildOrder();
        ASSERT_EQ(test.AddStudent(), 0);
        test.LastStudent()->SetNameStudent("Bianchi");
        test.GetStamp();
        test.CreateResultFile();
        test.SetScrambled(1);
    }

    TempFolder folder{"testdoc"};
    std::string dir = folder.Path();
};

TEST_F(TestAssignmentTest, CopiesDocumentButNotScrambledDirectoryOrResultFile)
{
    // Neither file exists: both constructors fail to load and keep their directory.
    CTest source(&errors, CStringa("/sorgente/quiz.tst"), CStringa((dir + "/assente").c_str()));
    CTest target(&errors, CStringa("/destinazione/altro.tst"), CStringa((dir + "/assente").c_str()));
    source.SetError(0);
    target.SetError(0);
    Fill(source);
    AddQuestions(target, {1, 1, 1, 1, 1});
    source.SetError(7);
    ASSERT_NE(source.GetResultFile().Length(), 0u);

    target = source;

    EXPECT_EQ(target.Error(), kMissingClosingTag);
    EXPECT_EQ(target.GetErrors(), source.GetErrors());
    EXPECT_EQ(target.GetPathName(), source.GetPathName());
    EXPECT_EQ(target.GetStamp(), source.GetStamp());
    EXPECT_TRUE(target.GetParams() == source.GetParams());
    ASSERT_EQ(target.QuestionCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(*target.GetQuestion(i), *source.GetQuestion(i));
    EXPECT_EQ(ShownIndices(target, 2), (std::vector<int>{0, 2}));
    EXPECT_EQ(target.EnabledCount(), 2);
    ASSERT_EQ(target.StudentCount(), 1);
    EXPECT_EQ(*target.GetStudent(0), *source.GetStudent(0));
    EXPECT_NE(target.GetStudent(0), source.GetStudent(0));

    EXPECT_EQ(target.IsScrambled(), 0);
    EXPECT_EQ(target.GetDirectory(), CStringa("/destinazione/"));
    EXPECT_EQ(target.GetResultFile().Length(), 0u);

    source.SetScrambled(0);
    target.SetScrambled(1);
    target = source;
    EXPECT_EQ(target.IsScrambled(), 1);
    source.RemoveResultFile();
}

TEST_F(TestDocumentTest, EqualityComparesParamsQuestionsAndThisTestsStudents)
{
    using Change = std::function<void(CTest&)>;
    struct Row {
        const char* what;
        Change change;
        bool equal;
    };
    const Row rows[] = {
        {"nothing", [](CTest&) {}, true},
        {"path, scrambling and error",
         [](CTest& t) {
             t.SetPathName("altro");
             t.ToggleScrambled();
             t.SetError(4);
         },
         true},
        {"a parameter", [](CTest& t) { t.GetParams().Time = 9; }, false},
        {"the text", [](CTest& t) { t.GetParams().TextTest = "Leggere"; }, false},
        {"a question's text", [](CTest& t) { t.GetQuestion(1)->SetTextQue("diversa"); }, false},
        {"a question more", [](CTest& t) { t.AddQuestion(); }, false},
        {"a question less", [](CTest& t) { t.RemoveQuestion(1); }, false},
        {"a student's name", [](CTest& t) { t.GetStudent(0)->SetNameStudent("Verdi"); }, false},
        {"a student less", [](CTest& t) { t.ClearStudents(); }, false},
        {"a student more", [](CTest& t) { t.AddStudent(); }, false},
    };
    CTest base(&errors);
    AddQuestions(base, {1, 1});
    ASSERT_EQ(base.AddStudent(), 0);
    base.GetStudent(0)->SetNameStudent("Rossi");
    for (const Row& row : rows) {
        CTest changed(base);
        row.change(changed);
        EXPECT_EQ(changed == base, row.equal) << row.what;
        EXPECT_EQ(base == changed, row.equal) << row.what;
    }
}

}  // namespace

}  // namespace quadrivo
