#include "app/main_form.h"

#include "app/about_form.h"

namespace ztmca {

MainForm::MainForm(FormHost& host, UsbTransport& transport, LinkClock& clock)
    : Form(host, "Form1", "TForm1", "ZT-520 Ver 2.0", 729, 441), Link(transport, clock) {
    // Construction order of the window: design, information file name, defaults, timer off,
    // then the start-up steps of the display, the ROI table and the energy calibration.
    BuildDesign();
    BindHandlers();
    AcqInfoFileName = "untitled.ini";
    ResetToDefaults(State);
    (*this)["Timer1"].Enabled = false;
    DisplayStartup();
    Rois = RoiTable{};
    Calibration = EnergyCalibration{};
    SnappedPeak = 0.0f;
}

const Bitmap* MainForm::Canvas(std::string_view paintBox) const {
    return paintBox == "PaintBox1" ? &Bitmaps.PaintBox : nullptr;
}

void MainForm::Exit1Click() { Host().CloseMainWindow(); }

void MainForm::About1Click() {
    AboutForm about(Host());
    Host().RunModal(about);
}

void MainForm::BindHandlers() {
    const std::string& self = Name();
    On("Exit1", Event::Click, [this] { Exit1Click(); });
    On("About1", Event::Click, [this] { About1Click(); });
    // "&Utility" and "&DefaultParam." have handlers that do nothing; the other items have none.
    On("Utility", Event::Click, [] {});
    On("DefaultVal1", Event::Click, [] {});

    On("McaOpen", Event::Click, [this] { McaOpenClick(); });
    On("McaStart", Event::Click, [this] { McaStartClick(); });
    On("McaStop", Event::Click, [this] { McaStopClick(); });
    On("McaClear", Event::Click, [this] { McaClearClick(); });
    On("SxfmStart", Event::Click, [this] { SxfmStartClick(); });
    On("SxfmStop", Event::Click, [this] { SxfmStopClick(); });
    On("SxfmPause", Event::Click, [this] { SxfmPauseClick(); });
    On("SxfmClear", Event::Click, [this] { SxfmClearClick(); });
    On("Timer1", Event::Timer, [this] { Timer1Timer(); });
    On("Button10", Event::Click, [this] { Button10Click(); });
    On("Button7", Event::Click, [this] { Button7Click(); });

    On("PaintBox1", Event::Paint, [this] { PaintBox1Paint(); });
    On("LogDisp", Event::Click, [this] { LogDispClick(); });
    On("AutoVfs", Event::Click, [this] { AutoVfsClick(); });
    On("VfcUp", Event::Click, [this] { VfcUpClick(); });
    On("VfcDn", Event::Click, [this] { VfcDnClick(); });
    On("Expand", Event::Click, [this] { ExpandClick(); });
    On("Compres", Event::Click, [this] { CompresClick(); });
    On("LinDot", Event::Click, [this] { LinDotClick(); });
    On("VfsOfset", Event::Click, [this] { VfsOfsetClick(); });
    On("VfsOfsetUp", Event::Click, [this] { VfsOfsetUpClick(); });
    On("VfsOfsetDn", Event::Click, [this] { VfsOfsetDnClick(); });
    const Handler mouseDown = [this](const EventArgs& e) { PaintBox1MouseDown(e.Button, e.X, e.Y); };
    On("PaintBox1", Event::MouseDown, mouseDown);
    On(self, Event::MouseDown, mouseDown);
    On(self, Event::MouseWheelDown, [this] { FormMouseWheelDown(); });
    On(self, Event::MouseWheelUp, [this] { FormMouseWheelUp(); });
    On(self, Event::Resize, Handler([this](const EventArgs& e) { Edit1Click(e.Previous); }));
    On("MCA1Spec", Event::Click, [this] { ShowMcaMemory(); });
    On("Mem1Spec", Event::Click, [this] { ShowWorkMemory(1); });
    On("Mem2Spec", Event::Click, [this] { ShowWorkMemory(2); });
    On("Mem3Spec", Event::Click, [this] { ShowWorkMemory(3); });
    On("OverLapON", Event::Click, [this] { OverLapONClick(); });
    On("Button2", Event::Click, [this] { Button2Click(); });
    On("AXFM", Event::Change, [this] { AXFMChange(); });
    On("MISC", Event::Change, [this] { MISCChange(); });
    On("ColorBox1", Event::Change, [this] { ColorBox1Change(); });
    On("ColorBox2", Event::Change, [this] { ColorBox2Change(); });
    On("LogOfset0", Event::Click, [this] { LogOfsetClick(0); });
    On("LogOfset10", Event::Click, [this] { LogOfsetClick(10); });
    On("LogOfset100", Event::Click, [this] { LogOfsetClick(100); });

    On("ROINoSelect", Event::Change, [this] { ROINoSelectChange(); });
    On("ROIOnCheck", Event::Click, [this] { ROIOnCheckClick(); });
    On("ROILowCh", Event::Click, [this] { ROILowChClick(); });
    On("ROIHighCh", Event::Click, [this] { ROIHighChClick(); });
    On("EditROILow", Event::Change, [this] { EditROILowChange(); });
    On("EditROIHigh", Event::Change, [this] { EditROIHighChange(); });
    On("ROIColor", Event::Change, [] {});  // read when the ROI is switched on

    On("LengCh", Event::Click, [this] { LengChClick(); });
    On("HengCh", Event::Click, [this] { HengChClick(); });
    On("LowCh", Event::Change, [this] { LowChChange(); });
    On("HiCh", Event::Change, [this] { HiChChange(); });
    On("EngCalib", Event::Click, [this] { EngCalibClick(); });
    On("SnapPeak", Event::Click, [this] { SnapPeakClick(); });
    On("FWHM", Event::Click, [this] { FWHMClick(); });

    On("Write1", Event::Click, [this] { Write1Click(); });
    On("Read1", Event::Click, [this] { Read1Click(); });
    On("Write2", Event::Click, [this] { Write2Click(); });
    On("SaveAcqInf", Event::Click, [this] { SaveAcqInfClick(); });
}

}  // namespace ztmca
