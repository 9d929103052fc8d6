#include "display/view_helpers.h"

#include <algorithm>
#include <cstdio>

namespace ztmca {

int MemoryChannels(const MainForm& form) { return ChannelsInUse(form.State.Memory.MemorySize); }

std::int32_t LimitToMemory(const MainForm& form, std::int64_t channel) {
    const int last = std::max(MemoryChannels(form) - 1, 0);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(channel, 0, last));
}

void ShowCursorCounts(MainForm& form) {
    const std::int32_t cursor = form.Display.CursorCh;
    if (cursor < 0 || cursor >= MemoryChannels(form)) {
        form.SetText("Label7", "-");
        return;
    }
    form.SetNumber("Label7", form.State.Memory.MainCounts[static_cast<std::size_t>(cursor)]);
}

void ShowRangeLabels(MainForm& form) {
    form.SetNumber("Label1", form.Display.DispStartCh, "ch");
    form.SetNumber("Label2", form.Display.DispEndCh, "ch");
    form.SetNumber("Label3", form.Display.CursorCh);
}

void DrawCurrentAxis(MainForm& form) {
    if (form.Display.LogScale == 1)
        form.DrawLogAxis(true);
    else
        form.DrawLinearAxis(true);
}

bool SendCursorCommand(MainForm& form) {
    char command[16];
    const int length = std::snprintf(command, sizeof command, "$@C%04d;", LimitToMemory(form, form.Display.CursorCh));
    return form.Link.SendCommand(std::string_view(command, static_cast<std::size_t>(length)));
}

void SetPlotColours(MainForm& form, Colour back, Colour text) {
    DisplayBitmaps& b = form.Bitmaps;
    b.PlotBlank.Fill(back);
    b.BackFillNormal.Fill(back);
    b.BackFillLarge.Fill(back);
    for (Bitmap* strip : {&b.ChannelStripBlank, &b.ChannelStrip}) {
        strip->FillRow(0, back);
        strip->FillRow(1, back);
    }
    form.Display.BackColor = back;
    form.Display.TextColor = text;
}

}  // namespace ztmca
