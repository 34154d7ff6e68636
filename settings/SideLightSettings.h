#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace keylume {

inline constexpr int kSideModeCount = 12;

// One side-light mode: `level` 0-7 (the speed for modes 0-2, the brightness
// for modes 3-11), kept in the upper four bits of `bits`.
struct SideModeSettings {
    uint8_t bits = 0;
    uint8_t level() const { return bits >> 4; }
    void setLevel(uint8_t level) { bits = static_cast<uint8_t>((level & 0x0F) << 4 | (bits & 0x0F)); }
    friend bool operator==(const SideModeSettings&, const SideModeSettings&) = default;
};

// The side-light modes, mirrored in sidemodel.xml. Accessed like LightingSettings.
struct SideLightSettings {
    std::string filePath;
    std::array<SideModeSettings, kSideModeCount> modes{};
    int32_t selectedMode = 0;
    mutable std::mutex mutex;
};

SideLightSettings& GetSideLightSettings();

bool LoadSideLightSettings(SideLightSettings& settings, const std::string& path);
bool SaveSideLightSettings(const SideLightSettings& settings);

// A copy of mode `index` (0-11, or -1 for the selected one); none outside.
std::optional<SideModeSettings> GetSideMode(const SideLightSettings& settings, int index);
bool SetSideMode(SideLightSettings& settings, int index, const SideModeSettings& mode);
int32_t GetSelectedSideMode(const SideLightSettings& settings);
bool SelectSideMode(SideLightSettings& settings, int index);
bool ResetSideLightSettings(SideLightSettings& settings);

}  // namespace keylume
