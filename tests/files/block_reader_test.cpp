#include <random>

#include "files/spectrum_file.h"
#include "files_fixture.h"

namespace ztmca::testing {
namespace {

// Whatever bytes a file holds, the reader stays inside its buffers and accepts exactly the files
// whose whole blocks match the declared size.
TEST(BlockReader, RandomFilesOfAnyLengthAndHeader) {
    std::mt19937 rng(2026);
    static ChannelArray counts;
    for (int round = 0; round < 400; ++round) {
        const std::size_t length = rng() % (kMaxSpectrumFileBytes + 5000);
        std::vector<std::uint8_t> file(length);
        for (auto& b : file) b = static_cast<std::uint8_t>(rng());
        const int pick = static_cast<int>(rng() % 4);
        if (length >= kHeaderBytes && pick > 0) {
            const std::int16_t sizes[] = {0, 512, static_cast<std::int16_t>((length - kHeaderBytes) / 2048 * 512),
                                          -8192};
            WriteI16(file, 54, sizes[pick]);
        }
        counts.fill(-7);
        const SpectrumBlocks r = ReadSpectrumBlocks(file, counts);
        const int whole = length < kHeaderBytes ? 0
                                                : static_cast<int>(std::min<std::size_t>((length - kHeaderBytes) / 2048, 16));
        ASSERT_EQ(r.Channels, 512 * whole);
        ASSERT_EQ(r.Accepted(), whole > 0 && ReadI16(file, 54) == 512 * whole);
        if (whole > 0) {
            ASSERT_EQ(counts[512 * whole - 1], ReadI32(file, kHeaderBytes + 4 * (512 * whole - 1)));
        }
        if (whole < 16) {
            ASSERT_EQ(counts[512 * whole], -7);
        }
    }
}

}  // namespace
}  // namespace ztmca::testing
