// The scale and view buttons beside the plot, with the commands that keep the instrument's own
// display in step.
#include <algorithm>
#include <cstdint>

#include "app/main_form.h"
#include "display/view_helpers.h"
#include "display/view_range.h"

namespace ztmca {
namespace {

// Largest count of the channels first .. last within the memory; 0 when there are none.
std::int32_t LargestCount(const MainForm& form, std::int64_t first, std::int64_t last) {
    const std::int64_t from = std::max<std::int64_t>(first, 0);
    const std::int64_t to = std::min<std::int64_t>(last, MemoryChannels(form) - 1);
    std::int32_t peak = 0;
    for (std::int64_t ch = from; ch <= to; ++ch)
        peak = std::max(peak, form.State.Memory.MainCounts[static_cast<std::size_t>(ch)]);
    return peak;
}

std::int32_t Saturated(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

void LinearRedraw(MainForm& form) {
    form.Display.RedrawNeeded = 1;
    form.DrawLinearAxis(true);
    form.PaintBox1Paint();
}

// After the range changed locally: status block, labels, channel axis, scale, full redraw.
void ShowNewRange(MainForm& form) {
    DisplayState& d = form.Display;
    form.State.Status.SetI16(status::kDispStart, static_cast<std::int16_t>(d.DispStartCh));
    form.State.Status.SetI16(status::kDispEnd, static_cast<std::int16_t>(d.DispEndCh));
    ShowRangeLabels(form);
    ShowCursorCounts(form);
    form.DrawChannelAxis();
    DrawCurrentAxis(form);
    form.RequestRedraw(true);
}

// The instrument decides the range after an accepted expand or compress.
void TakeRangeFromInstrument(MainForm& form) {
    if (form.ReadStatus()) {
        form.Display.DispStartCh = form.State.Status.I16(status::kDispStart);
        form.Display.DispEndCh = form.State.Status.I16(status::kDispEnd);
        ShowRangeLabels(form);
    }
    form.DrawChannelAxis();
    // Plot and axis must show the same range.
    form.RequestRedraw(true);
}

void ChangeRange(MainForm& form, bool expand) {
    DisplayState& d = form.Display;
    ViewRange range{d.DispStartCh, d.DispEndCh, d.CursorCh};
    const int width = form.Bitmaps.PlotBitmap.Width();
    if (expand)
        ExpandRange(range, width, MemoryChannels(form));
    else
        CompressRange(range, width, MemoryChannels(form));
    d.DispStartCh = range.StartCh;
    d.DispEndCh = range.EndCh;
    d.CursorCh = range.CursorCh;
    ShowNewRange(form);
    if (InstrumentOpen(form) && form.Link.SendCommand(expand ? "$E;" : "$e;")) TakeRangeFromInstrument(form);
}

}  // namespace

void MainForm::LogDispClick() {
    Display.LogScale = 1;
    DrawLogAxis(true);
    if (!InstrumentOpen(*this)) {
        RequestRedraw(true);
        return;
    }
    // A refused command leaves the plot erased until the next full redraw.
    if (!Link.SendCommand("$O;")) return;
    Display.RedrawNeeded = 1;
    DrawLogAxis(true);
    PaintBox1Paint();
}

void MainForm::AutoVfsClick() {
    Display.LogScale = 0;
    State.Memory.PeakCount = LargestCount(*this, static_cast<std::int64_t>(Display.DispStartCh) + 1,
                                          static_cast<std::int64_t>(Display.DispEndCh) - 2);
    Display.VfsIndex = FindFullScaleIndex(State.Memory.PeakCount);
    LinearRedraw(*this);
    if (!InstrumentOpen(*this)) return;
    const std::int32_t index = Display.VfsIndex;
    const char command[] = {'$', 'V', static_cast<char>('0' + index), ';', '\0'};
    SetText("Edit1", command);
    if (Link.SendCommand(command)) Display.VfsIndex = index;
}

void MainForm::VfcUpClick() {
    Display.LogScale = 0;
    Display.VfsIndex = std::clamp(Display.VfsIndex - 1, 1, kMaxVfsIndex);
    LinearRedraw(*this);
    if (InstrumentOpen(*this) && Link.SendCommand("$V;")) LinearRedraw(*this);
}

void MainForm::VfcDnClick() {
    Display.LogScale = 0;
    Display.VfsIndex = std::clamp(Display.VfsIndex + 1, 1, kMaxVfsIndex);
    LinearRedraw(*this);
    if (InstrumentOpen(*this) && Link.SendCommand("$v;")) LinearRedraw(*this);
}

void MainForm::ExpandClick() { ChangeRange(*this, true); }

void MainForm::CompresClick() { ChangeRange(*this, false); }

void MainForm::LinDotClick() {
    Display.LineMode = 1 - Display.LineMode;
    RequestRedraw(true);
}

void MainForm::VfsOfsetClick() {
    if (Display.VfsOffsetOn == 1) {
        Display.VfsOffsetOn = 0;
        RequestRedraw(true);
        return;
    }
    Display.VfsOffsetOn = 1;
    if (Display.LogScale == 1) DrawLinearAxis(true);
    State.Memory.PeakCount = LargestCount(*this, static_cast<std::int64_t>(Display.DispStartCh) + 1,
                                          static_cast<std::int64_t>(Display.DispEndCh) - 1);
    const int index = FindFullScaleIndex(State.Memory.PeakCount);
    Display.VfsIndex = index;
    Display.VfsOffset = FullScaleTable[static_cast<std::size_t>(index - 1)];
    Display.VfsOffsetStep = Display.VfsOffset / 10;
    LinearRedraw(*this);
}

void MainForm::VfsOfsetUpClick() {
    if (Display.VfsOffsetOn == 1)
        Display.VfsOffset = Saturated(static_cast<std::int64_t>(Display.VfsOffset) - Display.VfsOffsetStep);
    RequestRedraw(true);
}

void MainForm::VfsOfsetDnClick() {
    if (Display.VfsOffsetOn == 1)
        Display.VfsOffset = Saturated(static_cast<std::int64_t>(Display.VfsOffset) + Display.VfsOffsetStep);
    RequestRedraw(true);
}

}  // namespace ztmca
