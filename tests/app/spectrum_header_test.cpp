#include "app/spectrum_header.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>

namespace ztmca {
namespace {

std::array<std::uint8_t, kHeaderBytes> Encode(const SpectrumHeader& h) {
    std::array<std::uint8_t, kHeaderBytes> bytes{};
    EncodeHeader(h, bytes);
    return bytes;
}

TEST(SpectrumHeader, AnyBytesRoundTripExactlyIncludingReserved) {
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        std::array<std::uint8_t, kHeaderBytes> bytes{};
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
        EXPECT_EQ(Encode(DecodeHeader(bytes)), bytes);
    }
}

TEST(SpectrumHeader, FieldsLandAtTheirOffsetsLittleEndian) {
    SpectrumHeader h;
    SetMakerLine(h);
    h.MemorySize = 1024;
    h.CalibrationMarker = 1.0f;
    h.Year = 2026;
    h.RoiLch[1] = 100;
    h.RoiHch[1] = 200;
    h.AcquisitionMode = 1;
    h.RealTime = 0x01020304;
    SetHeaderComment(h, "abc");
    const auto b = Encode(h);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data())), "Velmora Co., Ltd.");
    EXPECT_EQ(b[54], 0x00);
    EXPECT_EQ(b[55], 0x04);
    EXPECT_EQ(b[64 + 3], 0x3F);  // 1.0f = 0x3F800000
    EXPECT_EQ(b[80] | (b[81] << 8), 2026);
    EXPECT_EQ(b[96], 100);
    EXPECT_EQ(b[296], 200);
    EXPECT_EQ(b[694], 1);
    EXPECT_EQ(b[716], 0x04);
    EXPECT_EQ(b[719], 0x01);
    EXPECT_EQ(b[774], 'a');
    EXPECT_EQ(b[777], 0);
}

TEST(SpectrumHeader, RoiColourKeepsLowSixteenBitsAndWidensWithSign) {
    SpectrumHeader h;
    h.RoiColor[0] = static_cast<std::int16_t>(0x0000FF);
    h.RoiColor[1] = static_cast<std::int16_t>(static_cast<std::uint16_t>(0x00FF00 & 0xFFFF));
    const SpectrumHeader back = DecodeHeader(Encode(h));
    EXPECT_EQ(static_cast<std::int32_t>(back.RoiColor[0]), 0x0000FF);
    EXPECT_EQ(static_cast<std::uint32_t>(static_cast<std::int32_t>(back.RoiColor[1])), 0xFFFFFF00u);
}

TEST(SpectrumHeader, CommentIsCutToTheFieldAndAlwaysTerminated) {
    SpectrumHeader h;
    SetHeaderComment(h, std::string(249, 'x'));
    EXPECT_EQ(HeaderComment(h).size(), 249u);
    EXPECT_EQ(h.Comment[249], '\0');
    SetHeaderComment(h, std::string(400, 'y'));
    EXPECT_EQ(HeaderComment(h), std::string(249, 'y'));
    // A decoded field without any NUL is read up to the field's end, never past it.
    std::array<std::uint8_t, kHeaderBytes> bytes{};
    std::memset(bytes.data() + 774, 'z', 250);
    EXPECT_EQ(HeaderComment(DecodeHeader(bytes)), std::string(250, 'z'));
}

}  // namespace
}  // namespace ztmca
