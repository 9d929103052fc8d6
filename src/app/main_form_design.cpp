// The main window's design: every control with its design name, caption and position.
#include <cstdio>
#include <string>

#include "app/main_form.h"
#include "app/standard_colours.h"

namespace ztmca {
namespace {

constexpr int kPageWidth = 168;  // client area of a page of the two page controls

}  // namespace

void MainForm::BuildDesign() {
    using K = ControlKind;
    MaxWidth = 1270;
    MaxHeight = 780;

    // Menu.
    Add(K::Menu, "File1", "", "&File", 0, 0, 0, 0);
    Add(K::MenuItem, "Read1", "File1", "&Read1", 0, 0, 0, 0);
    Add(K::MenuItem, "Write1", "File1", "&Write1", 0, 0, 0, 0);
    Add(K::MenuItem, "Write2", "File1", "&Write2", 0, 0, 0, 0);
    Add(K::MenuItem, "SetupPrint", "File1", "&SetUp Print", 0, 0, 0, 0);
    Add(K::Separator, "N1", "File1", "-", 0, 0, 0, 0);
    Add(K::MenuItem, "Exit1", "File1", "&Exit", 0, 0, 0, 0);
    Add(K::Menu, "Config1", "", "&System", 0, 0, 0, 0);
    Add(K::MenuItem, "Utility", "Config1", "&Utility", 0, 0, 0, 0);
    Add(K::MenuItem, "DefaultVal1", "Config1", "&DefaultParam.", 0, 0, 0, 0);
    Add(K::MenuItem, "Option1", "Config1", "&Option", 0, 0, 0, 0);
    Add(K::Menu, "Connect1", "", "&Connect", 0, 0, 0, 0);
    Add(K::MenuItem, "Open1", "Connect1", "&OpenMca", 0, 0, 0, 0);
    Add(K::MenuItem, "Scan1", "Connect1", "&ScanMca", 0, 0, 0, 0);
    Add(K::Menu, "Help1", "", "&Help", 0, 0, 0, 0);
    Add(K::MenuItem, "About1", "Help1", "&About", 0, 0, 0, 0);

    // "View Bank".
    Add(K::GroupBox, "GroupBox3", "", "View Bank", 0, 0, 78, 57);
    Add(K::RadioButton, "MemBank0", "GroupBox3", "PHA(ROI)", 6, 16, 70, 17).Checked = true;
    Add(K::RadioButton, "MemBank1", "GroupBox3", "ROIMCS", 6, 35, 70, 17);

    // "Disp Mem".
    Add(K::GroupBox, "GroupBox5", "", "Disp Mem", 80, 0, 104, 57);
    Add(K::RadioButton, "MCA1Spec", "GroupBox5", "MCA", 6, 16, 46, 17).Checked = true;
    Add(K::RadioButton, "Mem1Spec", "GroupBox5", "WK1", 54, 16, 46, 17);
    Add(K::RadioButton, "Mem2Spec", "GroupBox5", "WK2", 6, 35, 46, 17);
    Add(K::RadioButton, "Mem3Spec", "GroupBox5", "WK3", 54, 35, 46, 17);

    // "Meas. Inf".
    Add(K::GroupBox, "GroupBox4", "", "Meas. Inf", 184, 0, 530, 57);
    Add(K::Label, "Label11", "GroupBox4", "Acqmode", 4, 15, 48, 13);
    Add(K::Edit, "Edit8", "GroupBox4", "MCA", 53, 12, 48, 19).ReadOnly = true;
    Add(K::Label, "Label12", "GroupBox4", "MemSize", 105, 15, 48, 13);
    Add(K::Edit, "Edit9", "GroupBox4", "1024", 154, 12, 48, 19).ReadOnly = true;
    Add(K::Label, "Label13", "GroupBox4", "Start:", 208, 15, 30, 13);
    Add(K::Edit, "Edit10", "GroupBox4", "", 240, 12, 200, 19).ReadOnly = true;
    Add(K::Label, "Label14", "GroupBox4", "Tunit", 4, 37, 48, 13);
    Add(K::Edit, "Edit11", "GroupBox4", "0.1sec", 53, 34, 48, 19).ReadOnly = true;
    Add(K::Label, "Label15", "GroupBox4", "PT:", 105, 37, 22, 13);
    Add(K::Edit, "Edit12", "GroupBox4", "", 130, 34, 72, 19).ReadOnly = true;
    Add(K::Label, "Label16", "GroupBox4", "Loop", 208, 37, 30, 13);
    Add(K::Edit, "Edit13", "GroupBox4", "0", 240, 34, 40, 19).ReadOnly = true;
    Add(K::Edit, "Edit14", "GroupBox4", "Comment", 286, 34, 154, 19);
    Add(K::Button, "SaveAcqInf", "GroupBox4", "SaveMcainf", 446, 12, 78, 40);

    // The plot and its read-out line (normal layout).
    Add(K::PaintBox, "PaintBox1", "", "", 0, 60, 530, 320);
    Add(K::Label, "Label1", "", "0ch", 20, 385, 60, 13);
    Add(K::Label, "Label3", "", "512", 98, 385, 44, 13);
    Add(K::Label, "Label5", "", "[", 144, 385, 8, 13);
    Add(K::Label, "Label8", "", "0.00", 168, 385, 30, 13);
    Add(K::Label, "Label9", "", "Ch", 200, 385, 34, 13);
    Add(K::Label, "Label6", "", "]", 236, 385, 8, 13);
    Add(K::Label, "Label7", "", "12345678", 256, 385, 54, 13);
    Add(K::Label, "Label10", "", "Counts", 312, 385, 40, 13);
    Add(K::Label, "Label2", "", "1023ch", 490, 385, 40, 13);

    // Acquisition pages.
    Add(K::PageControl, "AXFM", "", "", 536, 60, 176, 111).AnchorRight = true;
    (*this)["AXFM"].ItemIndex = 1;
    Add(K::TabSheet, "SXFM", "AXFM", " MCS ", 0, 0, kPageWidth, 83);
    Add(K::TabSheet, "VOZE", "AXFM", " PHA", 0, 0, kPageWidth, 83);
    Add(K::TabSheet, "ROISet", "AXFM", "  ROI    ", 0, 0, kPageWidth, 83);

    Add(K::Button, "SxfmStart", "SXFM", "Start", 4, 4, 48, 22).Enabled = false;
    Add(K::Button, "SxfmStop", "SXFM", "Stop", 4, 30, 48, 22).Enabled = false;
    Add(K::Button, "SxfmPause", "SXFM", "Pause", 56, 4, 48, 22);
    Add(K::Button, "SxfmClear", "SXFM", "Clear", 56, 30, 48, 22).Enabled = false;
    Add(K::Button, "Button7", "SXFM", "SetUp", 108, 4, 56, 22);
    Add(K::Edit, "Edit4", "SXFM", "SweepCts", 108, 31, 56, 19).ReadOnly = true;

    Add(K::Button, "McaOpen", "VOZE", "OpenMCA", 4, 4, 60, 22);
    Add(K::Edit, "Edit2", "VOZE", "Dev#", 4, 30, 60, 19).ReadOnly = true;
    Add(K::Button, "Button10", "VOZE", "SetUp", 4, 55, 60, 22);
    Add(K::Button, "McaStart", "VOZE", "Start", 70, 4, 56, 22).Enabled = false;
    Add(K::Button, "McaStop", "VOZE", "Stop", 70, 29, 56, 22).Enabled = false;
    Add(K::Button, "McaClear", "VOZE", "Clear", 70, 55, 56, 22).Enabled = false;

    {
        Control& list = Add(K::ComboBox, "ROINoSelect", "ROISet", "", 4, 2, 80, 21);
        for (int i = 0; i < 16; ++i) {
            char item[16];
            std::snprintf(item, sizeof item, "ROI #%2d", i);
            list.Items.emplace_back(item);
        }
        list.Items.emplace_back("");
        list.ItemIndex = 0;
    }
    Add(K::CheckBox, "ROIOnCheck", "ROISet", "ON", 92, 4, 44, 17);
    FillStandardColours(Add(K::ColorBox, "ROIColor", "ROISet", "", 4, 25, 80, 21), colours::kBlue);
    Add(K::Edit, "Element", "ROISet", "Element", 92, 26, 72, 19);
    Add(K::Label, "Label17", "ROISet", "RoiLch", 22, 47, 50, 13);
    Add(K::Label, "Label18", "ROISet", "RoiHch", 102, 47, 50, 13);
    Add(K::CheckBox, "ROILowCh", "ROISet", "", 4, 61, 16, 17);
    Add(K::Edit, "EditROILow", "ROISet", "RoiLch", 22, 60, 60, 19);
    Add(K::CheckBox, "ROIHighCh", "ROISet", "", 84, 61, 16, 17);
    Add(K::Edit, "EditROIHigh", "ROISet", "RoiHch", 102, 60, 60, 19);

    // Scale and view buttons.
    Add(K::Panel, "Panel1", "", "", 538, 180, 176, 110).AnchorRight = true;
    Add(K::Button, "LogDisp", "Panel1", "Log.Disp", 4, 4, 54, 24);
    Add(K::Button, "AutoVfs", "Panel1", "LinerDisp", 60, 4, 54, 24);
    Add(K::Button, "LinDot", "Panel1", "Line/Dot", 116, 4, 56, 24);
    Add(K::Button, "VfcUp", "Panel1", "\u25B3 VfsUp", 4, 30, 54, 24);
    Add(K::Button, "VfcDn", "Panel1", "\u25BD VfsDn", 60, 30, 54, 24);
    Add(K::Button, "VfsOfset", "Panel1", "VFS Ofset", 116, 30, 56, 24);
    Add(K::Button, "Expand", "Panel1", "<exp>", 4, 56, 54, 24);
    Add(K::Button, "Compres", "Panel1", "> cmp <", 60, 56, 54, 24);
    Add(K::Button, "SnapPeak", "Panel1", "Snap Peak", 116, 56, 56, 24);
    Add(K::Button, "VfsOfsetUp", "Panel1", " \u25B3", 4, 82, 26, 24);
    Add(K::Button, "VfsOfsetDn", "Panel1", "\u25BD", 32, 82, 26, 24);
    Add(K::Button, "OverLapON", "Panel1", "OverLapON", 60, 82, 112, 24);

    // Evaluation, printing and configuration pages.
    Add(K::PageControl, "MISC", "", "", 536, 295, 176, 103).AnchorRight = true;
    (*this)["MISC"].ItemIndex = 1;
    Add(K::TabSheet, "ECAL", "MISC", "ECalib ", 0, 0, kPageWidth, 75);
    Add(K::TabSheet, "PRTX", "MISC", " Print", 0, 0, kPageWidth, 75);
    Add(K::TabSheet, "CONF", "MISC", " Config..", 0, 0, kPageWidth, 75);

    Add(K::CheckBox, "LengCh", "ECAL", "L_Ch.", 2, 3, 50, 17);
    Add(K::Edit, "LowCh", "ECAL", "Low Ch", 54, 2, 54, 19);
    Add(K::Edit, "LoEng", "ECAL", "Low Energy", 110, 2, 56, 19);
    Add(K::CheckBox, "HengCh", "ECAL", "H_Ch.", 2, 25, 50, 17);
    Add(K::Edit, "HiCh", "ECAL", "High Ch", 54, 24, 54, 19);
    Add(K::Edit, "HiEng", "ECAL", "Hi Energy", 110, 24, 56, 19);
    Add(K::Label, "Label19", "ECAL", "Unit:", 2, 51, 28, 13);
    Add(K::Edit, "ChKev", "ECAL", "Ch", 32, 48, 44, 19);
    Add(K::Button, "EngCalib", "ECAL", "Exec Calib", 82, 46, 84, 24);

    Add(K::Button, "PlotLpt", "PRTX", "PlotLpt", 4, 4, 78, 24);
    Add(K::Button, "PrintSpec", "PRTX", "H.Copy", 86, 4, 78, 24);
    Add(K::Button, "FWHM", "PRTX", "FWHM Calic.", 4, 34, 78, 24);
    Add(K::Edit, "FwhmVal", "PRTX", "Ch [ keV ]", 86, 36, 78, 19).ReadOnly = true;

    Add(K::Label, "Label20", "CONF", "Data Color", 2, 4, 52, 13);
    FillStandardColours(Add(K::ColorBox, "ColorBox1", "CONF", "", 56, 0, 60, 21), colours::kGreen);
    Add(K::Label, "Label21", "CONF", "Back Color", 2, 27, 52, 13);
    FillStandardColours(Add(K::ColorBox, "ColorBox2", "CONF", "", 56, 23, 60, 21), colours::kBlack);
    Add(K::Button, "Button2", "CONF", "ColorSet", 118, 0, 48, 44);
    Add(K::RadioButton, "LogOfset0", "CONF", "LogOfset  0", 0, 50, 56, 17).Checked = true;
    Add(K::RadioButton, "LogOfset10", "CONF", "LogOfset 10", 56, 50, 56, 17);
    Add(K::RadioButton, "LogOfset100", "CONF", "LogOfset100", 112, 50, 56, 17);

    // Model name, shown once an instrument has identified itself.
    Add(K::Label, "DevID1", "", "Model", 24, 408, 40, 13).Visible = false;
    Add(K::Edit, "Edit3", "", "", 72, 405, 80, 19).Visible = false;
    (*this)["Edit3"].ReadOnly = true;

    // Status line.
    Add(K::Edit, "Edit1", "", "", 536, 405, 175, 18).ReadOnly = true;
    (*this)["Edit1"].AnchorRight = true;

    Add(K::Timer, "Timer1", "", "", 0, 0, 0, 0).Interval = 100;
}

}  // namespace ztmca
