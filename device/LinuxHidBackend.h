#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/HidBackend.h"

struct udev;
struct udev_device;

namespace keylume {

// Interfaces of hidraw nodes: udev for enumeration and hot-plug, the report
// descriptor in sysfs for the collections, hidapi for I/O.
class LinuxHidBackend : public HidBackend {
  public:
    // Monitor source: "udev" (events after udev rules ran, the default) or
    // "kernel" (raw kernel events, for systems without udevd).
    explicit LinuxHidBackend(std::string monitorSource = "udev");
    ~LinuxHidBackend() override;

    std::vector<std::string> EnumeratePaths() override;
    HidOpenResult Open(const std::string& path, uint32_t access) override;
    std::optional<HidCaps> QueryCaps(const std::string& path) override;
    std::unique_ptr<HidMonitor> CreateMonitor(HidEventCallback callback) override;

  private:
    class Monitor;
    struct udev* udev_ = nullptr;
    std::string monitorSource_;
};

// One identity text per top-level collection of a hidraw device (sysfs).
std::vector<std::string> HidrawIdentityTexts(struct udev_device* hidraw);

}  // namespace keylume
