#ifndef QUADRIVO_EDITOR_CORE_SETTINGSSTORE_H
#define QUADRIVO_EDITOR_CORE_SETTINGSSTORE_H

#include <string>

namespace quadrivo::editor {

// The store that keeps the editor's settings between runs: named texts and
// numbers. Names and texts are in the system's own encoding. Not copyable.
class SettingsStore {
public:
    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;
    virtual ~SettingsStore() = default;

    // Fails when the value is absent or not of the asked type.
    virtual bool QuerySettingString(const std::string& name, std::string& value) = 0;
    virtual bool QuerySettingNumber(const std::string& name, int& value) = 0;
    // False when the store could not keep the value.
    virtual bool StoreSettingString(const std::string& name, const std::string& value) = 0;
    virtual bool StoreSettingNumber(const std::string& name, int value) = 0;
};

}  // namespace quadrivo::editor

#endif
