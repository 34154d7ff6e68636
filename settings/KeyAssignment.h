#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/KeyAction.h"

namespace keylume {

// What an assigned key does. Stored as its number; record.xml may carry other
// numbers, which are kept and written back but never carried out.
enum class KeyAssignmentType : int32_t {
    Macro = 0,
    SingleKey = 1,
    Function = 2,
    Combination = 3,
};

// One assigned key. `code` is the key code: the virtual-key code in bits 0-7,
// plus 0x100 for an extended key (also the key id of the keyboard picture).
struct KeyAssignment {
    int32_t code = 0;
    int32_t type = 0;  // a KeyAssignmentType value, or any number read from a file
    int32_t repeat = 0;
    std::string name;   // the key's own label
    std::string group;  // label of what is assigned
    std::vector<KeyAction> actions;

    bool Is(KeyAssignmentType t) const { return type == static_cast<int32_t>(t); }
    friend bool operator==(const KeyAssignment&, const KeyAssignment&) = default;
};

}  // namespace keylume
