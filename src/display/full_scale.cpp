#include "display/display_state.h"

namespace ztmca {

const std::array<std::int32_t, kFullScaleEntries> FullScaleTable = {
    0,       100,     250,      500,      1000,     2500,      5000,      10000,
    25000,   50000,   100000,   250000,   500000,   1000000,   2500000,   5000000,
    10000000, 25000000, 50000000, 100000000, 250000000, 500000000, 1000000000};

const std::array<const char*, kFullScaleEntries> FullScaleLabels = {
    "Log", "100",  "250",  "500", "1K",  "2.5K", "5K",   "10K", "25K", "50K", "100K", "250K",
    "500K", "1M", "2.5M", "5M",  "10M", "25M",  "50M", "100M", "250M", "500M", "1B"};

int FindFullScaleIndex(std::int64_t max) {
    int index = 23;
    for (int i = 1; i < kFullScaleEntries; ++i) {
        if (FullScaleTable[i] > max) {
            index = i;
            break;
        }
    }
    return index > kMaxVfsIndex ? kMaxVfsIndex : index;
}

}  // namespace ztmca
