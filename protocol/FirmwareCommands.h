#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/ProtocolContext.h"
#include "protocol/Report.h"

namespace keylume {

inline constexpr int32_t kLatestFirmwareVersion = 0x100;

// 07 F0 AA 00 00 00 00 00, sent as an output report.
Report BuildFactoryResetReport();

// When the keyboard is open: the Version query (feature set, then get on the
// same buffer); on success firmwareVersion becomes (byte1 << 8) | byte2,
// otherwise it keeps its value. Not paced. True when a reply was taken.
bool QueryFirmwareVersion(ProtocolContext& context);

// Translates `source` in `context` (the UI's translator).
using TranslateFunction =
    std::function<std::string(std::string_view context, std::string_view source)>;

// The version label's text: "Firmware: v1.0", "Firmware: Early version" for 0
// ("Firmware", ": " and "Early version" translated); empty for -1 (the label
// keeps its text).
std::optional<std::string> FirmwareVersionText(int32_t firmwareVersion,
                                               const TranslateFunction& translate);

// The FactoryReset report through HidDevice::Write; bytes written (0 on failure).
int SendFactoryReset(ProtocolContext& context);

}  // namespace keylume
