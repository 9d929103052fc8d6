#pragma once
// The figures the poll loop derives from a status block and the last read-out.
#include <cstdint>

namespace ztmca {

// Truncates toward zero; values beyond the 32-bit range saturate and NaN gives 0, so a garbled
// status block or an absurd set-up value can never make the conversion undefined.
std::int32_t TruncateToInt32(double value);

// Hundredths of a second from the status become tenths, truncated toward zero.
std::int32_t RealTimeFromStatus(std::int32_t hundredths);

// Real time less the dead time of every counted event, in tenths of a second.
std::int32_t LiveTimeOf(std::int32_t realTime, float totalCounts, float deadTimePerEvent);

// The dead fraction (rate times dead time per event) in tenths of a percent.
std::int32_t DeadTimeShownOf(float countRate, float deadTimePerEvent);

}  // namespace ztmca
