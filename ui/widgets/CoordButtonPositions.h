#pragma once

#include <QString>
#include <string_view>
#include <vector>

#include "ui/widgets/CoordButton.h"

namespace keylume {

// The positions file of the keyboard picture: a root element "positions" whose
// child elements, whatever their names, are the keys in order:
//   <positions>
//     <key id="65" va="0" name="A" color="#FF8000" rect="40, 120, 30, 30"/>
//   </positions>
// "id" and "va" are integers (absent -1; present but not a number 0).
// "color" is hexadecimal after every blank and "#" is removed; absent, empty or
// unreadable gives kDefaultCoordButtonColor. "rect" is left, top, width,
// height after blanks are removed; numbers that cannot be read stay 0.

// Replaces `buttons` with the keys of the file at `path`. False, with no keys,
// when the file is missing or unreadable or has no "positions" element.
bool LoadCoordButtonsFromFile(const QString& path, std::vector<CoordButton>& buttons);

// The same for a document held in memory.
bool LoadCoordButtonsFromText(std::string_view xml, std::vector<CoordButton>& buttons);

// The readers of the two packed attributes, for callers that check a file.
uint32_t ReadCoordButtonColor(std::string_view text);
void ReadCoordButtonRect(std::string_view text, CoordButton& button);

}  // namespace keylume
