#include "model/partest.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "text/blocco.h"
#include "text/errore.h"
#include "text/fixtures_test.h"
#include "text/lettore.h"

namespace quadrivo {

namespace {

class ParTestTest : public testing::Test, protected RecordedReports {
protected:
    // content is what lies between <ParTest> and </ParTest>.
    int Apply(CParTest& params, const char* content)
    {
        CParametro pairs[PARAM_CAPACITY];
        unsigned count = 0;
        ParseParams(CStringa(content), pairs, count);
        return params.ApplyParTest(pairs, count);
    }

    std::string Written(const CParTest& params, int scrambled = 0)
    {
        std::ostringstream out;
        params.WriteParams(out, scrambled);
        return out.str();
    }

    // Writes text to a file of its own and reads both sections from it.
    int ReadFromFile(CParTest& params, const std::string& text, int scrambled = 0)
    {
        const std::string name = folder.Path() + "/quiz.tst";
        WriteFile(name, text);
        CLettore reader(&errors, CStringa(name.c_str()));
        reader.SetScrambled(scrambled);
        return params.ReadParams(reader);
    }

    TempFolder folder{"partest"};
};

TEST_F(ParTestTest, FlagsAndNumbersConvertAsTheirKindSays)
{
    using Field = std::function<int(const CParTest&)>;
    const Field random = [](const CParTest& p) { return p.Random; };
    const Field save = [](const CParTest& p) { return p.Save; };
    const Field viewScore = [](const CParTest& p) { return p.ViewScore; };
    const Field exit = [](const CParTest& p) { return p.Exit; };
    const Field studComm = [](const CParTest& p) { return p.StudComm; };
    const Field time = [](const CParTest& p) { return p.Time; };
    const Field maxQue = [](const CParTest& p) { return p.MaxQue; };
    struct Row {
        const char* content;
        Field field;
        int expected;
    };
    const Row rows[] = {
        // Random and Save: only "yes" sets them.
        {"Random = YES", random, 1},
        {"Random = maybe", random, 0},
        {"Random = \"yes\"", random, 0},
        {"Save = Yes", save, 1},
        {"Save = 1", save, 0},
        // The other flags: only "no" clears them.
        {"ViewScore = maybe", viewScore, 1},
        {"ViewScore = NO", viewScore, 0},
        {"Exit = no", exit, 0},
        {"StudComm = si", studComm, 1},
        {"Time = 45", time, 45},
        {"Time = abc", time, 0},
        {"MaxQue = -3", maxQue, -3},
    };
    for (const Row& row : rows) {
        CParTest params(&errors);
        EXPECT_EQ(Apply(params, row.content), 0) << row.content;
        EXPECT_EQ(row.field(params), row.expected) << row.content;
    }
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(ParTestTest, TextValuesLoseTheirFirstAndLastCharacter)
{
    struct Row {
        const char* content;
        const char* name;
        const char* password;
        const char* classTest;
    };
    const Row rows[] = {
        {"Name = \"Quiz\", Password = \"Segreta\", ClassTest = \"3B\"", "Quiz", "Segreta", "3B"},
        {"Name = Quiz, Password = ABC, ClassTest = 3b", "ui", "b", ""},
        {"Name = Q, Password = x, ClassTest = \"\"", "", "", ""},
        {"Name = , Password = \"\", ClassTest = ab", "", "", ""},
    };
    for (const Row& row : rows) {
        CParTest params(&errors);
        EXPECT_EQ(Apply(params, row.content), 0) << row.content;
        EXPECT_EQ(params.Name, CStringa(row.name)) << row.content;
        EXPECT_EQ(params.Password, CStringa(row.password)) << row.content;
        EXPECT_EQ(params.ClassTest, CStringa(row.classTest)) << row.content;
    }
}

TEST_F(ParTestTest, UnknownNameReports10AndTheOtherPairsStillApply)
{
    CParTest params(&errors);
    EXPECT_EQ(Apply(params, "Colour = red, Time = 5, Size = 3, Save = yes"), 10);
    EXPECT_EQ(params.Time, 5);
    EXPECT_EQ(params.Save, 1);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.codes[0], kUnknownTestParameter);
    EXPECT_EQ(recorder.messages[0], "Nel tag <partest> parametro *colour* non riconosciuto");
    EXPECT_EQ(recorder.messages[1], "Nel tag <partest> parametro *size* non riconosciuto");
}

TEST_F(ParTestTest, NewRecordWritesTheElevenDefaultLines)
{
    CParTest params(&errors);
    EXPECT_EQ(Written(params), kNewTestParams);
}

TEST_F(ParTestTest, WrittenRecordReadsBackEqual)
{
    CParTest written(&errors);
    ASSERT_EQ(Apply(written,
                    "Name = \"Verifica di Storia\", Random = yes, Save = yes, Time = 40, "
                    "ViewScore = no, Exit = no, AskConfirm = yes, CorrectAnswer = no, SendBack = 2, "
                    "Password = \"PaSsWoRd\", MaxQue = 12, ForceAns = yes, ViewHint = no, "
                    "ViewComm = no, StudComm = yes, ClassTest = \"3B\""),
              0);
    written.TextTest = "Prima riga\nSeconda riga";
    for (int scrambled : {0, 1}) {
        CParTest read(&errors);
        EXPECT_EQ(ReadFromFile(read, "<Test>\n" + Written(written, scrambled), scrambled), 0) << scrambled;
        EXPECT_TRUE(read == written) << scrambled;
    }
    CParTest defaults(&errors);
    CParTest read(&errors);
    read.Time = 99;
    EXPECT_EQ(ReadFromFile(read, Written(defaults)), 0);
    EXPECT_TRUE(read == defaults);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(ParTestTest, ReadParamsTrimsTheTextAndStopsAtTheFirstError)
{
    CParTest blank(&errors);
    EXPECT_EQ(ReadFromFile(blank, "<ParTest>Time = 5</ParTest><TextTest>\n  \n\t\n</TextTest>"), 0);
    EXPECT_EQ(blank.Time, 5);
    EXPECT_EQ(blank.TextTest, CStringa(""));

    CParTest unknown(&errors);
    EXPECT_EQ(ReadFromFile(unknown, "<ParTest>Colour = red, Time = 5</ParTest><TextTest>Testo</TextTest>"),
              kUnknownTestParameter);
    EXPECT_EQ(unknown.Time, 5);
    EXPECT_EQ(unknown.TextTest, CStringa(""));  // not read after the failure
    EXPECT_EQ(recorder.codes, (std::vector<int>{kUnknownTestParameter}));

    recorder.Clear();
    CParTest noText(&errors);
    EXPECT_EQ(ReadFromFile(noText, "<ParTest>Time = 5</ParTest>"), kMissingOpeningTag);
    EXPECT_EQ(noText.Time, 5);
    EXPECT_FALSE(recorder.codes.empty());
}

TEST_F(ParTestTest, EqualityIgnoresOnlyTheReporter)
{
    using Change = std::function<void(CParTest&)>;
    const Change changes[] = {
        [](CParTest& p) { p.Name = "x"; },     [](CParTest& p) { p.Random = 1; },
        [](CParTest& p) { p.Save = 1; },       [](CParTest& p) { p.Time = 1; },
        [](CParTest& p) { p.ViewScore = 0; },  [](CParTest& p) { p.Exit = 0; },
        [](CParTest& p) { p.AskConfirm = 1; }, [](CParTest& p) { p.CorrectAnswer = 0; },
        [](CParTest& p) { p.SendBack = 1; },   [](CParTest& p) { p.Password = "x"; },
        [](CParTest& p) { p.MaxQue = 1; },     [](CParTest& p) { p.ForceAns = 1; },
        [](CParTest& p) { p.ViewHint = 0; },   [](CParTest& p) { p.ViewComm = 0; },
        [](CParTest& p) { p.StudComm = 1; },   [](CParTest& p) { p.ClassTest = "x"; },
        [](CParTest& p) { p.TextTest = "x"; },
    };
    const CParTest base(&errors);
    int row = 0;
    for (const Change& change : changes) {
        CParTest changed(base);
        change(changed);
        EXPECT_FALSE(changed == base) << "change " << row;
        EXPECT_TRUE(changed != base) << "change " << row;
        ++row;
    }

    mkErrore otherReporter(recorder);
    CParTest other(&otherReporter);
    EXPECT_TRUE(other == base);
    CParTest copy(&otherReporter);
    copy = base;
    EXPECT_EQ(copy.Errors, base.Errors);
}

}  // namespace

}  // namespace quadrivo
