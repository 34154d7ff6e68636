#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace keylume {

// Attributes and capabilities of one interface collection. Report lengths
// count the report id byte, as the HID capability record does.
struct HidCaps {
    uint16_t versionNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    friend bool operator==(const HidCaps&, const HidCaps&) = default;
};

// Why an open failed. AccessDenied means the interface is present but its node
// may not be opened by this user (no udev rule).
enum class HidOpenStatus { Ok, NotFound, AccessDenied, Failed };

// One open interface. Calls may come from several threads; implementations
// make that safe. Write blocks until the device took the report.
class HidConnection {
  public:
    virtual ~HidConnection() = default;
    virtual bool SetFeature(const uint8_t* data, size_t length) = 0;
    // data[0] holds the report id; the reply overwrites the buffer.
    virtual bool GetFeature(uint8_t* data, size_t length) = 0;
    // Bytes written, or -1 with the errno value in *error.
    virtual int Write(const uint8_t* data, size_t length, int* error) = 0;
    // A number for the diagnostic lines (the "handle").
    virtual uint32_t HandleValue() const = 0;
};

struct HidOpenResult {
    std::shared_ptr<HidConnection> connection;  // null unless status is Ok
    HidOpenStatus status = HidOpenStatus::Failed;
    int error = 0;  // errno of the failure, 0 when none
};

enum class HidDeviceEventKind { Arrival, Removal };

struct HidDeviceEvent {
    HidDeviceEventKind kind = HidDeviceEventKind::Arrival;
    std::string path;  // identity text, as enumeration gives it
    friend bool operator==(const HidDeviceEvent&, const HidDeviceEvent&) = default;
};

using HidEventCallback = std::function<void(const HidDeviceEvent&)>;

// Arrival and removal of interfaces. Watch Fd() for readability (e.g. with a
// QSocketNotifier) and call Dispatch(), which delivers every pending event to
// the callback on the calling thread and never blocks.
class HidMonitor {
  public:
    virtual ~HidMonitor() = default;
    virtual int Fd() const = 0;
    virtual void Dispatch() = 0;
};

// Everything the transport needs from the system.
class HidBackend {
  public:
    virtual ~HidBackend() = default;
    // Identity texts of every present interface collection, in enumeration order.
    virtual std::vector<std::string> EnumeratePaths() = 0;
    // Opens for reading and writing; `access` is the access word of HidDevice.
    virtual HidOpenResult Open(const std::string& path, uint32_t access) = 0;
    // Attributes and capabilities without opening for I/O; empty on failure.
    virtual std::optional<HidCaps> QueryCaps(const std::string& path) = 0;
    // A monitor delivering to `callback`; null when none can be created.
    virtual std::unique_ptr<HidMonitor> CreateMonitor(HidEventCallback callback) = 0;
};

}  // namespace keylume
