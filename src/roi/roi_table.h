#pragma once
// Sixteen regions of interest and the one last selected.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "display/bitmap.h"

namespace ztmca {

constexpr int kRoiCount = 16;
constexpr int kRoiShown = 10;  // only the first ten are integrated and drawn
constexpr std::size_t kElementNameBytes = 8;

struct RoiEntry {
    std::int32_t Defined = 0;
    std::int32_t On = 0;
    std::array<char, kElementNameBytes> ElementName{'X', 'x', '-', 'N', 'N', '\0', '\0', '\0'};
    std::int32_t RoiLch = 0;
    std::int32_t RoiHch = 0;
    std::int32_t Color = 0;
    std::int32_t GrossSum = 0;
};

struct RoiTable {
    std::array<RoiEntry, kRoiCount> Entries{};
    std::int32_t SelectedRoi = 0;
};

// The label up to its NUL (all eight bytes when a loaded name carries none).
inline std::string_view ElementText(const RoiEntry& roi) {
    const auto& name = roi.ElementName;
    return {name.data(), static_cast<std::size_t>(std::find(name.begin(), name.end(), '\0') - name.begin())};
}

}  // namespace ztmca
