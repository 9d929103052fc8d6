#pragma once
// Sixteen regions of interest and the one last selected.
#include <array>
#include <cstdint>

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

}  // namespace ztmca
