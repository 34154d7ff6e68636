#pragma once

#include <cstdint>
#include <string>

namespace keylume {

// One key event of a macro or a key assignment: the key pressed (state 0) or
// released (state 1), then `delay` milliseconds of waiting. Codes of 10000 and
// above name host functions of config.xml; 11111 locks the session.
struct KeyAction {
    int32_t code = 0;
    int32_t state = 0;
    int32_t delay = 0;
    std::string name;  // UTF-8 display text

    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

inline constexpr int32_t kKeyStatePressed = 0;
inline constexpr int32_t kKeyStateReleased = 1;
inline constexpr int32_t kFirstFunctionCode = 10000;
inline constexpr int32_t kLockSessionCode = 11111;

}  // namespace keylume
