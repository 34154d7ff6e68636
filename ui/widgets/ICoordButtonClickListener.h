#pragma once

#include <QString>
#include <cstdint>

namespace keylume {

// Mouse key-state flags passed to OnCoordButtonClick, as mouse messages carry
// them: the buttons held and the modifier keys down at the moment of the event
// (on a release the released button is no longer held).
namespace MouseKeyState {
inline constexpr uint32_t kLeftButton = 0x0001;
inline constexpr uint32_t kRightButton = 0x0002;
inline constexpr uint32_t kShift = 0x0004;
inline constexpr uint32_t kControl = 0x0008;
inline constexpr uint32_t kMiddleButton = 0x0010;
inline constexpr uint32_t kXButton1 = 0x0020;
inline constexpr uint32_t kXButton2 = 0x0040;
}  // namespace MouseKeyState

// Phases of a click on a key of the keyboard picture.
inline constexpr int kCoordButtonPress = 0;
inline constexpr int kCoordButtonRelease = 1;

// Told about left-button presses and releases on the keys of a
// CoordButtonImage. Held by the widget as a non-owning pointer.
class ICoordButtonClickListener {
  public:
    virtual ~ICoordButtonClickListener() = default;

    // `id` and a copy of `name` of the key, the phase (kCoordButtonPress or
    // kCoordButtonRelease), the mouse key state (MouseKeyState flags) and the
    // mouse position relative to the widget's top-left corner. A non-zero
    // result for a press tells the widget the press was handled, so it skips
    // its own selection handling.
    virtual int OnCoordButtonClick(int32_t id, QString name, int phase, uint32_t keyState, int x,
                                   int y) = 0;
};

}  // namespace keylume
