#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace keylume {

inline constexpr int kEffectCount = 22;

// Parameters of one main lighting effect, in the byte order of the settings.
struct EffectSettings {
    uint8_t brightness = 5;  // 0-5
    uint8_t speed = 1;       // 0-2
    uint8_t direction = 0;   // 0-1, "deriction" in the file
    uint8_t selection = 1;   // 1-2, the loader option
    friend bool operator==(const EffectSettings&, const EffectSettings&) = default;
};

// The main effects, mirrored in ledeffect.xml. Changed and saved on the UI
// thread; the device worker reads entries too, so every access to `effects`
// and `selectedEffect` goes through the functions below, which take `mutex`.
struct LightingSettings {
    std::string filePath;
    std::array<EffectSettings, kEffectCount> effects{};
    int32_t selectedEffect = 20;
    mutable std::mutex mutex;
};

LightingSettings& GetLightingSettings();

// Reads ledeffect.xml at `path` (remembered for saving). When it does not
// parse, applies the defaults, saves them and returns false.
bool LoadLightingSettings(LightingSettings& settings, const std::string& path);
bool SaveLightingSettings(const LightingSettings& settings);

// A copy of effect `index` (0-21, or -1 for the selected one); none outside.
std::optional<EffectSettings> GetEffect(const LightingSettings& settings, int index);
// Stores effect `index` (0-21, or -1 for the selected one) without saving.
bool SetEffect(LightingSettings& settings, int index, const EffectSettings& effect);
int32_t GetSelectedEffect(const LightingSettings& settings);
// Selects effect `index` and saves.
bool SelectEffect(LightingSettings& settings, int index);
// Defaults for every effect and the selection, then saves.
bool ResetLightingSettings(LightingSettings& settings);

}  // namespace keylume
