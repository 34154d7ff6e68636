#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keylume {

// The ids a device interface path carries.
struct HidPathIds {
    int vid = 0;
    int pid = 0;
    int interfaceNumber = -1;  // -1: the path has no interface part
    int collection = -1;       // -1: the path has no collection part
    friend bool operator==(const HidPathIds&, const HidPathIds&) = default;
};

// What a device search looks for; filled from AppConfig (see MakeDeviceFilter).
struct DeviceFilter {
    int vid = 0;                  // 0 or less accepts every vendor
    std::vector<int> productIds;  // empty accepts every product
    int interfaceNumber = -1;     // -1 any, >= 0 exact, other negatives nothing
    int collection = -1;          // same rule as interfaceNumber
};

struct AppConfig;
// vid, pid (as a one-element list unless 0), usbInterface, subdevice.
DeviceFilter MakeDeviceFilter(const AppConfig& config);

// Finds the first "hid#vid_XXXX&pid_XXXX[&rev_XXXX][&mi_XX][&colXX]" anywhere in
// `path`, case-insensitively. Fields are read as hex up to the first non-hex
// character. Empty when the pattern does not occur.
std::optional<HidPathIds> ParseHidPath(std::string_view path);

// The interface/collection rule of DeviceFilter for one parsed value.
bool FilterFieldAccepts(int filterValue, int pathValue);

// Whether parsed ids pass every rule of the filter.
bool FilterAccepts(const DeviceFilter& filter, const HidPathIds& ids);

// The identity text of one interface collection:
// "hid#vid_VVVV&pid_PPPP&mi_II&colCC#<node>", "&mi_"/"&col" left out when negative.
std::string ComposeHidPath(const HidPathIds& ids, std::string_view node);

// The device node part of an identity text (after the last '#'); the whole
// text when it has no '#'.
std::string_view HidPathNode(std::string_view path);

}  // namespace keylume
