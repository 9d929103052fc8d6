#pragma once
// The text export of a spectrum: a few lines of acquisition facts, then one line per channel.
// Every line ends with CR LF.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/spectrum_header.h"

namespace ztmca {

// Times in 0.1 s units; they are the acquisition state's, not the header's.
std::string FormatAsciiDump(std::string_view name, const SpectrumHeader& header, std::int32_t liveTime,
                            std::int32_t realTime, std::span<const std::int32_t> counts);

}  // namespace ztmca
