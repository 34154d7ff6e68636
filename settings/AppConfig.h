#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace keylume {

// A host function a key can be given: a program or document to open.
struct FunctionKeyEntry {
    std::string name;  // never empty
    int32_t code = 0;  // 10000 and above
    std::string path;
    std::string argm;
    friend bool operator==(const FunctionKeyEntry&, const FunctionKeyEntry&) = default;
};

struct KeyComboStep {
    int32_t keyCode = 0;  // virtual-key code
    int32_t delay = 0;    // milliseconds
    friend bool operator==(const KeyComboStep&, const KeyComboStep&) = default;
};

// A predefined key combination, its keys in the order they are pressed.
struct KeyComboEntry {
    std::string name;
    std::vector<KeyComboStep> steps;
    friend bool operator==(const KeyComboEntry&, const KeyComboEntry&) = default;
};

// The product configuration from config.xml: read once at start-up, never written.
struct AppConfig {
    bool isChinese = false;
    int32_t vid = 0;
    int32_t pid = 0;
    int32_t usbInterface = 0;
    int32_t subdevice = 0;
    std::vector<FunctionKeyEntry> functionKeys;
    std::vector<KeyComboEntry> keyCombos;
};

AppConfig& GetAppConfig();

// Fills `config` from the config.xml at `path`. A file that does not parse
// leaves every field as it was; false then.
bool LoadAppConfig(AppConfig& config, const std::string& path);

// The first function entry with this code, or null.
const FunctionKeyEntry* FindFunctionKey(const AppConfig& config, int32_t code);

// The steps of a combkey `code` attribute, e.g. "16:0, 65:10,65".
std::vector<KeyComboStep> ParseKeyComboSteps(const std::string& text);

}  // namespace keylume
