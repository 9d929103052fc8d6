#include "files/spectrum_file.h"

#include <fstream>

#include "app/byte_order.h"

namespace ztmca {

SpectrumBlocks ReadSpectrumBlocks(std::span<const std::uint8_t> file, std::span<std::int32_t, kMaxChannels> counts) {
    SpectrumBlocks result;
    result.HeaderBytes = std::min(file.size(), kHeaderBytes);
    if (result.HeaderBytes < kHeaderBytes) return result;
    result.Header = DecodeHeader(file.first<kHeaderBytes>());
    const std::span<const std::uint8_t> data = file.subspan(kHeaderBytes);
    const std::size_t blocks = std::min<std::size_t>(data.size() / kFileBlockBytes, kFileBlocks);
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::span<const std::uint8_t> block = data.subspan(b * kFileBlockBytes, kFileBlockBytes);
        for (int i = 0; i < kFileBlockChannels; ++i)
            counts[b * kFileBlockChannels + static_cast<std::size_t>(i)] = ReadI32(block, 4 * static_cast<std::size_t>(i));
    }
    result.Channels = static_cast<int>(blocks) * kFileBlockChannels;
    return result;
}

std::vector<std::uint8_t> EncodeSpectrumFile(const SpectrumHeader& header, std::span<const std::int32_t> counts) {
    std::vector<std::uint8_t> bytes(kHeaderBytes + 4 * counts.size());
    EncodeHeader(header, std::span<std::uint8_t, kHeaderBytes>(bytes.data(), kHeaderBytes));
    for (std::size_t i = 0; i < counts.size(); ++i) WriteI32(bytes, kHeaderBytes + 4 * i, counts[i]);
    return bytes;
}

bool ReadFilePrefix(const std::filesystem::path& path, std::span<std::uint8_t> buffer, std::size_t& received) {
    received = 0;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    received = static_cast<std::size_t>(in.gcount());
    return true;
}

}  // namespace ztmca
