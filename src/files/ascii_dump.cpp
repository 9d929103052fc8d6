#include "files/ascii_dump.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace ztmca {
namespace {

__attribute__((format(printf, 2, 3))) void AppendLine(std::string& out, const char* format, ...) {
    char line[400];  // the longest line is the comment's: 14 + 249 characters
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (n > 0) out.append(line, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof line - 1));
    out += "\r\n";
}

}  // namespace

std::string FormatAsciiDump(std::string_view name, const SpectrumHeader& h, std::int32_t liveTime,
                            std::int32_t realTime, std::span<const std::int32_t> counts) {
    std::string out;
    out.reserve(300 + name.size() + 20 * counts.size());
    AppendLine(out, "*** Velmora Co., MCA Binary Data to ASCII Data Dump ***");
    out += "\r\n";
    out += "Data File Name, ";
    out += name;
    out += "\r\n";
    AppendLine(out, "Data Comment, %s", HeaderComment(h).c_str());
    AppendLine(out, "Acq. Date, %4d/%2d/%2d, %2d:%2d:%2d", h.Year, h.Month, h.Day, h.Hour, h.Minute, h.Second);
    AppendLine(out, "Live Time, %8.1f", liveTime * 0.1);
    AppendLine(out, "Real Time, %8.1f", realTime * 0.1);
    AppendLine(out, "Mca Ch Size, %4d", static_cast<int>(counts.size()));
    out += "\r\n";
    AppendLine(out, "ch  ,  data");
    for (std::size_t ch = 0; ch < counts.size(); ++ch) AppendLine(out, "%4d,%8d", static_cast<int>(ch), counts[ch]);
    return out;
}

}  // namespace ztmca
