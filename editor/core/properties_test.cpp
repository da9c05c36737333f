#include "editor/core/properties.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"

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
    values.time = "500";   // beyond the arrows' 120: taken as typed
    values.sendBack = "tre";
    values.random = false;
    values.save = true;
    values.askConfirm = true;
    ASSERT_TRUE(PropertyDialogOk(app, values));
    const CParTest& params = app.currentTest.GetParams();
    EXPECT_EQ(params.Name, CStringa("Storia moderna"));
    EXPECT_EQ(params.Time, 500);
    EXPECT_EQ(params.SendBack, 0);
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

TEST_F(PropertiesTest, NameIsCutTo127Characters)
{
    PropertyValues values = FillPropertyDialog(app.currentTest.GetParams());
    values.name = std::string(200, 'x');
    ASSERT_TRUE(PropertyDialogOk(app, values));
    EXPECT_EQ(app.currentTest.GetParams().Name.Length(), 127u);
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
        {"15", 15},   {"-7", -7},   {"+4", 4},     {"  12 ", 12}, {"0", 0},
        {"", 0},      {"abc", 0},   {"12abc", 0},  {"2.5", 0},    {"-", 0},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},          {"99999999999999999999", 0},
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

TEST_F(PropertiesTest, IllustrativeTextIsCutTo4999Characters)
{
    ASSERT_TRUE(MainTextDialogOk(app, std::string(6000, 't')));
    EXPECT_EQ(app.currentTest.GetParams().TextTest.Length(), 4999u);
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
