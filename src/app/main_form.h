#pragma once
// TForm1: the main window as plain data. It owns the whole state of the run; its handlers are
// defined in the subsystem folders (acquisition in link/, view in display/, ROIs in roi/, ...).
#include <cstdint>
#include <string>

#include "analysis/energy_calibration.h"
#include "app/app_state.h"
#include "app/form.h"
#include "display/display_state.h"
#include "link/device_link.h"
#include "roi/roi_table.h"

namespace ztmca {

// Geometry of the last full redraw, read by the ROI marks and the cursor marker.
struct PlotGeometry {
    int W = 512;
    int H = 300;
    int Step = 2;  // channels per column; negative: -(columns per channel)
    int Ppc = 0;   // columns per channel when Step < 0
};

class MainForm : public Form {
public:
    MainForm(FormHost& host, UsbTransport& transport, LinkClock& clock = SteadyLinkClock());

    const Bitmap* Canvas(std::string_view paintBox) const override;

    // ---- state of the run ----
    AppState State;
    DisplayState Display;
    PlotArrays Plot;
    DisplayBitmaps Bitmaps;
    PlotGeometry Geometry;
    RoiTable Rois;
    EnergyCalibration Calibration;
    float SnappedPeak = 0.0f;
    DeviceLink Link;
    std::string AcqInfoFileName = "untitled.ini";
    bool ResizedBefore = false;
    bool LargeLayout = false;

    // ---- application (app/) ----
    // Creates the hidden forms of the start-up once, in their order (setup/).
    void CreateStartupForms();
    void Exit1Click();
    void About1Click();

    // ---- instrument link and acquisition (link/) ----
    bool OpenInstruments();
    void McaOpenClick();
    bool ReadStatus();
    void ApplyStatusView();
    bool ReadSpectrum();
    void McaStartClick();
    void McaStopClick();
    void McaClearClick();
    void SxfmStartClick();
    void SxfmStopClick();
    void SxfmPauseClick();
    void SxfmClearClick();
    void Timer1Timer();
    // The acknowledged commands whose acceptance changes the state: "$D" m ";", "$G;", "$S;",
    // "$C;" and "$M" c ";" (memorySize / 128 blocks). Each returns whether it was accepted.
    bool SendMode(std::int32_t mode);
    bool SendStart();
    bool SendStop();
    bool SendClear();
    bool SendMemorySize(std::int32_t memorySize);

    // ---- set-up dialogs (setup/) ----
    void Button10Click();
    void Button7Click();

    // ---- display (display/) ----
    // Start-up step of the display: bitmaps, start values, the full log axis, the first compose.
    void DisplayStartup();
    void DrawLogAxis(bool full);
    void DrawLinearAxis(bool full);
    void DrawChannelAxis();
    void ComposePlot();
    void PaintBox1Paint();
    // Sets RedrawNeeded when asked, then repaints.
    void RequestRedraw(bool redrawNeeded);
    void LogDispClick();
    void AutoVfsClick();
    void VfcUpClick();
    void VfcDnClick();
    void ExpandClick();
    void CompresClick();
    void LinDotClick();
    void VfsOfsetClick();
    void VfsOfsetUpClick();
    void VfsOfsetDnClick();
    void PaintBox1MouseDown(MouseButton button, int x, int y);
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    // Times, calibration and ROI windows of a shown or loaded spectrum come with its header.
    void TakeHeaderView(const SpectrumHeader& header);
    void ShowWorkMemory(int k);
    void ShowMcaMemory();
    void OverLapONClick();
    void Button2Click();
    void AXFMChange();
    void MISCChange();
    void Edit1Click(WindowState previous);
    // "Config.." page: trace colour, plot background, count offset of the log scale.
    void ColorBox1Change();
    void ColorBox2Change();
    void LogOfsetClick(std::int32_t offset);

    // ---- regions of interest (roi/) ----
    void ROINoSelectChange();
    void ROIOnCheckClick();
    void ROILowChClick();
    void ROIHighChClick();
    void EditROILowChange();
    void EditROIHighChange();
    // The redraw's ROI step: integrate, write the sums, shade and label ROI # 0 .. # 9 that are on.
    // Does nothing outside the PHA modes, so the redraw may call it in any mode.
    void RoiStep();
    void IntegrateRoi(int i);
    void MarkRoi(int i);
    void RoiCapture(std::int32_t channel);
    void SendRoiWindow();

    // ---- analysis (analysis/) ----
    void LengChClick();
    void HengChClick();
    void LowChChange();
    void HiChChange();
    void EngCalibClick();
    void SnapPeakClick();
    void FWHMClick();

    // ---- data files (files/) ----
    void Write1Click();
    void Read1Click();
    void Write2Click();
    void SaveAcqInfClick();
    void FileSaveAs1BeforeExecute(FileDialogOptions& dialog);
    void FileSaveAs1Accept(const std::string& path);

private:
    void BuildDesign();
    void BindHandlers();
};

}  // namespace ztmca
