#pragma once
// The main window on a fault-injecting instrument and a fake desktop, for handler tests.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_form.h"
#include "support/fake_host.h"
#include "support/fault_transport.h"

namespace ztmca::testing {

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() : form(std::make_unique<MainForm>(host, t, clock)) {}

    // Runs the open procedure and forgets its traffic.
    void Open() {
        form->Click("McaOpen");
        ASSERT_EQ(form->State.Acq.DeviceOpened, 1);
        t.traffic.clear();
        t.writes.clear();
    }
    std::vector<std::string> Commands() const { return t.CommandsTo(1); }
    std::vector<std::string> AllTo(DeviceHandle handle) const {
        std::vector<std::string> out;
        for (const auto& [h, command] : t.traffic)
            if (h == handle) out.push_back(command);
        return out;
    }
    bool TimerOn() const { return (*form)["Timer1"].Enabled; }
    const std::string& Text(const char* control) const { return (*form)[control].Text; }

    FakeHost host;
    FakeLinkClock clock;
    FaultTransport t{clock};
    std::unique_ptr<MainForm> form;
};

// "$R1;" .. "$Rn;".
inline std::vector<std::string> BlockReads(int first, int last) {
    std::vector<std::string> out;
    for (int n = first; n <= last; ++n) out.push_back("$R" + std::to_string(n) + ";");
    return out;
}

}  // namespace ztmca::testing
