// The two layouts of the spectrum area: a 512 x 300 plot, and 1024 x 600 while maximized.
#include <array>

#include "app/main_form.h"
#include "display/view_helpers.h"

namespace ztmca {
namespace {

struct LabelPlace {
    const char* Name;
    int NormalLeft;
    int LargeLeft;
};

// The read-out line under the plot, left to right.
constexpr std::array<LabelPlace, 9> kLabels = {{
    {"Label1", 20, 40},
    {"Label3", 98, 200},
    {"Label5", 144, 300},
    {"Label8", 168, 340},
    {"Label9", 200, 400},
    {"Label6", 236, 470},
    {"Label7", 256, 500},
    {"Label10", 312, 600},
    {"Label2", 490, 1020},
}};

struct Layout {
    const char* StatusText;
    int PaintBoxWidth, PaintBoxHeight;
    int PlotWidth, PlotHeight;
    int StripWidth;
    int PlotX0, AxisStripY;
    int LabelTop;
    bool Large;
};

constexpr Layout kNormal{"Normal", 530, 320, 512, 300, 15, 18, 300, 385, false};
constexpr Layout kLarge{"Maximized", 1050, 620, 1024, 600, 26, 26, 600, 685, true};
constexpr int kChannelStripHeight = 20;

void ApplyLayout(MainForm& form, const Layout& layout) {
    form.SetText("Edit1", layout.StatusText);
    Control& paintBox = form["PaintBox1"];
    paintBox.Width = layout.PaintBoxWidth;
    paintBox.Height = layout.PaintBoxHeight;
    DisplayBitmaps& b = form.Bitmaps;
    for (Bitmap* plot : {&b.PlotBitmap, &b.PlotBackground, &b.PlotBlank}) plot->Resize(layout.PlotWidth, layout.PlotHeight);
    b.ScaleStrip.Resize(layout.StripWidth, layout.PlotHeight);
    b.ScaleStripBlank.Resize(layout.StripWidth, layout.PlotHeight);
    b.ChannelStrip.Resize(layout.PlotWidth, kChannelStripHeight);
    b.ChannelStripBlank.Resize(layout.PlotWidth, kChannelStripHeight);
    const Bitmap& fill = layout.Large ? b.BackFillLarge : b.BackFillNormal;
    for (Bitmap* plot : {&b.PlotBitmap, &b.PlotBackground, &b.PlotBlank}) plot->CopyFrom(fill);
    for (const LabelPlace& label : kLabels) {
        Control& c = form[label.Name];
        c.Left = layout.Large ? label.LargeLeft : label.NormalLeft;
        c.Top = layout.LabelTop;
    }
    form.Display.PlotX0 = layout.PlotX0;
    form.Display.PlotY0 = 0;
    form.Display.AxisStripY = layout.AxisStripY;
    if (layout.Large) {
        form["DevID1"].Visible = false;
        form["Edit3"].Visible = false;
    }
    // The window shows the paint box picture at the paint box's size.
    b.PaintBox.Resize(layout.PaintBoxWidth, layout.PaintBoxHeight);
    b.PaintBox.Fill(colours::kButtonFace);
    form.LargeLayout = layout.Large;
}

}  // namespace

void MainForm::Edit1Click(WindowState previous) {
    // The first resize is the window opening in the layout set up at start-up.
    if (!ResizedBefore) {
        ResizedBefore = true;
        SetText("Edit1", "Normal");
        return;
    }
    if (previous == WindowState::Normal) ApplyLayout(*this, kLarge);
    if (previous == WindowState::Maximized) ApplyLayout(*this, kNormal);

    DisplayBitmaps& b = Bitmaps;
    b.ScaleStripBlank.Fill(colours::kButtonFace);
    b.ScaleStrip.Fill(colours::kButtonFace);
    // The strips' top rows take the plot background, so the colour scheme survives the change.
    for (Bitmap* strip : {&b.ChannelStripBlank, &b.ChannelStrip}) {
        strip->Fill(colours::kButtonFace);
        strip->FillRow(0, Display.BackColor);
        strip->FillRow(1, Display.BackColor);
    }
    DrawCurrentAxis(*this);
    b.PaintBox.Draw(b.ScaleStrip, 0, 0);
    b.PaintBox.Draw(b.ChannelStrip, Display.PlotX0, Display.AxisStripY);
    b.PaintBox.Draw(b.PlotBitmap, Display.PlotX0, Display.PlotY0);
    RequestRedraw(true);
}

}  // namespace ztmca
