#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace keylume {

class HidDevice;
struct LightingSettings;
struct SideLightSettings;

std::chrono::milliseconds SteadyMilliseconds();
void SleepMilliseconds(std::chrono::milliseconds duration);

// What the keyboard commands need from their owner (the main window).
// lastReportTime and firmwareVersion belong to the UI thread.
struct ProtocolContext {
    HidDevice* device = nullptr;
    std::chrono::milliseconds lastReportTime{0};  // on the `now` clock
    int32_t firmwareVersion = -1;                 // -1: unknown; else (major << 8) | minor
    std::function<std::chrono::milliseconds()> now = SteadyMilliseconds;
    std::function<void(std::chrono::milliseconds)> sleep = SleepMilliseconds;
    // The settings the lighting commands read; null: the process-wide ones.
    LightingSettings* lighting = nullptr;
    SideLightSettings* sideLight = nullptr;
};

// Sets lastReportTime to now: after the dialog's initialisation and on the
// keyboard's arrival, so the first report after a connection keeps the spacing.
void NoteReportTime(ProtocolContext& context);

}  // namespace keylume
