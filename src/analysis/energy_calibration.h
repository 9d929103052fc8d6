#pragma once
// Two-point linear energy calibration: energy = channel x gain + offset.
#include <array>
#include <cstdint>
#include <string_view>

#include "app/spectrum_header.h"

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

// An edit box's number in single precision: false when the text is no number or its value lies
// beyond the float32 range.
bool TryStrToSingle(std::string_view text, float& value);

enum class CalibrationOutcome {
    Done,
    EqualChannels,  // the line through the two points has no slope to compute
    OutOfRange,     // a difference, the gain or the offset would not be a finite float32
};

// gain = (eH - eL) / (cH - cL), offset = eH - gain x cH, each step in single precision.
// gain and offset are written only when the outcome is Done.
CalibrationOutcome ComputeCalibration(float cL, float cH, float eL, float eH, float& gain, float& offset);

// True when the energy of every 32-bit channel stays a finite float32, so no read-out ever shows
// an infinity; a calibration loaded from a file can be checked the same way.
bool CalibrationInRange(float gain, float offset);

// Takes gain and offset from a header whose marker says it carries a calibration, and marks the
// calibration valid; the unit text stays. A header without one, or with values that would give
// an infinite or NaN energy (a damaged or foreign file), leaves the calibration as it was.
void TakeHeaderCalibration(EnergyCalibration& calibration, const SpectrumHeader& header);

}  // namespace ztmca
