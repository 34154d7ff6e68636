#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/HidBackend.h"
#include "device/HidPath.h"

namespace keylume {

// One interface collection that passed a filter.
struct HidInterfaceInfo {
    std::string path;
    int vid = 0;
    int pid = 0;
    uint16_t versionNumber = 0;  // 0 when the interface could not be probed
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// Every present interface passing `filter`, in enumeration order. Empty when
// the filter names neither a product nor a vendor (nothing is enumerated then).
std::vector<HidInterfaceInfo> FindHidInterfaces(HidBackend& backend, const DeviceFilter& filter);

// Arrival/removal notifications with identity texts; null for an empty
// callback or when the backend has no monitor.
std::unique_ptr<HidMonitor> RegisterHidNotifications(HidBackend& backend,
                                                     HidEventCallback callback);

}  // namespace keylume
