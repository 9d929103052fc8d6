#include "link/simulated/command_parser.h"

#include <string_view>

namespace ztmca {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ParseDecimal(std::string_view text, std::int64_t& value) {
    if (text.empty() || text.size() > 10) return false;
    if (text.size() > 1 && text[0] == '0') return false;
    value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return false;
        value = value * 10 + (c - '0');
    }
    return value <= 0x7FFFFFFF;
}

bool ParseFourDigits(std::string_view text, std::int64_t& value) {
    if (text.size() != 4) return false;
    value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

Command Make(CommandKind kind, std::int64_t value = 0, std::int64_t value2 = 0) { return {kind, value, value2}; }

}  // namespace

Command ParseCommand(std::span<const unsigned char> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.size() < 3 || text.front() != '$' || text.back() != ';') return {};
    const char letter = text[1];
    const std::string_view arg = text.substr(2, text.size() - 3);
    std::int64_t value = 0;
    if (arg.empty()) {
        switch (letter) {
            case '?': return Make(CommandKind::Identify);
            case 'G': return Make(CommandKind::Start);
            case 'S': return Make(CommandKind::Stop);
            case 'C': return Make(CommandKind::Clear);
            case 'O': return Make(CommandKind::LogScale);
            case 'V': return Make(CommandKind::FullScaleDown);
            case 'v': return Make(CommandKind::FullScaleUp);
            case 'E': return Make(CommandKind::Expand);
            case 'e': return Make(CommandKind::Compress);
            default: return {};
        }
    }
    switch (letter) {
        case 'D':
        case 'd':
            if (arg.size() != 1 || !IsDigit(arg[0])) return {};
            return Make(letter == 'D' ? CommandKind::Mode : CommandKind::StoreNumber, arg[0] - '0');
        case 'V':
            // Any single character: the index travels as '0' + index, so 11 is ';' ("$V;;").
            if (arg.size() != 1) return {};
            return Make(CommandKind::FullScaleSet, static_cast<unsigned char>(arg[0]) - '0');
        case 'R':
            return ParseDecimal(arg, value) ? Make(CommandKind::Read, value) : Command{};
        case 'M':
            return ParseDecimal(arg, value) ? Make(CommandKind::MemorySize, value) : Command{};
        case 'P':
            return ParseDecimal(arg, value) ? Make(CommandKind::PresetTime, value) : Command{};
        case 'p':
            return ParseDecimal(arg, value) ? Make(CommandKind::PresetCount, value) : Command{};
        case 'N':
            return ParseDecimal(arg, value) ? Make(CommandKind::LoadNumber, value) : Command{};
        case '@':
            if (arg.size() == 5 && arg[0] == 'C' && ParseFourDigits(arg.substr(1), value))
                return Make(CommandKind::Cursor, value);
            if (arg.size() == 12 && arg.substr(0, 3) == "R1," && arg[7] == ',') {
                std::int64_t high = 0;
                if (ParseFourDigits(arg.substr(3, 4), value) && ParseFourDigits(arg.substr(8, 4), high))
                    return Make(CommandKind::Roi, value, high);
            }
            return {};
        default: return {};
    }
}

}  // namespace ztmca
