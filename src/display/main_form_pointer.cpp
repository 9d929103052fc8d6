// The pointer and the wheel on the plot: cursor placement, ROI capture, energy read-out.
#include <cstdio>

#include "app/main_form.h"
#include "display/view_helpers.h"
#include "display/view_range.h"

namespace ztmca {

namespace {

constexpr int kRoiPage = 2;

void MoveCursorBy(MainForm& form, int delta) {
    form.Display.CursorCh = LimitToMemory(form, static_cast<std::int64_t>(form.Display.CursorCh) + delta);
    form.SetNumber("Label3", form.Display.CursorCh);
    form.RequestRedraw(true);
    if (InstrumentOpen(form)) SendCursorCommand(form);
}

}  // namespace

void MainForm::PaintBox1MouseDown(MouseButton button, int x, int) {
    if (button != MouseButton::Left) return;
    // With an instrument open its own display window decides which channel lies under the pointer.
    const bool open = InstrumentOpen(*this);
    const std::int32_t s0 = open ? State.Status.I16(status::kDispStart) : Display.DispStartCh;
    const std::int32_t e0 = open ? State.Status.I16(status::kDispEnd) : Display.DispEndCh;
    std::int64_t channel = 0;
    if (!ChannelAtColumn(s0, e0, Bitmaps.PlotBitmap.Width(), x - Display.PlotX0, channel)) return;
    // A click beside the plot gives a channel outside the range; it is kept within the memory.
    const std::int32_t ch = LimitToMemory(*this, channel);
    if ((*this)["AXFM"].ItemIndex == kRoiPage) RoiCapture(ch);
    Display.CursorCh = ch;
    if (open) SendCursorCommand(*this);
    SetNumber("Label3", ch);
    if (Calibration.Valid == 1) {
        char energy[64];
        std::snprintf(energy, sizeof energy, "%8.2f", static_cast<double>(EnergyOf(Calibration, ch)));
        SetText("Label8", energy);
        SetText("Label9", FieldText(Calibration.Unit));
    }
    RequestRedraw(true);
}

void MainForm::FormMouseWheelDown() { MoveCursorBy(*this, 1); }

void MainForm::FormMouseWheelUp() { MoveCursorBy(*this, -1); }

}  // namespace ztmca
