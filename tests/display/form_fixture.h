#pragma once
// A main window on a fake desktop and a recording instrument, with helpers to read the picture.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form.h"
#include "support/fake_host.h"
#include "support/recording_transport.h"

namespace ztmca::testing {

struct FormFixture : ::testing::Test {
    FakeHost host;
    RecordingTransport t;
    std::unique_ptr<MainForm> form = std::make_unique<MainForm>(host, t);

    void OpenInstrument() {
        form->State.Acq.DeviceOpened = 1;
        form->Link.HandleSlots[0] = 1;
    }
    // A pixel of the paint box picture in plot coordinates.
    Colour PlotPixel(int x, int y) const {
        return form->Bitmaps.PaintBox.Pixel(form->Display.PlotX0 + x, form->Display.PlotY0 + y);
    }
    int CountInPlot(Colour c) const {
        const Bitmap& plot = form->Bitmaps.PlotBitmap;
        int n = 0;
        for (int y = 0; y < plot.Height(); ++y)
            for (int x = 0; x < plot.Width(); ++x) n += plot.Pixel(x, y) == c;
        return n;
    }
    void Redraw() {
        host.texts.clear();
        form->RequestRedraw(true);
    }
    // The last text drawn at (x, y), or null.
    const DrawnText* TextAt(int x, int y) const {
        for (auto it = host.texts.rbegin(); it != host.texts.rend(); ++it)
            if (it->X == x && it->Y == y) return &*it;
        return nullptr;
    }
    const std::string& Text(const char* control) const { return (*form)[control].Text; }
    void SetCounts(std::int32_t value) { form->State.Memory.MainCounts.fill(value); }
};

}  // namespace ztmca::testing
