#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "device/HidBackend.h"
#include "device/HidPath.h"

namespace keylume {

// GENERIC_READ | GENERIC_WRITE, shared for reading and writing: what every caller passes.
inline constexpr uint32_t kHidReadWriteShared = 0xC0000003;
inline constexpr size_t kHidReportLength = 8;
inline constexpr std::chrono::milliseconds kHidWriteTimeout{3000};

enum class HidHandleState { Closed, Open, Failed };

// The keyboard interface the program talks to. Each operation holds the
// cross-process named lock of its name ("HidDevice::Open", ...), so the UI
// thread and the device worker may call it at the same time.
class HidDevice {
  public:
    explicit HidDevice(HidBackend& backend, bool overlappedIo = true);
    ~HidDevice();
    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    // Opens one interface; a previous one is closed first.
    bool Open(const std::string& path, uint32_t access = kHidReadWriteShared);
    // Opens the first interface FindHidInterfaces gives; `versionNumber`, when
    // given, receives its version. Nothing found: false, state unchanged.
    bool Open(const DeviceFilter& filter, uint32_t access = kHidReadWriteShared,
              uint16_t* versionNumber = nullptr);
    void Close();
    bool IsOpen() const;

    // One 8-byte feature report; buffer[0] is the report id.
    bool SetFeature(const uint8_t* buffer);
    bool GetFeature(uint8_t* buffer);
    // One output report of 8 bytes (fewer when the interface's output report is
    // shorter). Gives up after the write time-out and reports 0 then; the
    // device stays usable.
    int Write(const uint8_t* buffer);

    HidHandleState State() const;
    // Outcome of the last open: tells "present but access denied" from "absent".
    HidOpenStatus LastOpenStatus() const;
    HidCaps Caps() const;
    std::string OpenPath() const;
    bool OverlappedIo() const { return overlappedIo_; }

    // For tests; the default is kHidWriteTimeout.
    void SetWriteTimeout(std::chrono::milliseconds timeout);

  private:
    struct WriteSlot;
    std::shared_ptr<HidConnection> Connection() const;

    HidBackend& backend_;
    const bool overlappedIo_;
    mutable std::mutex stateMutex_;  // guards the fields below; never held during I/O
    HidCaps caps_;
    HidHandleState state_ = HidHandleState::Closed;
    HidOpenStatus lastOpenStatus_ = HidOpenStatus::NotFound;
    std::shared_ptr<HidConnection> connection_;
    std::string openPath_;
    std::chrono::milliseconds writeTimeout_ = kHidWriteTimeout;
    std::shared_ptr<WriteSlot> writeSlot_;
};

}  // namespace keylume
