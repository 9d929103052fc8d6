// A whole PHA measurement through the window's handlers against the simulated instrument, on a
// clock the test moves by one poll interval per tick.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <numeric>

#include "app/main_form.h"
#include "link/simulated/simulated_transport.h"
#include "support/fake_host.h"
#include "support/fake_link_clock.h"

namespace ztmca {
namespace {

using namespace std::chrono_literals;

class SimulatedAcquisition : public ::testing::Test {
protected:
    explicit SimulatedAcquisition(std::string_view source = "gamma") : transport(clock) {
        SimulationOptions options;
        options.Source = *FindSource(source);
        options.InputRate = 20000;
        transport.AddInstrument("ZTSIM001", options);
        form = std::make_unique<MainForm>(host, transport, clock);
        form->Click("McaOpen");
    }

    void SetUp(const char* presetSeconds, int stopItem, const char* presetCounts) {
        host.modalActions.push_back([=](Form& dialog) {
            dialog.EnterText("PresetRT", presetSeconds);
            dialog.EnterText("PresetSC", presetCounts);
            dialog.SelectItem("AcqStop", stopItem);
            dialog.Click("OkButton");
        });
        form->Click("Button10");
    }

    // Polls as the window's timer does until the acquisition ends; the number of ticks it took.
    int RunToEnd() {
        int ticks = 0;
        while ((*form)["Timer1"].Enabled && ticks < 10000) {
            clock.now += 100ms;
            form->TimerTick("Timer1");
            ++ticks;
        }
        return ticks;
    }

    std::int64_t AllCounts() const {
        const auto& c = form->State.Memory.MainCounts;
        return std::accumulate(c.begin(), c.begin() + form->State.Memory.MemorySize, std::int64_t{0});
    }

    testing::FakeHost host;
    testing::FakeLinkClock clock;
    SimulatedTransport transport;
    std::unique_ptr<MainForm> form;
};

TEST_F(SimulatedAcquisition, OpensAndIdentifiesTheInstrument) {
    EXPECT_EQ((*form)["Edit2"].Text, "1");
    EXPECT_EQ((*form)["Edit3"].Text, "ZT-740");
    EXPECT_TRUE((*form)["Edit3"].Visible);
    EXPECT_TRUE((*form)["McaStart"].Enabled);
}

TEST_F(SimulatedAcquisition, EndsByItselfAtThePresetTime) {
    SetUp("10.0", 0, "10000");
    form->Click("McaStart");
    EXPECT_EQ(form->State.Acq.Acquiring, 1);
    EXPECT_TRUE((*form)["Timer1"].Enabled);
    const int ticks = RunToEnd();
    EXPECT_GE(ticks, 100);
    EXPECT_LE(ticks, 102);
    EXPECT_EQ(form->State.Acq.Acquiring, 0);
    EXPECT_EQ(form->State.Acq.RealTime, 100);
    EXPECT_GT(form->State.Acq.LiveTime, 90);
    EXPECT_LT(form->State.Acq.LiveTime, 100);
    EXPECT_GT(form->State.Memory.TotalCounts, 100000.0f);
    EXPECT_EQ(form->State.Memory.CurrentName, "MCA");
}

TEST_F(SimulatedAcquisition, EndsAtThePresetCountAndKeepsTheMeasuredRealTime) {
    SetUp("1000.0", 1, "50000");
    form->Click("McaStart");
    const int ticks = RunToEnd();
    EXPECT_LT(ticks, 100);  // about 3 s at the recorded rate, far below the preset time
    EXPECT_EQ(form->State.Acq.Acquiring, 0);
    EXPECT_EQ(AllCounts(), 50000);
    EXPECT_GT(form->State.Acq.RealTime, 10);
    EXPECT_LT(form->State.Acq.RealTime, 100);
}

class SimulatedBrass : public SimulatedAcquisition {
protected:
    SimulatedBrass() : SimulatedAcquisition("brass") {}
};

TEST_F(SimulatedBrass, GrowsASpectrumWithEveryPoll) {
    SetUp("5.0", 0, "10000");
    form->Click("McaStart");
    float last = 0.0f;
    for (int i = 0; i < 5; ++i) {
        clock.now += 100ms;
        form->TimerTick("Timer1");
        EXPECT_GT(form->State.Memory.TotalCounts, last);
        last = form->State.Memory.TotalCounts;
    }
    RunToEnd();
    EXPECT_EQ(form->State.Acq.RealTime, 50);
}

}  // namespace
}  // namespace ztmca
