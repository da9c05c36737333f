#ifndef QUADRIVO_EDITOR_CORE_SETTINGS_H
#define QUADRIVO_EDITOR_CORE_SETTINGS_H

#include <optional>
#include <string>

class Application;
class Platform;

// The editor's settings: a value missing (or, for texts, of 128 bytes or
// more) is replaced by the default in the store at the first read.
std::optional<std::string> ReadSettingString(Platform& platform, const std::string& name,
                                             const std::string& fallback);
int ReadSettingNumber(Platform& platform, const std::string& name, int fallback);
bool WriteSettingString(Platform& platform, const std::string& name, const std::string& value);

// The font of the question dialogs' text fields: "fontname" and "fontsize".
struct DialogFont {
    std::string face;   // empty: the platform's default face
    int pointSize = 10;
};
DialogFont ReadDialogFont(Platform& platform);

// The runner's argument for one tried-out question: the "argument" setting
// followed by the quoted file name of app.runTest.
std::string QuestionArgument(Application& app);
// The runner's argument for the whole test: the quoted file name of
// app.currentTest.
std::string WholeTestArgument(Application& app);

#endif
