// Regions of interest: editing on the ROI page, capture from the plot, the instrument's window,
// and the redraw's step that integrates, writes, shades and labels the first ten.
#include <algorithm>
#include <cstdio>
#include <span>

#include "app/main_form.h"
#include "app/spectrum_header.h"
#include "app/text_convert.h"
#include "roi/roi_columns.h"
#include "roi/roi_command.h"
#include "roi/roi_integration.h"

namespace ztmca {
namespace {

constexpr int kRoiRowHeight = 30;
constexpr int kRoiFirstRow = 5;
constexpr int kNameX = 420;
constexpr int kSumsRightX = 510;
constexpr int kNetRowOffset = 13;

// The ROI behind the list's selection; -1 for none and for the empty entry after ROI #15.
int ListedRoi(const Control& list) { return list.ItemIndex >= 0 && list.ItemIndex < kRoiCount ? list.ItemIndex : -1; }

// Colours are 0x00BBGGRR; a sign-extended 16-bit colour from a file must not set the top byte.
Colour RoiColour(const RoiEntry& roi) { return static_cast<Colour>(roi.Color) & 0xFFFFFFu; }

void DrawSumRightAligned(FormHost& host, Bitmap& plot, int y, float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%12.1f", static_cast<double>(value));
    host.DrawTextEndingAt(plot, kSumsRightX, y, text, colours::kCyan);
}

}  // namespace

void MainForm::ROINoSelectChange() {
    const int i = ListedRoi((*this)["ROINoSelect"]);
    if (i < 0) return;
    const RoiEntry& roi = Rois.Entries[i];
    if (roi.Defined == 1) {
        SetText("EditROILow", Format("%d", roi.RoiLch));
        SetText("EditROIHigh", Format("%d", roi.RoiHch));
        SetText("Element", ElementText(roi));
        SetColour("ROIColor", RoiColour(roi));
        Rois.SelectedRoi = i;
        return;
    }
    SetChecked("ROIOnCheck", false);
    SetText("EditROILow", "0");
    SetText("EditROIHigh", "0");
    SetText("Element", "");
    SetColour("ROIColor", colours::kBlue);
}

void MainForm::ROIOnCheckClick() {
    const int i = ListedRoi((*this)["ROINoSelect"]);
    if (i < 0) {
        SetText("Edit1", "Error ! ROI # Unknown");
        return;
    }
    RoiEntry& roi = Rois.Entries[i];
    if ((*this)["ROIOnCheck"].Checked) {
        std::int32_t value = 0;
        if (!TryStrToInt((*this)["EditROILow"].Text, value)) {
            SetText("Edit1", "Error ! ROI LowCh");
            return;
        }
        roi.RoiLch = value;
        if (!TryStrToInt((*this)["EditROIHigh"].Text, value)) {
            SetText("Edit1", "Error ! ROI HighCh");
            return;
        }
        roi.RoiHch = value;
        SetFieldText(roi.ElementName, (*this)["Element"].Text);
        roi.Color = static_cast<std::int32_t>((*this)["ROIColor"].Color);
        roi.Defined = 1;
        roi.On = 1;
        Rois.SelectedRoi = i;
        if (i == 1 && State.Acq.DeviceOpened != 0) SendRoiWindow();
    } else {
        roi.On = 0;
    }
    Display.RedrawNeeded = 1;
    PaintBox1Paint();
}

void MainForm::ROILowChClick() {
    // Works as a push button: unchecking it runs this handler again, which then has nothing to do.
    if (!(*this)["ROILowCh"].Checked) return;
    SetText("EditROILow", Format("%d", Display.CursorCh));
    SetChecked("ROILowCh", false);
}

void MainForm::ROIHighChClick() {
    if (!(*this)["ROIHighCh"].Checked) return;
    SetText("EditROIHigh", Format("%d", Display.CursorCh));
    SetChecked("ROIHighCh", false);
}

void MainForm::EditROILowChange() {
    std::int32_t value = 0;
    if (!TryStrToInt((*this)["EditROILow"].Text, value)) SetText("Edit1", "Error ! ROI LowCh");
}

void MainForm::EditROIHighChange() {
    std::int32_t value = 0;
    if (!TryStrToInt((*this)["EditROIHigh"].Text, value)) SetText("Edit1", "Error ! ROI HighCh");
}

void MainForm::RoiCapture(std::int32_t channel) {
    const int i = ListedRoi((*this)["ROINoSelect"]);
    if (i < 0) return;
    RoiEntry& roi = Rois.Entries[i];
    if ((*this)["ROILowCh"].Checked) {
        SetText("EditROILow", Format("%d", channel));
        roi.RoiLch = channel;
    }
    if ((*this)["ROIHighCh"].Checked) {
        SetText("EditROIHigh", Format("%d", channel));
        roi.RoiHch = channel;
    }
}

void MainForm::SendRoiWindow() {
    const RoiEntry& roi = Rois.Entries[1];
    char command[kRoiCommandBytes];
    if (!RoiWindowCommand(roi.RoiLch, roi.RoiHch, command)) return;
    Link.SendCommand(command);
}

void MainForm::RoiStep() {
    if (State.Acq.AcquisitionMode != 0 && State.Acq.AcquisitionMode != 1) return;
    for (int i = 0; i < kRoiShown; ++i) {
        if (Rois.Entries[i].On != 1) continue;
        IntegrateRoi(i);
        MarkRoi(i);
    }
}

void MainForm::IntegrateRoi(int i) {
    RoiEntry& roi = Rois.Entries[i];
    const SpectrumMemory& memory = State.Memory;
    const std::span<const std::int32_t> counts(memory.MainCounts.data(),
                                               static_cast<std::size_t>(ChannelsInUse(memory.MemorySize)));
    const RoiSums sums = IntegrateWindow(counts, roi.RoiLch, roi.RoiHch);
    roi.GrossSum = TruncatedSum(sums.Gross);

    Bitmap& plot = Bitmaps.PlotBitmap;
    const int y = i * kRoiRowHeight + kRoiFirstRow;
    Host().DrawText(plot, kNameX, y, ElementText(roi), RoiColour(roi));
    DrawSumRightAligned(Host(), plot, y, sums.Gross);
    DrawSumRightAligned(Host(), plot, y + kNetRowOffset, sums.Net);
}

void MainForm::MarkRoi(int i) {
    const RoiEntry& roi = Rois.Entries[i];
    const int width = std::min(Geometry.W, kPlotArrayLength);
    ColumnSpan span;
    if (!RoiColumns(roi.RoiLch, roi.RoiHch, Display.DispStartCh, Geometry.Step, Geometry.Ppc, width, span)) return;

    Bitmap& plot = Bitmaps.PlotBitmap;
    const Colour colour = RoiColour(roi);
    plot.SetPen(colour);
    const int bottom = Geometry.H - 1;
    int top = bottom;
    int peakX = span.First;
    for (int x = span.First; x < span.End; ++x) {
        const int columnTop = Plot.ColumnTop[static_cast<std::size_t>(x)];
        plot.MoveTo(x, bottom);
        plot.LineTo(x, columnTop);
        // The last of equal columns wins.
        if (columnTop <= top) {
            top = columnTop;
            peakX = x;
        }
    }
    const std::string_view name = ElementText(roi);
    const std::string_view label = name.substr(0, std::min<std::size_t>(name.size(), 2));
    if (!label.empty()) Host().DrawText(plot, peakX - 6, top - 18, label, colour);
}

}  // namespace ztmca
