#include "editor/core/settings.h"

#include "editor/core/application.h"
#include "editor/core/settingsstore.h"

namespace quadrivo::editor {

namespace {

// A string setting and its terminator fit in 128 bytes.
constexpr std::size_t kSettingCapacity = 128;

// The face and size used when the settings do not give a usable font.
const DialogFont kFallbackFont{"Courier New", 10};
constexpr int kLargestPointSize = 400;

std::string Text(const CStringa& s)
{
    return s.IsOk() ? s.CStr() : "";
}

}  // namespace

std::optional<std::string> ReadSettingString(SettingsStore& store, const std::string& name,
                                             const std::string& fallback)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::string value;
        if (store.QuerySettingString(name, value) && value.size() < kSettingCapacity)
            return value.substr(0, value.find('\0'));
        if (attempt == 0) store.StoreSettingString(name, fallback);
    }
    return std::nullopt;
}

int ReadSettingNumber(SettingsStore& store, const std::string& name, int fallback)
{
    int value = 0;
    if (store.QuerySettingNumber(name, value)) return value;
    store.StoreSettingNumber(name, fallback);
    if (store.QuerySettingNumber(name, value)) return value;
    return fallback;
}

bool WriteSettingString(SettingsStore& store, const std::string& name, const std::string& value)
{
    // A longer text would be thrown away for the default at the next read.
    if (value.size() >= kSettingCapacity) return false;
    return store.StoreSettingString(name, value);
}

DialogFont ReadDialogFont(SettingsStore& store)
{
    DialogFont font;
    font.pointSize = ReadSettingNumber(store, "fontsize", kFallbackFont.pointSize);
    font.face = ReadSettingString(store, "fontname", kFallbackFont.face).value_or("");
    if (font.pointSize < 1 || font.pointSize > kLargestPointSize) return kFallbackFont;
    return font;
}

std::vector<std::string> QuestionArguments(Application& app)
{
    const std::string prefix = ReadSettingString(app.settings, "argument", "-question 1 ").value_or("");
    std::vector<std::string> arguments = SplitCommandLine(prefix);
    const std::string file = Text(app.runTest.TestFileName());
    if (!arguments.empty() && prefix.back() != ' ' && prefix.back() != '\t')
        arguments.back() += file;
    else
        arguments.push_back(file);
    return arguments;
}

std::vector<std::string> WholeTestArguments(Application& app)
{
    return {Text(app.currentTest.TestFileName())};
}

std::vector<std::string> SplitCommandLine(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

}  // namespace quadrivo::editor
