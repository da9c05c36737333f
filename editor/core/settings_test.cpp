#include "editor/core/settings.h"

#include <gtest/gtest.h>

#include "editor/core/scripted_platform.h"

namespace quadrivo::editor {

namespace {

using SettingsTest = ScriptedEditorTest;

TEST_F(SettingsTest, MissingStringIsWrittenWithItsDefaultAtFirstRead)
{
    EXPECT_EQ(ReadSettingString(platform, "command", "quadrivo"), "quadrivo");
    EXPECT_EQ(ReadSettingString(platform, "command", "quadrivo"), "quadrivo");
    EXPECT_EQ(platform.settingWrites, std::vector<std::string>{"command=quadrivo"});
}

TEST_F(SettingsTest, StoredValuesAreReadAsTheyAre)
{
    platform.settings["command"] = std::string("/opt/runner/bin/run");
    platform.settings["fontsize"] = 14;
    EXPECT_EQ(ReadSettingString(platform, "command", "quadrivo"), "/opt/runner/bin/run");
    EXPECT_EQ(ReadSettingNumber(platform, "fontsize", 10), 14);
    EXPECT_TRUE(platform.settingWrites.empty());
}

TEST_F(SettingsTest, StringOf127CharactersIsKeptAndLongerReplacedByTheDefault)
{
    platform.settings["fontname"] = std::string(127, 'f');
    EXPECT_EQ(ReadSettingString(platform, "fontname", "Courier New"), std::string(127, 'f'));
    platform.settings["fontname"] = std::string(128, 'f');
    EXPECT_EQ(ReadSettingString(platform, "fontname", "Courier New"), "Courier New");
    EXPECT_EQ(platform.settingWrites, std::vector<std::string>{"fontname=Courier New"});
}

TEST_F(SettingsTest, NumberUnderAStringNameIsReplacedByTheDefault)
{
    platform.settings["fontname"] = 12;
    EXPECT_EQ(ReadSettingString(platform, "fontname", "Courier New"), "Courier New");
    platform.settings["fontsize"] = std::string("grande");
    EXPECT_EQ(ReadSettingNumber(platform, "fontsize", 10), 10);
    EXPECT_EQ(std::get<int>(platform.settings["fontsize"]), 10);
}

TEST_F(SettingsTest, WithoutAStoreStringsHaveNoValueAndNumbersTheirDefault)
{
    platform.settingsWork = false;
    EXPECT_EQ(ReadSettingString(platform, "command", "quadrivo"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber(platform, "fontsize", 10), 10);
    EXPECT_FALSE(WriteSettingString(platform, "command", "x"));
}

TEST_F(SettingsTest, WriteRefusesATextTheNextReadWouldDiscard)
{
    EXPECT_TRUE(WriteSettingString(platform, "command", std::string(127, 'c')));
    EXPECT_FALSE(WriteSettingString(platform, "command", std::string(128, 'c')));
    EXPECT_EQ(std::get<std::string>(platform.settings["command"]), std::string(127, 'c'));
}

TEST_F(SettingsTest, FreshStoreGetsTheFontDefaults)
{
    const DialogFont font = ReadDialogFont(platform);
    EXPECT_EQ(font.face, "Courier New");
    EXPECT_EQ(font.pointSize, 10);
    EXPECT_EQ(platform.settingWrites, (std::vector<std::string>{"fontsize=10", "fontname=Courier New"}));
}

TEST_F(SettingsTest, UnusableFontSizeFallsBackToCourierNew10)
{
    platform.settings["fontname"] = std::string("Arial");
    for (int size : {0, -5, 100000}) {
        platform.settings["fontsize"] = size;
        const DialogFont font = ReadDialogFont(platform);
        EXPECT_EQ(font.face, "Courier New") << size;
        EXPECT_EQ(font.pointSize, 10) << size;
    }
}

TEST_F(SettingsTest, FontWithoutStoreUsesThePlatformFace)
{
    platform.settingsWork = false;
    const DialogFont font = ReadDialogFont(platform);
    EXPECT_EQ(font.face, "");
    EXPECT_EQ(font.pointSize, 10);
}

TEST_F(SettingsTest, QuestionArgumentWithTheDefaults)
{
    app.runTest.SetPathName("$QV1A2B.TMP");
    EXPECT_EQ(QuestionArguments(app), (std::vector<std::string>{"-question", "1", "$QV1A2B.TMP"}));
    EXPECT_EQ(platform.settingWrites, std::vector<std::string>{"argument=-question 1 "});
}

TEST_F(SettingsTest, QuestionArgumentWithoutStoreHasNoPrefix)
{
    platform.settingsWork = false;
    app.runTest.SetPathName("$QV1.TMP");
    EXPECT_EQ(QuestionArguments(app), std::vector<std::string>{"$QV1.TMP"});
}

TEST_F(SettingsTest, WholeTestArgumentQuotesTheTestFileName)
{
    app.currentTest.SetPathName("storia");
    EXPECT_EQ(WholeTestArguments(app), std::vector<std::string>{"storia.tst"});
}

}  // namespace

}  // namespace quadrivo::editor
