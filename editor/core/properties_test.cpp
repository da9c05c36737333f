#include "editor/core/properties.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

class PropertiesTest : public ScriptedEditorTest {
protected:
    void SetUp() override
    {
        CParTest& params = app.currentTest.GetParams();
        params.Name = "Storia";
        params.Time = 45;
        params.SendBack = -3;
        params.Random = 1;
        params.ViewScore = 0;
        params.TextTest = "Prima riga\nseconda riga";
    }
};

TEST_F(PropertiesTest, FillShowsTheParameters)
{
    const PropertyValues values = FillPropertyDialog(app.currentTest.GetParams());
    EXPECT_EQ(values.name, "Storia");
    EXPECT_EQ(values.time, "45");
    EXPECT_EQ(values.sendBack, "-3");
    EXPECT_TRUE(values.random);
    EXPECT_FALSE(values.save);
    EXPECT_FALSE(values.viewScore);
    EXPECT_FALSE(values.askConfirm);
    EXPECT_TRUE(values.correctAnswer);
}

TEST_F(PropertiesTest, OkWithoutChangesKeepsParametersButMarksModified)
{
    const CParTest before = app.currentTest.GetParams();
    EXPECT_TRUE(PropertyDialogOk(app, FillPropertyDialog(before)));
    EXPECT_EQ(app.currentTest.GetParams(), before);
    EXPECT_EQ(app.modified, 1);
}

TEST_F(PropertiesTest, OkStoresEditedValues)
{
    PropertyValues values = FillPropertyDialog(app.currentTest.GetParams());
    values.name = "Storia moderna";
    values.time = "500";  // beyond the arrows' 120: taken as typed
    values.sendBack = " 2,0 ";
    values.random = false;
    values.save = true;
    values.askConfirm = true;
    ASSERT_TRUE(PropertyDialogOk(app, values));
    const CParTest& params = app.currentTest.GetParams();
    EXPECT_EQ(params.Name, CStringa("Storia moderna"));
    EXPECT_EQ(params.Time, 500);
    EXPECT_EQ(params.SendBack, 2);
    EXPECT_EQ(params.Random, 0);
    EXPECT_EQ(params.Save, 1);
    EXPECT_EQ(params.AskConfirm, 1);
}

TEST_F(PropertiesTest, EmptyNameKeepsThePreviousOne)
{
    PropertyValues values = FillPropertyDialog(app.currentTest.GetParams());
    values.name.clear();
    ASSERT_TRUE(PropertyDialogOk(app, values));
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Storia"));
    EXPECT_EQ(app.modified, 1);
}

TEST_F(PropertiesTest, BlankNameKeepsThePreviousOneAndFileCifratoSetsTheForm)
{
    PropertyValues values = OpenPropertyDialog(app);
    EXPECT_FALSE(values.scrambled);
    values.name = " \t ";
    values.scrambled = true;
    ASSERT_TRUE(PropertyDialogOk(app, values));
    EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Storia"));
    EXPECT_EQ(app.currentTest.IsScrambled(), 1);
    EXPECT_TRUE(OpenPropertyDialog(app).scrambled);
}

struct PropertyRefusalCase {
    std::string PropertyValues::*field;
    std::string typed;
    const char* message;
};

TEST_F(PropertiesTest, ChangedFieldsOutOfRangeAreRefusedButUntouchedOnesKeptAsTheFileHadThem)
{
    const PropertyRefusalCase cases[] = {
        {&PropertyValues::time, "tre",
         "Il campo \"Tempo concesso (in minuti)\" deve contenere un numero intero."},
        {&PropertyValues::sendBack, "2,5",
         "Il campo \"Rimandare la risposta?\" deve contenere un numero intero."},
        {&PropertyValues::time, "99999999999",
         "Il campo \"Tempo concesso (in minuti)\" deve contenere un numero intero compreso tra 0 e 32767."},
        {&PropertyValues::name, std::string(128, 'x'),
         "Il campo \"Nome\" non pu\xf2 superare i 127 caratteri."},
    };
    for (const PropertyRefusalCase& c : cases) {
        platform.infos.clear();
        PropertyValues values = OpenPropertyDialog(app);
        values.*c.field = c.typed;
        EXPECT_FALSE(PropertyDialogOk(app, values)) << c.typed;
        EXPECT_EQ(platform.infos, std::vector<std::string>{c.message});
    }
    EXPECT_EQ(app.modified, 0);

    // SendBack -3 and a long name came from the file: kept while untouched.
    app.currentTest.GetParams().Name = CStringa(std::string(200, 'n').c_str());
    const CParTest before = app.currentTest.GetParams();
    ASSERT_TRUE(PropertyDialogOk(app, OpenPropertyDialog(app)));
    EXPECT_EQ(app.currentTest.GetParams(), before);
}

TEST_F(PropertiesTest, NameTheFileCannotHoldIsRefusedNamingTheField)
{
    for (const char* name : {"Il \"grande\" test", "Test <!-- bozza -->", "a</PARTEST>b"}) {
        PropertyValues values = FillPropertyDialog(app.currentTest.GetParams());
        values.name = name;
        values.time = "99";
        platform.infos.clear();
        EXPECT_FALSE(PropertyDialogOk(app, values)) << name;
        ASSERT_EQ(platform.infos.size(), 1u) << name;
        EXPECT_EQ(platform.infos[0].rfind("Il campo \"Nome\" ", 0), 0u) << platform.infos[0];
        EXPECT_EQ(app.currentTest.GetParams().Name, CStringa("Storia"));
        EXPECT_EQ(app.currentTest.GetParams().Time, 45);
        EXPECT_EQ(app.modified, 0);
    }
}

struct NumberCase {
    const char* text;
    int value;
};

TEST(DialogNumberTest, ReadsWholeNumbersAndGivesZeroForAnythingElse)
{
    const NumberCase cases[] = {
        {"15", 15},
        {"-7", -7},
        {"+4", 4},
        {"  12 ", 12},
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"12abc", 0},
        {"2.5", 0},
        {"-", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},
        {"99999999999999999999", 0},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(DialogNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST_F(PropertiesTest, IllustrativeTextRoundTripsUnchanged)
{
    const std::string shown = FillMainTextDialog(app);
    EXPECT_EQ(shown, "Prima riga\r\nseconda riga");
    ASSERT_TRUE(MainTextDialogOk(app, shown));
    EXPECT_EQ(app.currentTest.GetParams().TextTest, CStringa("Prima riga\nseconda riga"));
    EXPECT_EQ(app.modified, 1);
}

TEST_F(PropertiesTest, IllustrativeTextKeepsALoneCr)
{
    ASSERT_TRUE(MainTextDialogOk(app, "fine\r"));
    EXPECT_EQ(app.currentTest.GetParams().TextTest, CStringa("fine\r"));
}

TEST_F(PropertiesTest, IllustrativeTextIsKeptWholeUpToWhatItsSectionHolds)
{
    ASSERT_TRUE(MainTextDialogOk(app, std::string(6000, 't')));
    EXPECT_EQ(app.currentTest.GetParams().TextTest.Length(), 6000u);
    EXPECT_EQ(FillMainTextDialog(app).size(), 6000u);

    EXPECT_FALSE(MainTextDialogOk(app, std::string(MAX_SECTION_TEXT, 't')));
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0].rfind("Il campo \"Testo illustrativo\" non pu\xf2 superare i ", 0), 0u);
    EXPECT_EQ(app.currentTest.GetParams().TextTest.Length(), 6000u);
}

TEST_F(PropertiesTest, IllustrativeTextWithCommentOrClosingTagIsRefused)
{
    for (const char* text : {"vedi <!nota>", "fine</texttest> e oltre", "</TextTest>"}) {
        platform.infos.clear();
        EXPECT_FALSE(MainTextDialogOk(app, text)) << text;
        ASSERT_EQ(platform.infos.size(), 1u);
        EXPECT_EQ(platform.infos[0].rfind("Il campo \"Testo illustrativo\" ", 0), 0u) << platform.infos[0];
        EXPECT_EQ(app.currentTest.GetParams().TextTest, CStringa("Prima riga\nseconda riga"));
        EXPECT_EQ(app.modified, 0);
    }
}

}  // namespace

}  // namespace quadrivo::editor
