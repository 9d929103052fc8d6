#include "analysis/energy_calibration.h"

#include <cmath>
#include <limits>

#include "app/text_convert.h"

namespace ztmca {
namespace {

constexpr double kFloatMax = std::numeric_limits<float>::max();
constexpr double kLargestChannelMagnitude = 2147483648.0;  // 2^31

}  // namespace

bool TryStrToSingle(std::string_view text, float& value) {
    double v = 0.0;
    if (!TryStrToFloat(text, v) || std::fabs(v) > kFloatMax) return false;
    value = static_cast<float>(v);
    return true;
}

CalibrationOutcome ComputeCalibration(float cL, float cH, float eL, float eH, float& gain, float& offset) {
    if (cL == cH) return CalibrationOutcome::EqualChannels;
    const float channels = cH - cL;
    const float energies = eH - eL;
    if (!std::isfinite(channels) || !std::isfinite(energies)) return CalibrationOutcome::OutOfRange;
    const float g = energies / channels;
    const float product = g * cH;
    const float o = eH - product;
    if (!std::isfinite(product) || !CalibrationInRange(g, o)) return CalibrationOutcome::OutOfRange;
    gain = g;
    offset = o;
    return CalibrationOutcome::Done;
}

bool CalibrationInRange(float gain, float offset) {
    if (!std::isfinite(gain) || !std::isfinite(offset)) return false;
    return std::fabs(static_cast<double>(gain)) * kLargestChannelMagnitude + std::fabs(static_cast<double>(offset)) <=
           kFloatMax;
}

void TakeHeaderCalibration(EnergyCalibration& calibration, const SpectrumHeader& header) {
    if (header.CalibrationMarker == 1.0f) return;
    // A header that nothing has filled (an empty work memory) is all zero: a zero gain gives every
    // channel one energy and is no calibration; the operator's own stays.
    if (header.CalibrationGain == 0.0f) return;
    if (!CalibrationInRange(header.CalibrationGain, header.CalibrationOffset)) return;
    calibration.Gain = header.CalibrationGain;
    calibration.Offset = header.CalibrationOffset;
    calibration.Valid = 1;
}

}  // namespace ztmca
