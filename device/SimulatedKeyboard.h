#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/HidBackend.h"

namespace keylume {

struct AppConfig;

struct SimulatedKeyboardOptions {
    // The ids it enumerates with; negative interface/collection leave that part out.
    int vid = 0x4B4C;
    int pid = 0x0001;
    int usbInterface = 1;
    int collection = 2;
    uint16_t firmwareVersion = 0x100;  // (major << 8) | minor of the Version reply
    std::string logPath;               // --sim-log file; empty: no log
    // Milliseconds since program start for the log lines; default: since construction.
    std::function<std::chrono::milliseconds()> clock;
};

// The options for the ids of the loaded config.xml, so that it decides whether
// the simulated keyboard matches, as it would for real hardware.
SimulatedKeyboardOptions SimulatedKeyboardOptionsFor(const AppConfig& config);

enum class SimReportKind { Set, Get, Write };

struct SimReport {
    SimReportKind kind = SimReportKind::Set;
    std::array<uint8_t, 8> bytes{};  // for Get: the request, before the reply
    friend bool operator==(const SimReport&, const SimReport&) = default;
};

// The last main effect report it took.
struct SimEffectState {
    uint8_t effect = 0;
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t loader = 0;
    uint8_t direction = 0;
    friend bool operator==(const SimEffectState&, const SimEffectState&) = default;
};

// The last side-light report it took.
struct SimSideLightState {
    uint8_t mode = 0;   // lower four bits of byte 6
    uint8_t level = 0;  // upper four bits of byte 6
    friend bool operator==(const SimSideLightState&, const SimSideLightState&) = default;
};

// A keyboard in process memory that stands in for the USB device: it answers
// the version query, takes lighting and factory reset reports, logs them, and
// can be unplugged and plugged in. Every member is safe to call from any
// thread. Its monitors are woken through an eventfd.
class SimulatedKeyboard : public HidBackend {
  public:
    explicit SimulatedKeyboard(SimulatedKeyboardOptions options = {});
    ~SimulatedKeyboard() override;

    std::vector<std::string> EnumeratePaths() override;
    HidOpenResult Open(const std::string& path, uint32_t access) override;
    std::optional<HidCaps> QueryCaps(const std::string& path) override;
    std::unique_ptr<HidMonitor> CreateMonitor(HidEventCallback callback) override;

    // The identity text it enumerates with.
    const std::string& Path() const { return path_; }

    // Removal/arrival: connections opened before an unplug stay dead; every
    // monitor gets the event. No-ops when already in that state.
    void Unplug();
    void PlugIn();
    bool IsPluggedIn() const;
    // Async-signal-safe requests (for SIGUSR1/SIGUSR2 handlers): they only note
    // the request and wake the monitors; the next Dispatch carries it out.
    void RequestUnplugFromSignal() noexcept;
    void RequestPlugInFromSignal() noexcept;

    // Failure injection.
    void SetFirmwareVersion(uint16_t version);
    void SetFeatureReportsFail(bool fail);  // set and get report failure, not logged
    void SetWritesStall(bool stall);        // writes block until stalling ends
    void SetAccessDenied(bool denied);      // opens fail with AccessDenied
    void SetReplugAfterFactoryReset(bool replug);

    // Inspection.
    std::vector<SimReport> Reports() const;
    void ClearReports();
    std::optional<SimEffectState> LastEffect() const;
    std::optional<SimSideLightState> LastSideLight() const;
    int FactoryResetCount() const;
    int StalledWrites() const;  // writes blocked right now

    // The log line of one report, without the newline: "2013 set 07 FF ...".
    static std::string FormatLogLine(std::chrono::milliseconds at, const SimReport& report);

  private:
    class Connection;
    class Monitor;
    friend class Connection;
    friend class Monitor;

    bool HandleSet(uint64_t generation, const uint8_t* data, size_t length);
    bool HandleGet(uint64_t generation, uint8_t* data, size_t length);
    int HandleWrite(uint64_t generation, const uint8_t* data, size_t length, int* error);
    void Record(const SimReport& report);  // with mutex_ held
    void Notify(HidDeviceEventKind kind);  // with mutex_ held
    void ApplySignalRequests();
    void Detach(Monitor* monitor);

    SimulatedKeyboardOptions options_;
    std::string path_;
    std::chrono::steady_clock::time_point start_;
    int eventFd_ = -1;
    std::atomic<int> signalRequest_{0};  // 0 none, 1 unplug, 2 plug in

    mutable std::mutex mutex_;
    std::condition_variable stallEnded_;
    bool plugged_ = true;
    uint64_t generation_ = 1;  // bumped by every unplug
    bool featureFail_ = false;
    bool writesStall_ = false;
    bool accessDenied_ = false;
    bool replugAfterReset_ = false;
    int stalledWrites_ = 0;
    uint32_t nextHandle_ = 0x100;
    std::array<uint8_t, 8> pendingReply_{};
    std::vector<SimReport> reports_;
    std::optional<SimEffectState> effect_;
    std::optional<SimSideLightState> sideLight_;
    int factoryResets_ = 0;
    std::vector<Monitor*> monitors_;
    std::FILE* log_ = nullptr;
};

}  // namespace keylume
