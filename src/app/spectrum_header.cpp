#include "app/spectrum_header.h"

#include <algorithm>
#include <cstring>

#include "app/byte_order.h"

namespace ztmca {
namespace {

constexpr std::size_t kOffMaker = 0;
constexpr std::size_t kOffMemorySize = 54;
constexpr std::size_t kOffMarker = 64;
constexpr std::size_t kOffGain = 68;
constexpr std::size_t kOffOffset = 72;
constexpr std::size_t kOffYear = 80;
constexpr std::size_t kOffMonth = 82;
constexpr std::size_t kOffDay = 84;
constexpr std::size_t kOffHour = 88;
constexpr std::size_t kOffMinute = 90;
constexpr std::size_t kOffSecond = 92;
constexpr std::size_t kOffRoiLch = 94;
constexpr std::size_t kOffRoiHch = 294;
constexpr std::size_t kOffRoiColor = 494;
constexpr std::size_t kOffMode = 694;
constexpr std::size_t kOffPresetTime = 704;
constexpr std::size_t kOffPresetCounts = 708;
constexpr std::size_t kOffLiveTime = 712;
constexpr std::size_t kOffRealTime = 716;
constexpr std::size_t kOffComment = 774;

}  // namespace

void EncodeHeader(const SpectrumHeader& h, std::span<std::uint8_t, kHeaderBytes> out) {
    std::copy(h.Reserved.begin(), h.Reserved.end(), out.begin());
    for (std::size_t i = 0; i < kMakerBytes; ++i) out[kOffMaker + i] = static_cast<std::uint8_t>(h.Maker[i]);
    WriteI16(out, kOffMemorySize, h.MemorySize);
    WriteF32(out, kOffMarker, h.CalibrationMarker);
    WriteF32(out, kOffGain, h.CalibrationGain);
    WriteF32(out, kOffOffset, h.CalibrationOffset);
    WriteI16(out, kOffYear, h.Year);
    WriteI16(out, kOffMonth, h.Month);
    WriteI16(out, kOffDay, h.Day);
    WriteI16(out, kOffHour, h.Hour);
    WriteI16(out, kOffMinute, h.Minute);
    WriteI16(out, kOffSecond, h.Second);
    for (std::size_t k = 0; k < kHeaderRoiSlots; ++k) {
        WriteI16(out, kOffRoiLch + 2 * k, h.RoiLch[k]);
        WriteI16(out, kOffRoiHch + 2 * k, h.RoiHch[k]);
        WriteI16(out, kOffRoiColor + 2 * k, h.RoiColor[k]);
    }
    WriteI16(out, kOffMode, h.AcquisitionMode);
    WriteI32(out, kOffPresetTime, h.PresetTime);
    WriteI32(out, kOffPresetCounts, h.PresetCounts);
    WriteI32(out, kOffLiveTime, h.LiveTime);
    WriteI32(out, kOffRealTime, h.RealTime);
    for (std::size_t i = 0; i < kHeaderCommentBytes; ++i)
        out[kOffComment + i] = static_cast<std::uint8_t>(h.Comment[i]);
}

SpectrumHeader DecodeHeader(std::span<const std::uint8_t, kHeaderBytes> b) {
    SpectrumHeader h;
    std::copy(b.begin(), b.end(), h.Reserved.begin());
    for (std::size_t i = 0; i < kMakerBytes; ++i) h.Maker[i] = static_cast<char>(b[kOffMaker + i]);
    h.MemorySize = ReadI16(b, kOffMemorySize);
    h.CalibrationMarker = ReadF32(b, kOffMarker);
    h.CalibrationGain = ReadF32(b, kOffGain);
    h.CalibrationOffset = ReadF32(b, kOffOffset);
    h.Year = ReadI16(b, kOffYear);
    h.Month = ReadI16(b, kOffMonth);
    h.Day = ReadI16(b, kOffDay);
    h.Hour = ReadI16(b, kOffHour);
    h.Minute = ReadI16(b, kOffMinute);
    h.Second = ReadI16(b, kOffSecond);
    for (std::size_t k = 0; k < kHeaderRoiSlots; ++k) {
        h.RoiLch[k] = ReadI16(b, kOffRoiLch + 2 * k);
        h.RoiHch[k] = ReadI16(b, kOffRoiHch + 2 * k);
        h.RoiColor[k] = ReadI16(b, kOffRoiColor + 2 * k);
    }
    h.AcquisitionMode = ReadI16(b, kOffMode);
    h.PresetTime = ReadI32(b, kOffPresetTime);
    h.PresetCounts = ReadI32(b, kOffPresetCounts);
    h.LiveTime = ReadI32(b, kOffLiveTime);
    h.RealTime = ReadI32(b, kOffRealTime);
    for (std::size_t i = 0; i < kHeaderCommentBytes; ++i)
        h.Comment[i] = static_cast<char>(b[kOffComment + i]);
    return h;
}

std::string FieldText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t n = maxBytes;
    // Back off over continuation bytes (10xxxxxx) to the start of the character that was cut.
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return text.substr(0, n);
}

void SetFieldText(std::span<char> field, std::string_view text) {
    if (field.empty()) return;
    const std::string_view kept = CutAtCharacter(text, field.size() - 1);
    std::fill(field.begin(), field.end(), '\0');
    std::copy(kept.begin(), kept.end(), field.begin());
}

std::string HeaderComment(const SpectrumHeader& header) { return FieldText(header.Comment); }

void SetHeaderComment(SpectrumHeader& header, std::string_view text) { SetFieldText(header.Comment, text); }

void SetMakerLine(SpectrumHeader& header) { SetFieldText(header.Maker, kMakerLine); }

}  // namespace ztmca
