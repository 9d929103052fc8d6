// Feeds arbitrary bytes to the spectrum file's block reader and the header codec. Besides the
// sanitizers' checks, whatever the reader takes must encode back to the very bytes it came from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/spectrum_header.h"
#include "files/spectrum_file.h"

namespace {

ztmca::ChannelArray counts;

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const ztmca::SpectrumBlocks blocks = ztmca::ReadSpectrumBlocks(file, counts);
    Require(blocks.HeaderBytes <= ztmca::kHeaderBytes && blocks.HeaderBytes <= size);
    Require(blocks.Channels >= 0 && blocks.Channels <= ztmca::kMaxChannels && blocks.Channels % 512 == 0);
    if (blocks.HeaderBytes < ztmca::kHeaderBytes) return 0;

    // Texts without a terminating NUL stop at their field's end.
    Require(ztmca::HeaderComment(blocks.Header).size() <= ztmca::kHeaderCommentBytes);
    Require(ztmca::FieldText(blocks.Header.Maker).size() <= ztmca::kMakerBytes);

    const std::size_t taken = blocks.Channels;
    const auto encoded = ztmca::EncodeSpectrumFile(blocks.Header, std::span<const std::int32_t>(counts.data(), taken));
    Require(encoded.size() == ztmca::kHeaderBytes + 4 * taken && encoded.size() <= size);
    for (std::size_t i = 0; i < encoded.size(); ++i) Require(encoded[i] == data[i]);
    return 0;
}
