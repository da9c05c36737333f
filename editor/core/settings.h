#ifndef QUADRIVO_EDITOR_CORE_SETTINGS_H
#define QUADRIVO_EDITOR_CORE_SETTINGS_H

#include <optional>
#include <string>
#include <vector>

namespace quadrivo::editor {

class Application;
class SettingsStore;

// The editor's settings: a value missing (or, for texts, of 128 bytes or
// more) is replaced by the default in the store at the first read.
std::optional<std::string> ReadSettingString(SettingsStore& store, const std::string& name,
                                             const std::string& fallback);
int ReadSettingNumber(SettingsStore& store, const std::string& name, int fallback);
bool WriteSettingString(SettingsStore& store, const std::string& name, const std::string& value);

// The font of the question dialogs' text fields: "fontname" and "fontsize".
struct DialogFont {
    std::string face;  // empty: the platform's default face
    int pointSize = 10;
};
DialogFont ReadDialogFont(SettingsStore& store);

// The runner's arguments for one tried-out question: the words of the
// "argument" setting, then the file name of app.runTest; when the setting
// does not end in a blank, the name is joined to its last word, as the
// setting is what precedes the name.
std::vector<std::string> QuestionArguments(Application& app);
// The runner's arguments for the whole test: the file name of
// app.currentTest.
std::vector<std::string> WholeTestArguments(Application& app);

// A command line's words: blanks separate them, double quotes group blanks
// into a word and are dropped.
std::vector<std::string> SplitCommandLine(const std::string& line);

}  // namespace quadrivo::editor

#endif
