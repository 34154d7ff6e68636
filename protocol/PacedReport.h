#pragma once

#include <chrono>

#include "protocol/ProtocolContext.h"
#include "protocol/Report.h"

namespace keylume {

inline constexpr std::chrono::milliseconds kReportSpacing{100};

// Sends a Lighting report as a feature report at least kReportSpacing after
// the previous paced one, then notes the time whether or not it was taken.
void SendPacedReport(ProtocolContext& context, const Report& report);

}  // namespace keylume
