#pragma once
// Two-point linear energy calibration: energy = channel x gain + offset.
#include <array>
#include <cstdint>

namespace ztmca {

constexpr std::size_t kUnitBytes = 8;

struct EnergyCalibration {
    std::int32_t Valid = 0;
    std::array<char, kUnitBytes> Unit{};  // at most 7 characters and the NUL
    float Gain = 0.0f;
    float Offset = 0.0f;
};

// The product and sum are formed in double precision from the float32 values, then rounded.
inline float EnergyOf(const EnergyCalibration& calibration, std::int32_t channel) {
    return static_cast<float>(static_cast<double>(channel) * static_cast<double>(calibration.Gain) +
                              static_cast<double>(calibration.Offset));
}

}  // namespace ztmca
