#include "files/header_update.h"

namespace ztmca {
namespace {

std::int16_t Low16(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu));
}

}  // namespace

void UpdateSavedFields(SpectrumHeader& header, std::int32_t memorySize, const EnergyCalibration& calibration,
                       const RoiTable& rois, const AcquisitionState& acq) {
    header.MemorySize = Low16(memorySize);
    SetMakerLine(header);
    if (calibration.Valid != 0) {
        header.CalibrationMarker = 0.0f;
        header.CalibrationGain = calibration.Gain;
        header.CalibrationOffset = calibration.Offset;
    } else {
        header.CalibrationMarker = 1.0f;
        header.CalibrationGain = 0.0f;
    }
    for (std::size_t k = 0; k < kRoiCount; ++k) {
        header.RoiLch[k] = Low16(rois.Entries[k].RoiLch);
        header.RoiHch[k] = Low16(rois.Entries[k].RoiHch);
        header.RoiColor[k] = Low16(rois.Entries[k].Color);
    }
    header.LiveTime = acq.LiveTime;
    header.RealTime = acq.RealTime;
    header.PresetTime = acq.PresetTimeShown;
}

}  // namespace ztmca
