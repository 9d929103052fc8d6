#include <cmath>
#include <cstring>

#include "files/spectrum_file.h"
#include "files_fixture.h"

namespace ztmca::testing {
namespace {

class SpectrumFileTest : public FilesTest {};

TEST_F(SpectrumFileTest, SaveWritesTheHeaderUpdatesAndTheChannels) {
    SpectrumMemory& m = Memory();
    m.MemorySize = 1024;
    m.MainCounts[0] = -5;
    m.MainCounts[1023] = 0x01020304;
    m.CurrentHeader.Year = 2020;
    m.CurrentHeader.CalibrationOffset = 7.5f;
    form->Rois.Entries[3].RoiLch = 0x12345;  // only the low 16 bits fit
    form->Rois.Entries[3].RoiHch = 300;
    form->Rois.Entries[3].Color = 0x00FF00;
    form->State.Acq = {0, 0, 0, 5, 111, 222, 333, 444, 0};
    form->SetText("Edit14", "sample A");

    Save(PathOf("a.dat"));

    const auto bytes = ReadAll(dir / "a.dat");
    ASSERT_EQ(bytes.size(), 5120u);
    const SpectrumHeader h = DecodeHeader(std::span<const std::uint8_t, kHeaderBytes>(bytes.data(), kHeaderBytes));
    EXPECT_EQ(FieldText(h.Maker), "Velmora Co., Ltd.");
    EXPECT_EQ(h.MemorySize, 1024);
    EXPECT_EQ(h.CalibrationMarker, 1.0f);
    EXPECT_EQ(h.CalibrationGain, 0.0f);
    EXPECT_EQ(h.CalibrationOffset, 7.5f);  // kept without a calibration
    EXPECT_EQ(h.Year, 2020);                // the date is never touched by a save
    EXPECT_EQ(h.RoiLch[3], 0x2345);
    EXPECT_EQ(h.RoiHch[3], 300);
    EXPECT_EQ(h.RoiColor[3], -256);  // 0xFF00 as int16
    EXPECT_EQ(h.AcquisitionMode, 5);
    EXPECT_EQ(h.RealTime, 111);
    EXPECT_EQ(h.LiveTime, 222);
    EXPECT_EQ(h.PresetTime, 333);
    EXPECT_EQ(h.PresetCounts, 444);
    EXPECT_EQ(HeaderComment(h), "sample A");
    EXPECT_EQ(ReadI32(bytes, kHeaderBytes), -5);
    EXPECT_EQ(ReadI32(bytes, kHeaderBytes + 4 * 1023), 0x01020304);
    EXPECT_EQ(m.CurrentName, "a.dat");
    EXPECT_EQ(HeaderComment(m.CurrentHeader), "sample A");
    EXPECT_NE(Text("Edit1"), "File Write Error !");
}

TEST_F(SpectrumFileTest, CommentLongerThanTheFieldIsCutTo249Characters) {
    form->SetText("Edit14", std::string(300, 'c'));
    Save(PathOf("long.dat"));
    const auto bytes = ReadAll(dir / "long.dat");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[774])), std::string(249, 'c'));
    EXPECT_EQ(bytes[774 + 249], 0);
    EXPECT_EQ(bytes[kHeaderBytes], 0);  // the cut never runs into the channel data (channel 0 holds 0)
}

TEST_F(SpectrumFileTest, LoadAcceptsOnlyWholeBlocksMatchingTheDeclaredSize) {
    struct Case {
        const char* what;
        int declared, channels, extra;
        bool accepted;
        int channelsRead;
    };
    const Case cases[] = {
        {"exact", 1024, 1024, 0, true, 1024},
        {"100 bytes too many are ignored", 1024, 1024, 100, true, 1024},
        {"only 8192 of 10000 are read", 8192, 10000, 0, true, 8192},
        {"any multiple of 512", 1536, 1536, 0, true, 1536},
        {"a block too many", 1024, 1536, 0, false, 1536},
        {"one channel short", 1024, 1023, 0, false, 512},
        {"header alone", 1024, 0, 0, false, 0},
        {"empty spectrum", 0, 0, 0, false, 0},
        {"negative size", -512, 512, 0, false, 512},
        {"not a multiple of 512", 1000, 1000, 0, false, 512},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form = std::make_unique<MainForm>(host, transport);
        SpectrumMemory& m = Memory();
        m.MemorySize = 2048;
        m.LiveHeader.Year = 1999;
        m.CurrentHeader.Year = 2001;
        const std::vector<std::int32_t> before(m.MainCounts.begin(), m.MainCounts.end());
        SpectrumHeader h;
        h.Year = 2024;
        WriteAll(dir / "in.dat", MakeSpectrumFile(h, c.declared, c.channels, c.extra));

        Load(PathOf("in.dat"));

        EXPECT_EQ(Text("Edit9"), std::to_string(c.channelsRead));
        if (c.accepted) {
            EXPECT_EQ(m.MemorySize, c.channelsRead);
            EXPECT_EQ(m.CurrentHeader.Year, 2024);
            EXPECT_EQ(m.MainCounts[0], 1000);
            EXPECT_EQ(m.MainCounts[c.channelsRead - 1], 1000 + c.channelsRead - 1);
                    if (c.channelsRead < 8192) {
                EXPECT_EQ(m.MainCounts[c.channelsRead], before[c.channelsRead]);
            }
        } else {
            // A rejected file leaves the displayed spectrum as it was; the header falls back.
            EXPECT_EQ(m.MemorySize, 2048);
            EXPECT_EQ(std::vector<std::int32_t>(m.MainCounts.begin(), m.MainCounts.end()), before);
            EXPECT_EQ(HeaderBytes(m.CurrentHeader), HeaderBytes(m.LiveHeader));
        }
        EXPECT_EQ(m.CurrentName, "in.dat");
        }
}

TEST_F(SpectrumFileTest, ShortOrForeignFilesAreRejectedWithoutTouchingTheSpectrum) {
    const std::vector<std::vector<std::uint8_t>> files = {
        {},
        std::vector<std::uint8_t>(500, 0x04),
        std::vector<std::uint8_t>(kHeaderBytes + 2048 * 3, 0xFF),  // size field -1
    };
    for (const auto& bytes : files) {
        WriteAll(dir / "odd.dat", bytes);
        SpectrumMemory& m = Memory();
        const std::int32_t ch5 = m.MainCounts[5];
        Load(PathOf("odd.dat"));
        EXPECT_EQ(m.MainCounts[5], ch5);
        EXPECT_EQ(m.MemorySize, 1024);
        EXPECT_EQ(HeaderBytes(m.CurrentHeader), HeaderBytes(m.LiveHeader));
    }
}

TEST_F(SpectrumFileTest, LoadRestoresTheStateAndTheReadOuts) {
    SpectrumHeader h;
    h.Year = 2026;
    h.Month = 3;
    h.Day = 7;
    h.Hour = 9;
    h.Minute = 5;
    h.Second = 0;
    h.LiveTime = 1234;
    h.RealTime = 1300;
    h.PresetTime = 5000;
    h.RoiLch[0] = -2;
    h.RoiHch[15] = 2047;
    h.RoiColor[1] = static_cast<std::int16_t>(0xFF00);
    SetHeaderComment(h, "Fe-55 check");
    h.AcquisitionMode = 0;
    WriteAll(dir / "s.dat", MakeSpectrumFile(h, 2048, 2048));

    Load(PathOf("s.dat"));

    const AcquisitionState& a = form->State.Acq;
    EXPECT_EQ(a.LiveTime, 1234);
    EXPECT_EQ(a.RealTime, 1300);
    EXPECT_EQ(a.PresetTimeShown, 5000);
    EXPECT_EQ(form->Rois.Entries[0].RoiLch, -2);
    EXPECT_EQ(form->Rois.Entries[15].RoiHch, 2047);
    EXPECT_EQ(form->Rois.Entries[1].Color, static_cast<std::int32_t>(0xFFFFFF00u));
    EXPECT_EQ(Memory().MemorySize, 2048);
    EXPECT_EQ(Text("Edit9"), "2048");
    EXPECT_EQ(Text("Edit14"), "Fe-55 check");
    EXPECT_EQ(Text("Edit10"), "2026/ 3/ 7,  9: 5: 0\n");
    EXPECT_EQ(form->Display.DispStartCh, 0);
    EXPECT_EQ(form->Display.DispEndCh, 2047);
    EXPECT_EQ(form->Display.CursorCh, 1024);
    EXPECT_EQ(Text("Label1"), "0ch");
    EXPECT_EQ(Text("Label2"), "2047ch");
    EXPECT_EQ(Text("Label3"), "1024");
    EXPECT_EQ(host.fileDialogs.back().Title, "DataFileOpen");
    EXPECT_EQ(host.fileDialogs.back().Filter, "spectrum(*.dat)|*.dat|allfiles(*.*)|*.*");
    EXPECT_EQ(host.fileDialogs.back().DefaultExt, "dat");
}

TEST_F(SpectrumFileTest, ModeReadOutsFollowTheTableAndOtherModesLeaveThem) {
    struct Case {
        int mode;
        const char *edit8, *edit11, *edit12;
        int acquisitionMode;
    };
    const Case cases[] = {
        {0, "PHA", "0.1sec", "700", 0},     {2, "MCS", " EXT", "800", 2},       {4, "MCS", " EXT", "800", 4},
        {5, "ROIMCS", " 0.1u", "800", 5},   {6, "ROIMCS", " EXT", "800", 6},    {1, "keep8", "keep11", "keep12", 9},
        {7, "keep8", "keep11", "keep12", 9}, {-3, "keep8", "keep11", "keep12", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        form->SetText("Edit8", "keep8");
        form->SetText("Edit11", "keep11");
        form->SetText("Edit12", "keep12");
        form->State.Acq.AcquisitionMode = 9;
        SpectrumHeader h;
        h.AcquisitionMode = static_cast<std::int16_t>(c.mode);
        h.PresetTime = 700;
        h.PresetCounts = 800;
        WriteAll(dir / "m.dat", MakeSpectrumFile(h, 512, 512));
        Load(PathOf("m.dat"));
        EXPECT_EQ(Text("Edit8"), c.edit8);
        EXPECT_EQ(Text("Edit11"), c.edit11);
        EXPECT_EQ(Text("Edit12"), c.edit12);
        EXPECT_EQ(form->State.Acq.AcquisitionMode, c.acquisitionMode);
    }
}

TEST_F(SpectrumFileTest, CalibrationRoundTripsBitExactAndAbsentCalibrationLeavesTheCurrentOne) {
    form->Calibration.Valid = 1;
    form->Calibration.Gain = std::bit_cast<float>(0x3C23D70Bu);
    form->Calibration.Offset = std::bit_cast<float>(0xBF8CCCCDu);
    Save(PathOf("cal.dat"));
    form->Calibration = EnergyCalibration{};
    Load(PathOf("cal.dat"));
    EXPECT_EQ(form->Calibration.Valid, 1);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(form->Calibration.Gain), 0x3C23D70Bu);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(form->Calibration.Offset), 0xBF8CCCCDu);

    form->Calibration.Valid = 0;
    Save(PathOf("plain.dat"));
    form->Calibration = {1, {'k', 'e', 'V'}, 2.0f, 3.0f};
    Load(PathOf("plain.dat"));
    EXPECT_EQ(form->Calibration.Valid, 1);
    EXPECT_EQ(form->Calibration.Gain, 2.0f);
    EXPECT_EQ(form->Calibration.Offset, 3.0f);
}

TEST_F(SpectrumFileTest, ACalibrationThatWouldOverflowIsNotTakenFromAFileOrAWorkMemory) {
    (*form)["MCA1Spec"].Checked = false;
    (*form)["Mem1Spec"].Checked = true;
    const float bad[][2] = {{1e30f, 0.0f}, {NAN, 0.0f}, {0.01f, INFINITY}};
    for (const auto& values : bad) {
        SpectrumHeader h;
        h.CalibrationMarker = 0.0f;
        h.CalibrationGain = values[0];
        h.CalibrationOffset = values[1];
        WriteAll(dir / "bad.dat", MakeSpectrumFile(h, 512, 512));
        form->Calibration = {1, {'k', 'e', 'V'}, 2.0f, 3.0f};

        Load(PathOf("bad.dat"));
        EXPECT_EQ(Text("Edit9"), "512");  // the spectrum itself is taken
        EXPECT_EQ(form->Calibration.Gain, 2.0f);
        EXPECT_EQ(form->Calibration.Offset, 3.0f);

        form->Click("Mem1Spec");  // the work memory holds the same header
        EXPECT_EQ(form->Calibration.Gain, 2.0f);
        EXPECT_EQ(form->Calibration.Offset, 3.0f);
        form->MouseDown("PaintBox1", MouseButton::Left, 200, 100);
        EXPECT_EQ(Text("Label8").find_first_of("ain"), std::string::npos) << Text("Label8");
    }
}

TEST_F(SpectrumFileTest, ReservedBytesAndDateSurviveLoadAndSave) {
    std::vector<std::uint8_t> bytes = MakeSpectrumFile(SpectrumHeader{}, 1024, 1024);
    const std::size_t reserved[] = {31, 53, 56, 63, 76, 86, 94 + 2 * 50, 696, 720, 773};
    for (std::size_t at : reserved) bytes[at] = static_cast<std::uint8_t>(0x40 + at % 100);
    WriteI16(bytes, 80, 2019);
    WriteI16(bytes, 92, 59);
    WriteAll(dir / "orig.dat", bytes);

    Load(PathOf("orig.dat"));
    Save(PathOf("copy.dat"));

    const auto copy = ReadAll(dir / "copy.dat");
    ASSERT_EQ(copy.size(), bytes.size());
    for (std::size_t at : reserved) EXPECT_EQ(copy[at], bytes[at]) << at;
    EXPECT_EQ(ReadI16(copy, 80), 2019);
    EXPECT_EQ(ReadI16(copy, 92), 59);
    EXPECT_TRUE(std::equal(copy.begin() + kHeaderBytes, copy.end(), bytes.begin() + kHeaderBytes));
}

TEST_F(SpectrumFileTest, LoadingFillsOnlyTheCheckedWorkMemory) {
    SpectrumMemory& m = Memory();
    (*form)["MCA1Spec"].Checked = false;
    (*form)["Mem2Spec"].Checked = true;
    const auto wk1 = m.WorkCounts[0];
    const auto wk3 = m.WorkCounts[2];
    SpectrumHeader h;
    SetHeaderComment(h, "into WK2");
    WriteAll(dir / "w.dat", MakeSpectrumFile(h, 512, 512));

    Load(PathOf("w.dat"));

    EXPECT_EQ(m.WorkCounts[1][0], 1000);
    EXPECT_EQ(m.WorkCounts[1][511], 1511);
    EXPECT_EQ(m.WorkCounts[1][512], 512);  // beyond the spectrum: the start-up ramp
    EXPECT_EQ(HeaderComment(m.WorkHeaders[1]), "into WK2");
    EXPECT_EQ(m.WorkNames[1], "w.dat");
    EXPECT_EQ(m.WorkCounts[0], wk1);
    EXPECT_EQ(m.WorkCounts[2], wk3);
    EXPECT_TRUE(m.WorkNames[0].empty());
    EXPECT_TRUE(m.WorkNames[2].empty());
}

TEST_F(SpectrumFileTest, CancelledOrUnreadableChoicesChangeNothingButTheName) {
    SpectrumMemory& m = Memory();
    host.paths.push_back("");
    form->Click("Read1");
    host.paths.push_back("");
    form->Click("Write1");
    EXPECT_TRUE(m.CurrentName.empty());
    EXPECT_TRUE(Entries().empty());

    form->SetText("Edit9", "unchanged");
    Load(PathOf("missing.dat"));
    Load(dir.string());  // a directory cannot be read as a file
    EXPECT_EQ(Text("Edit9"), "unchanged");
    EXPECT_EQ(m.CurrentName, dir.filename().string());
}

TEST_F(SpectrumFileTest, NamesTakeThePartAfterEitherSeparatorAndUtf8PathsWork) {
    const std::string utf8 = PathOf("Spektrum \xC3\xA4\xC3\xB6 \xE6\xB8\xAC\xE5\xAE\x9A.dat");
    Save(utf8);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(std::u8string(utf8.begin(), utf8.end()))));
    EXPECT_EQ(Memory().CurrentName, "Spektrum \xC3\xA4\xC3\xB6 \xE6\xB8\xAC\xE5\xAE\x9A.dat");
    Memory().CurrentName.clear();
    Load(utf8);
    EXPECT_EQ(Text("Edit9"), "1024");

    Save(PathOf("C:\\data\\run7.dat"));  // a name written the Windows way: only its last part
    EXPECT_EQ(Memory().CurrentName, "run7.dat");
}

}  // namespace
}  // namespace ztmca::testing
