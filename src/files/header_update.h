#pragma once
// What a save writes into the displayed spectrum's header from the current state.
#include "analysis/energy_calibration.h"
#include "app/app_state.h"
#include "app/spectrum_header.h"
#include "roi/roi_table.h"

namespace ztmca {

// Memory size, maker line, calibration, ROI slots 0..15, live, real and preset time. Without a
// valid calibration the marker is 1.0 and the gain 0.0, and the offset field keeps its value.
void UpdateSavedFields(SpectrumHeader& header, std::int32_t memorySize, const EnergyCalibration& calibration,
                       const RoiTable& rois, const AcquisitionState& acq);

}  // namespace ztmca
