#pragma once

#include <array>
#include <cstdint>

namespace keylume {

// Every report to the keyboard: 8 bytes, report id 7, then the command byte.
using Report = std::array<uint8_t, 8>;

inline constexpr uint8_t kReportId = 0x07;

enum class ReportCommand : uint8_t {
    Version = 0xF1,       // feature set, then feature get on the same buffer
    Lighting = 0xFF,      // feature set
    FactoryReset = 0xF0,  // output report
};

// 07 <command> 00 00 00 00 00 00.
constexpr Report MakeReport(ReportCommand command) {
    return Report{kReportId, static_cast<uint8_t>(command), 0, 0, 0, 0, 0, 0};
}

}  // namespace keylume
