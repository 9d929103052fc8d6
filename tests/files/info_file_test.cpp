#include "files_fixture.h"

namespace ztmca::testing {
namespace {

class InfoFileTest : public FilesTest {};

TEST_F(InfoFileTest, FirstRunWithTheDefaultNameOnlyAsksForTheName) {
    Choose(PathOf("run.ini"));
    form->Click("SaveAcqInf");
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].InitialDir, "");
    EXPECT_EQ(host.fileDialogs[0].DefaultExt, "ini");
    EXPECT_EQ(host.fileDialogs[0].Filter, "Mcainf(*.ini)|*.ini|allfile(*.*)|*.*");
    EXPECT_EQ(form->AcqInfoFileName, PathOf("run.ini"));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(InfoFileTest, ANamedRunAsksAgainAndWritesTheHeaderAlone) {
    form->AcqInfoFileName = PathOf("first.ini");
    SpectrumHeader loaded;
    loaded.Year = 2023;
    loaded.AcquisitionMode = 5;
    loaded.PresetCounts = 99;
    SetHeaderComment(loaded, "from the file");
    WriteAll(dir / "s.dat", MakeSpectrumFile(loaded, 512, 512));
    Load(PathOf("s.dat"));
    form->SetText("Edit14", "typed later");
    form->State.Acq.LiveTime = 42;
    form->Rois.Entries[2].RoiHch = 400;
    form->Calibration = {1, {}, 0.5f, -1.0f};

    Choose(PathOf("second.ini"));
    form->Click("SaveAcqInf");

    EXPECT_EQ(host.fileDialogs.back().InitialDir, dir.string());
    EXPECT_EQ(form->AcqInfoFileName, PathOf("second.ini"));
    EXPECT_EQ(Text("Edit1"), PathOf("second.ini"));
    const auto bytes = ReadAll(dir / "second.ini");
    ASSERT_EQ(bytes.size(), 1024u);
    const SpectrumHeader h = DecodeHeader(std::span<const std::uint8_t, kHeaderBytes>(bytes.data(), kHeaderBytes));
    EXPECT_EQ(HeaderComment(h), "from the file");
    EXPECT_EQ(h.Year, 2023);
    EXPECT_EQ(h.AcquisitionMode, 5);
    EXPECT_EQ(h.PresetCounts, 99);
    EXPECT_EQ(h.LiveTime, 42);
    EXPECT_EQ(h.RoiHch[2], 400);
    EXPECT_EQ(h.CalibrationMarker, 0.0f);
    EXPECT_EQ(h.CalibrationGain, 0.5f);
    EXPECT_EQ(h.MemorySize, 512);
    EXPECT_FALSE(std::filesystem::exists(dir / "first.ini"));

    // The information file is no spectrum: loading it fails the size check.
    const std::int32_t ch3 = Memory().MainCounts[3];
    Load(PathOf("second.ini"));
    EXPECT_EQ(Text("Edit9"), "0");
    EXPECT_EQ(Memory().MainCounts[3], ch3);
}

TEST_F(InfoFileTest, CancelledDialogKeepsTheNameAndWritesNothing) {
    form->AcqInfoFileName = PathOf("kept.ini");
    host.paths.push_back("");
    form->Click("SaveAcqInf");
    EXPECT_EQ(form->AcqInfoFileName, PathOf("kept.ini"));
    EXPECT_TRUE(Entries().empty());
}

}  // namespace
}  // namespace ztmca::testing
