#include <gtest/gtest.h>

#include <limits>

#include <cmath>
#include <memory>

#include "analysis/energy_calibration.h"
#include "app/main_form.h"
#include "app/text_convert.h"
#include "support/fake_host.h"
#include "support/recording_transport.h"

namespace ztmca {
namespace {

using testing::FakeHost;
using testing::RecordingTransport;

TEST(EnergyCalibration, TwoPointLine) {
    float gain = 0.0f, offset = 0.0f;
    ASSERT_EQ(ComputeCalibration(100.0f, 1000.0f, 1.0f, 10.0f, gain, offset), CalibrationOutcome::Done);
    EXPECT_FLOAT_EQ(gain, 0.01f);
    EXPECT_NEAR(offset, 0.0f, 1e-6f);
    EnergyCalibration c{1, {}, gain, offset};
    EXPECT_EQ(Format("%8.2f", static_cast<double>(EnergyOf(c, 512))), "    5.12");
    // The line passes through the high point exactly.
    EXPECT_EQ(EnergyOf(c, 1000), 10.0f);
}

TEST(EnergyCalibration, RefusedInputsLeaveGainAndOffsetAlone) {
    struct Case {
        float cL, cH, eL, eH;
        CalibrationOutcome outcome;
    } cases[] = {
        {500.0f, 500.0f, 1.0f, 2.0f, CalibrationOutcome::EqualChannels},
        {-3e38f, 3e38f, 1.0f, 2.0f, CalibrationOutcome::OutOfRange},   // channel difference overflows
        {0.0f, 1.0f, -3e38f, 3e38f, CalibrationOutcome::OutOfRange},   // energy difference overflows
        {0.0f, 1e-30f, 0.0f, 1e30f, CalibrationOutcome::OutOfRange},   // gain overflows
        {0.0f, 1.0f, 0.0f, 1e30f, CalibrationOutcome::OutOfRange},     // channel 2^31 would overflow
    };
    for (const Case& c : cases) {
        float gain = 7.0f, offset = 8.0f;
        EXPECT_EQ(ComputeCalibration(c.cL, c.cH, c.eL, c.eH, gain, offset), c.outcome);
        EXPECT_EQ(gain, 7.0f);
        EXPECT_EQ(offset, 8.0f);
    }
    EXPECT_FALSE(CalibrationInRange(NAN, 0.0f));
    EXPECT_FALSE(CalibrationInRange(1.0f, INFINITY));
    EXPECT_TRUE(CalibrationInRange(1.0e20f, -1.0e30f));
}

TEST(EnergyCalibration, EditTextsInSinglePrecision) {
    float v = 0.0f;
    EXPECT_TRUE(TryStrToSingle("  512.34", v));
    EXPECT_FLOAT_EQ(v, 512.34f);
    EXPECT_TRUE(TryStrToSingle("-1.5E2 ", v));
    EXPECT_EQ(v, -150.0f);
    EXPECT_FALSE(TryStrToSingle("1e39", v));  // a number, but no float32
    EXPECT_FALSE(TryStrToSingle("Low Ch", v));
    EXPECT_FALSE(TryStrToSingle("", v));
}

class CalibrationForm : public ::testing::Test {
protected:
    void SetUp() override { form = std::make_unique<MainForm>(host, t); }

    void Enter(const char* low, const char* high, const char* lowEnergy, const char* highEnergy) {
        form->EnterText("LowCh", low);
        form->EnterText("HiCh", high);
        form->EnterText("LoEng", lowEnergy);
        form->EnterText("HiEng", highEnergy);
    }

    std::string Text(const char* control) { return (*form)[control].Text; }

    FakeHost host;
    RecordingTransport t;
    std::unique_ptr<MainForm> form;
};

TEST_F(CalibrationForm, ExecCalibStoresGainOffsetAndUnit) {
    Enter("100", "1000", "1.0", "10.0");
    form->EnterText("ChKev", "keV");
    form->Click("EngCalib");
    EXPECT_EQ(form->Calibration.Valid, 1);
    EXPECT_EQ(Format("%8.2f", static_cast<double>(EnergyOf(form->Calibration, 512))), "    5.12");
    EXPECT_STREQ(form->Calibration.Unit.data(), "keV");

    form->EnterText("ChKev", "kiloelectronvolt");
    form->Click("EngCalib");
    EXPECT_STREQ(form->Calibration.Unit.data(), "kiloele");
}

TEST_F(CalibrationForm, ErrorsNameTheFirstBadEditAndChangeNothing) {
    Enter("100", "1000", "1.0", "10.0");
    form->EnterText("ChKev", "keV");
    form->Click("EngCalib");
    const EnergyCalibration before = form->Calibration;

    struct Case {
        const char* low;
        const char* high;
        const char* lowEnergy;
        const char* highEnergy;
        const char* message;
    } cases[] = {
        {"Low Ch", "x", "x", "x", "Error ! Energy Calib LowCh"},
        {"100", "High Ch", "x", "x", "Error ! Energy Calib HighCh"},
        {"100", "1000", "Low Energy", "x", "Error ! Energy Calib LowEng"},
        {"100", "1000", "1.0", "Hi Energy", "Error ! Energy Calib HighEng"},
        {"1e39", "1000", "1.0", "10", "Error ! Energy Calib LowCh"},
        {"  512.00", "512", "1.0", "10", "Error ! Energy Calib Channels"},
        {"0", "1e-30", "0", "1e30", "Error ! Energy Calib Range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Enter(c.low, c.high, c.lowEnergy, c.highEnergy);
        form->EnterText("ChKev", "eV");
        form->Click("EngCalib");
        EXPECT_EQ(Text("Edit1"), c.message);
        EXPECT_EQ(form->Calibration.Gain, before.Gain);
        EXPECT_EQ(form->Calibration.Offset, before.Offset);
        EXPECT_STREQ(form->Calibration.Unit.data(), "keV");
    }
}

TEST_F(CalibrationForm, TypedChannelsAreCheckedOnEveryChange) {
    form->EnterText("LowCh", "12a");
    EXPECT_EQ(Text("Edit1"), "Error ! EngCalib LowCh");
    form->EnterText("LowCh", "12");
    EXPECT_EQ(Text("Edit1"), "Error ! EngCalib LowCh");  // a valid text does not clear it
    form->EnterText("HiCh", "--1");
    EXPECT_EQ(Text("Edit1"), "Error ! EngCalib HiCh");
}

TEST_F(CalibrationForm, CursorChannelButtonsTakeTheSnappedCentroidWhileTheCursorStandsOnIt) {
    // Start: no snap yet (0.0) and the cursor on channel 0.
    form->Display.CursorCh = 0;
    form->Click("LengCh");
    EXPECT_EQ(Text("LowCh"), "    0.00");
    EXPECT_FALSE((*form)["LengCh"].Checked);

    form->SnappedPeak = 512.34f;
    form->Display.CursorCh = 512;
    form->Click("HengCh");
    EXPECT_EQ(Text("HiCh"), "  512.34");
    EXPECT_FALSE((*form)["HengCh"].Checked);

    form->Display.CursorCh = 600;
    form->Click("LengCh");
    EXPECT_EQ(Text("LowCh"), "600");
    EXPECT_EQ(Text("Edit1"), "");  // both texts convert
}

class PeakForm : public CalibrationForm {
protected:
    void SetUp() override {
        CalibrationForm::SetUp();
        auto& counts = form->State.Memory.MainCounts;
        std::fill_n(counts.begin(), 1024, 0);
        counts[99] = 10;
        counts[100] = 20;
        counts[101] = 10;
        form->Display.CursorCh = 97;
    }
};

TEST_F(PeakForm, SnapPeakMovesTheCursorAndTellsTheInstrument) {
    form->State.Acq.DeviceCount = 1;
    form->Link.HandleSlots[0] = 1;
    form->Display.RedrawNeeded = 0;
    form->Click("SnapPeak");
    EXPECT_EQ(form->SnappedPeak, 100.0f);
    EXPECT_EQ(Text("Edit1"), "  100.00");
    EXPECT_EQ(Text("Label3"), "100");
    EXPECT_EQ(form->Display.CursorCh, 100);
    EXPECT_EQ(form->Display.RedrawNeeded, 0);
    EXPECT_EQ(t.writes, std::vector<std::string>{"$@C0100;"});

    // The centroid now serves as calibration channel.
    form->Click("LengCh");
    EXPECT_EQ(Text("LowCh"), "  100.00");
}

TEST_F(PeakForm, WithoutInstrumentNothingIsSent) {
    form->Click("SnapPeak");
    EXPECT_EQ(form->Display.CursorCh, 100);
    EXPECT_TRUE(t.writes.empty());
}

TEST_F(PeakForm, FwhmReportsCentroidAndWidthInChannels) {
    form->Display.CursorCh = 100;
    form->Click("FWHM");
    EXPECT_EQ(Text("Edit1"), "Peak   100.00 Ch.");
    EXPECT_EQ(Text("FwhmVal"), "    2.00 ch");
    EXPECT_EQ(form->Display.CursorCh, 100);
}

TEST_F(PeakForm, NoPeakNearTheCursorChangesNothingButTheStatusLine) {
    form->State.Acq.DeviceCount = 1;
    form->Link.HandleSlots[0] = 1;
    form->Display.CursorCh = 300;
    form->SnappedPeak = 42.0f;
    form->Click("SnapPeak");
    EXPECT_EQ(Text("Edit1"), "Error ! No Peak");
    EXPECT_EQ(form->Display.CursorCh, 300);
    EXPECT_EQ(form->SnappedPeak, 42.0f);
    EXPECT_EQ(Text("Label3"), "512");
    EXPECT_TRUE(t.writes.empty());

    form->SetText("Edit1", "");
    form->Click("FWHM");
    EXPECT_EQ(Text("Edit1"), "Error ! No Peak");
    EXPECT_EQ(Text("FwhmVal"), "Ch [ keV ]");

    // Channels past the memory in use do not count as a peak.
    form->State.Memory.MemorySize = 512;
    form->State.Memory.MainCounts[515] = 1000;
    form->Display.CursorCh = 511;
    form->Click("FWHM");
    EXPECT_EQ(Text("FwhmVal"), "Ch [ keV ]");
}

}  // namespace
}  // namespace ztmca

namespace ztmca {
namespace {

TEST(HeaderCalibration, OnlyAUsableStoredCalibrationReplacesTheCurrentOne) {
    struct Case {
        float marker, gain, offset;
        bool taken;
    };
    const Case cases[] = {
        {0.0f, 0.01f, 0.5f, true},                         // stored by a save with a calibration
        {1.0f, 0.01f, 0.5f, false},                        // marked as not stored
        {0.0f, 0.0f, 0.0f, false},                         // a header nothing has filled
        {0.0f, std::numeric_limits<float>::quiet_NaN(), 0.0f, false},  // damaged
        {0.0f, 1e30f, 0.0f, false},                        // energies would overflow
    };
    for (const Case& c : cases) {
        EnergyCalibration calibration;
        calibration.Valid = 1;
        calibration.Gain = 2.0f;
        calibration.Offset = 3.0f;
        SpectrumHeader header;
        header.CalibrationMarker = c.marker;
        header.CalibrationGain = c.gain;
        header.CalibrationOffset = c.offset;
        TakeHeaderCalibration(calibration, header);
        EXPECT_EQ(calibration.Gain, c.taken ? c.gain : 2.0f) << c.gain;
        EXPECT_EQ(calibration.Offset, c.taken ? c.offset : 3.0f) << c.gain;
        EXPECT_EQ(calibration.Valid, 1);
    }
}

}  // namespace
}  // namespace ztmca
