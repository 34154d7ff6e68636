#pragma once

#include <optional>

#include "protocol/ProtocolContext.h"
#include "protocol/Report.h"

namespace keylume {

struct EffectSettings;
struct SideModeSettings;

inline constexpr uint8_t kSideLightTarget = 0x20;

// 07 FF FF effect brightness speed loader direction; loader is selection - 1
// for selections 1 to 3, any other selection unchanged.
Report BuildEffectReport(int effect, const EffectSettings& settings);
// 07 FF FF 20 00 00 (level << 4 | mode) 00.
Report BuildSideLightReport(int mode, const SideModeSettings& settings);

// The report for effect `n` (-1: the selected one) from the settings; empty
// when the number is outside 0 to 21.
std::optional<Report> EffectReportFor(const ProtocolContext& context, int n);
// The report for side mode `m` (-1: the selected one); empty outside 0 to 11.
std::optional<Report> SideLightReportFor(const ProtocolContext& context, int m);

// Paced sends; out-of-range numbers send nothing and do not wait.
void SendEffect(ProtocolContext& context, int n);
void SendSideLight(ProtocolContext& context, int m);

// Worker tasks of the start-up: the effect re-sent without pacing (and without
// touching lastReportTime), and the side-light settings made to exist.
void ReapplyEffectTask(ProtocolContext& context, int n);
void EnsureSideSettingsTask(ProtocolContext& context);

}  // namespace keylume
