#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/KeyAction.h"

namespace keylume {

// How recorded actions get their delay.
enum class DelayMode : int32_t {
    RealDelay = 0,   // the measured time until the next key event
    FixedDelay = 1,  // MacroLibrary::delay
    NoDelay = 2,
};

struct MacroGroup {
    std::string name;
    std::vector<KeyAction> actions;
    friend bool operator==(const MacroGroup&, const MacroGroup&) = default;
};

// The user's macros and the key assignment dialog's last choices, mirrored in
// macro.xml. UI thread only.
struct MacroLibrary {
    int32_t type = 0;  // a KeyAssignmentType value
    int32_t repeat = 1;
    int32_t delay = 10;
    int32_t mode = 0;      // a DelayMode value
    int32_t media = 0;     // index into AppConfig::functionKeys
    int32_t function = 0;  // index into AppConfig::keyCombos
    int32_t skcode = 0;    // virtual-key code of a single key, 0 for none
    int32_t group = 0;     // index into groups; out of range means none
    bool recording = false;  // never stored
    std::string filePath;
    std::vector<MacroGroup> groups;
};

MacroLibrary& GetMacroLibrary();

bool LoadMacroLibrary(MacroLibrary& library, const std::string& path);
bool SaveMacroLibrary(const MacroLibrary& library);

// The group `library.group` names, or null.
MacroGroup* SelectedMacroGroup(MacroLibrary& library);

void AddMacroGroup(MacroLibrary& library);
bool RenameMacroGroup(MacroLibrary& library, int index, const std::string& name);
void DeleteMacroGroup(MacroLibrary& library, int index);

void AppendKeyAction(MacroGroup& group, int32_t code, int32_t state, int32_t delay,
                     const std::string& name);
bool MoveKeyActionUp(MacroGroup& group, int index);
bool MoveKeyActionDown(MacroGroup& group, int index);
void DeleteKeyAction(MacroGroup& group, int index);
void ClearKeyActions(MacroGroup& group);

// The dialog's choices back to their defaults; groups and path stay. Not saved.
void ResetMacroSettings(MacroLibrary& library);

}  // namespace keylume
