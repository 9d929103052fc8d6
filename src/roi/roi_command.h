#pragma once
// The instrument's own ROI window (ROI # 1), as a command text.
#include <cstdint>

namespace ztmca {

constexpr int kRoiCommandBytes = 16;  // "$@R1,llll,hhhh;" and the NUL

// The instrument takes four digits per channel; a negative channel or one above 9999 would
// change the command's fixed length, so such a window gives false and no text.
bool RoiWindowCommand(std::int32_t low, std::int32_t high, char (&command)[kRoiCommandBytes]);

}  // namespace ztmca
