#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace keylume {

// What one top-level collection of a HID report descriptor declares. Report
// lengths are the longest report of each kind in bytes, plus the report id
// byte (0 when the collection has no report of that kind).
struct TopLevelCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    friend bool operator==(const TopLevelCollection&, const TopLevelCollection&) = default;
};

// The top-level collections in descriptor order; their 1-based positions are
// the collection numbers of the identity text. Nested collections belong to
// their top-level one. A truncated descriptor gives what was complete.
std::vector<TopLevelCollection> ParseTopLevelCollections(const uint8_t* descriptor, size_t length);

}  // namespace keylume
