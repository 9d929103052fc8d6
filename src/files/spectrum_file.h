#pragma once
// The spectrum data file: the 1024-byte header followed by int32 channel counts, little-endian.
// The block reader takes whatever bytes a file holds and never reads or writes past its buffers.
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "app/app_state.h"
#include "app/spectrum_header.h"

namespace ztmca {

constexpr int kFileBlockChannels = 512;
constexpr std::size_t kFileBlockBytes = 4 * kFileBlockChannels;
constexpr int kFileBlocks = kMaxChannels / kFileBlockChannels;
// Nothing past the sixteenth block is ever read, so a load never looks at more than this.
constexpr std::size_t kMaxSpectrumFileBytes = kHeaderBytes + kFileBlocks * kFileBlockBytes;

struct SpectrumBlocks {
    std::size_t HeaderBytes = 0;  // 0..1024; the header is decoded only when whole
    SpectrumHeader Header;
    int Channels = 0;  // 512 x the whole blocks read, 0..8192
    // A file is taken only when it holds a whole header and at least one whole block, and the
    // header's memory size (widened with its sign) is exactly the channels read.
    bool Accepted() const {
        return HeaderBytes == kHeaderBytes && Channels > 0 && Header.MemorySize == Channels;
    }
};

// Reads the header and then blocks of 512 channels into counts (block b into channels 512b ..
// 512b + 511), stopping at the first block that is not whole or after the sixteenth.
SpectrumBlocks ReadSpectrumBlocks(std::span<const std::uint8_t> file, std::span<std::int32_t, kMaxChannels> counts);

std::vector<std::uint8_t> EncodeSpectrumFile(const SpectrumHeader& header, std::span<const std::int32_t> counts);

// Reads the start of a file, at most buffer.size() bytes; false when it cannot be opened as a file.
bool ReadFilePrefix(const std::filesystem::path& path, std::span<std::uint8_t> buffer, std::size_t& received);

// The scratch space of a load: the file's bytes and its channels, kept apart from the displayed
// spectrum until the file has been accepted.
struct SpectrumLoadBuffer {
    std::array<std::uint8_t, kMaxSpectrumFileBytes> Bytes{};
    ChannelArray Counts{};
};

}  // namespace ztmca
