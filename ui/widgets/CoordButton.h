#pragma once

#include <QString>
#include <cstdint>

namespace keylume {

// The id that stands for every button in the CoordButtonImage operations.
inline constexpr int32_t kAllCoordButtons = 0x7FFFFFFF;

// Fill colour of a button whose positions entry gives none (opaque white).
inline constexpr uint32_t kDefaultCoordButtonColor = 0xFFFFFF;

// One key area of the keyboard picture. The rectangle is in the widget's own
// coordinates and equally in the overlay pictures' coordinates; a point is
// inside when left <= x < right and top <= y < bottom.
struct CoordButton {
    int32_t id = -1;
    int32_t va = -1;  // second number of the positions entry, kept for callers
    QString name;     // key name; the tooltip unless `tip` is set
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    // 0xRRGGBB painted opaque; a value with a non-zero top byte is 0xAARRGGBB.
    uint32_t color = kDefaultCoordButtonColor;
    QString tip;  // replaces `name` as the tooltip when not empty
    bool checked = false;
    bool hovered = false;
    bool pressed = false;  // a press started here and was not released over it yet

    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
};

}  // namespace keylume
