#pragma once
// The process-wide acquisition state: channel memories, set-up records, last status block and
// the measurement values shown in the window. One instance, owned by the main window's form.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/spectrum_header.h"

namespace ztmca {

constexpr int kMaxChannels = 8192;
constexpr int kReadoutBlockChannels = 128;
constexpr int kStatusBytes = 304;
constexpr int kWorkMemories = 3;
constexpr std::size_t kMaxNameLength = 255;
constexpr std::size_t kCommentTextBytes = 64;

using ChannelArray = std::array<std::int32_t, kMaxChannels>;

struct SpectrumMemory {
    ChannelArray MainCounts{};
    std::array<ChannelArray, kWorkMemories> WorkCounts{};  // WK1..WK3 at index 0..2
    std::int32_t MemorySize = 1024;
    SpectrumHeader CurrentHeader;
    SpectrumHeader LiveHeader;
    std::array<SpectrumHeader, kWorkMemories> WorkHeaders;
    std::string CurrentName;
    std::array<std::string, kWorkMemories> WorkNames;
    std::int32_t PeakCount = 0;
    float TotalCounts = 0.0f;
    float CountRate = 0.0f;
};

struct PhaSetup {
    std::int32_t StopCondition = 0;
    std::int32_t MemorySize = 1024;
    std::int32_t PresetTime = 10000;
    std::int32_t PresetCounts = 10000;
    float DeadTimePerEvent = 1.2f;
    std::array<char, kCommentTextBytes> CommentText{};
};

struct McsSetup {
    std::int32_t ModeCode = 6;
    std::int32_t MemorySize = 1024;
    std::int32_t DwellUnit = 2;
    std::int32_t DwellMultiplier = 10;
    std::int32_t SweepCount = 100000000;
};

// The 304-byte status block as received; decoded field by field where it is used.
struct DeviceStatus {
    std::array<std::uint8_t, kStatusBytes> Bytes{};
    std::int16_t I16(std::size_t offset) const;
    std::int32_t I32(std::size_t offset) const;
    void SetI16(std::size_t offset, std::int16_t value);
    void SetI32(std::size_t offset, std::int32_t value);
};

// Offsets of the status fields the program decodes.
namespace status {
constexpr std::size_t kDispStart = 216;
constexpr std::size_t kDispEnd = 218;
constexpr std::size_t kCursor = 220;
constexpr std::size_t kLogScale = 222;
constexpr std::size_t kVfsIndex = 224;
constexpr std::size_t kRealTime = 232;
constexpr std::size_t kMode = 272;
constexpr std::size_t kRunning = 274;
constexpr std::size_t kMemorySize = 276;
constexpr std::size_t kMemorySize2 = 278;
constexpr std::size_t kCountRate = 294;
constexpr std::size_t kSweeps = 300;
}  // namespace status

struct AcquisitionState {
    std::int32_t DeviceCount = 0;
    std::int32_t DeviceOpened = 0;
    std::int32_t Acquiring = 0;
    std::int32_t AcquisitionMode = 0;
    std::int32_t RealTime = 0;
    std::int32_t LiveTime = 0;
    std::int32_t PresetTimeShown = 10000;
    std::int32_t PresetCountsShown = 10000;
    std::int32_t DeadTimeShown = 0;
};

struct AppState {
    SpectrumMemory Memory;
    PhaSetup Pha;
    McsSetup Mcs;
    DeviceStatus Status;
    AcquisitionState Acq;
};

void ResetToDefaults(AppState& state);
void ClearMainCounts(SpectrumMemory& memory);

// A memory size usable as a channel count: clamped to 0..8192 so no scan passes channel 8191.
int ChannelsInUse(std::int32_t memorySize);

// Names are at most 255 characters; longer text is cut.
void SetName(std::string& target, std::string_view text);

std::string CommentText(const PhaSetup& setup);
void SetCommentText(PhaSetup& setup, std::string_view text);

}  // namespace ztmca
