#pragma once
// The 1024-byte description of a spectrum: header of the spectrum file and whole content of the
// acquisition information file.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ztmca {

constexpr std::size_t kHeaderBytes = 1024;
constexpr std::size_t kHeaderRoiSlots = 100;
constexpr std::size_t kMakerBytes = 31;
constexpr std::size_t kHeaderCommentBytes = 250;
inline constexpr char kMakerLine[] = "Velmora Co., Ltd.";

struct SpectrumHeader {
    std::array<char, kMakerBytes> Maker{};
    std::int16_t MemorySize = 0;
    float CalibrationMarker = 0.0f;  // 1.0: no calibration stored
    float CalibrationGain = 0.0f;
    float CalibrationOffset = 0.0f;
    std::int16_t Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    std::array<std::int16_t, kHeaderRoiSlots> RoiLch{};
    std::array<std::int16_t, kHeaderRoiSlots> RoiHch{};
    std::array<std::int16_t, kHeaderRoiSlots> RoiColor{};
    std::int16_t AcquisitionMode = 0;
    std::int32_t PresetTime = 0;
    std::int32_t PresetCounts = 0;
    std::int32_t LiveTime = 0;
    std::int32_t RealTime = 0;
    std::array<char, kHeaderCommentBytes> Comment{};
    // Image of the record as last decoded: the reserved areas are written back from here unchanged.
    std::array<std::uint8_t, kHeaderBytes> Reserved{};
};

void EncodeHeader(const SpectrumHeader& header, std::span<std::uint8_t, kHeaderBytes> out);
SpectrumHeader DecodeHeader(std::span<const std::uint8_t, kHeaderBytes> bytes);

// Text of a fixed NUL-terminated field; stops at the field's end when no NUL is there.
std::string FieldText(std::span<const char> field);
// The longest start of text that fits maxBytes without splitting a UTF-8 character.
std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes);
// Puts text into a fixed field, cut (never inside a character) so that the terminating NUL always
// fits; the rest is zeroed.
void SetFieldText(std::span<char> field, std::string_view text);

std::string HeaderComment(const SpectrumHeader& header);
void SetHeaderComment(SpectrumHeader& header, std::string_view text);
void SetMakerLine(SpectrumHeader& header);

}  // namespace ztmca
