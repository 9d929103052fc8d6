#include "roi/roi_command.h"

#include <cstdio>

namespace ztmca {
namespace {

bool FourDigits(std::int32_t channel) { return channel >= 0 && channel <= 9999; }

}  // namespace

bool RoiWindowCommand(std::int32_t low, std::int32_t high, char (&command)[kRoiCommandBytes]) {
    if (!FourDigits(low) || !FourDigits(high)) return false;
    std::snprintf(command, sizeof command, "$@R1,%04d,%04d;", static_cast<int>(low), static_cast<int>(high));
    return true;
}

}  // namespace ztmca
