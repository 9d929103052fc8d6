#include "app/about_form.h"

#include <cmath>

namespace ztmca {
namespace {

// A small gamma spectrum: falling continuum with one photopeak, green on black.
void DrawPicture(Bitmap& b) {
    b.Fill(colours::kBlack);
    const int w = b.Width(), h = b.Height();
    b.SetPen(colours::kDarkRed);
    for (int d = 1; d < 4; ++d) {
        b.MoveTo(0, h - d * h / 4);
        b.LineTo(w, h - d * h / 4);
    }
    b.SetPen(colours::kGreen);
    for (int x = 0; x < w; ++x) {
        const double t = static_cast<double>(x) / w;
        const double continuum = 0.55 * std::exp(-3.0 * t);
        const double peak = 0.8 * std::exp(-std::pow((t - 0.68) / 0.035, 2.0));
        const int y = h - 1 - static_cast<int>((continuum + peak) * (h - 4));
        b.MoveTo(x, h - 1);
        b.LineTo(x, y);
    }
    b.SetPen(colours::kRed);
    b.MoveTo(static_cast<int>(0.68 * w), 2);
    b.LineTo(static_cast<int>(0.68 * w), 12);
}

}  // namespace

AboutForm::AboutForm(FormHost& host)
    : Form(host, "McaAbout", "TMcaAbout", "About", 298, 170), picture_(64, 64, 64, 64) {
    using K = ControlKind;
    Add(K::Panel, "Panel1", "", "", 8, 8, 282, 118);
    Add(K::Image, "ProgramIcon", "Panel1", "", 8, 8, 64, 64);
    Add(K::Label, "ProductName", "Panel1", kProgramFileName, 88, 16, 180, 13);
    Add(K::Label, "Version", "Panel1", kVersionLine, 88, 40, 180, 13);
    Add(K::Label, "Comments", "Panel1", "Multichannel analyser ZT-740 / ZT-520", 8, 88, 266, 13);
    Add(K::Button, "OKButton", "", "OK", 111, 134, 75, 25);
    On("OKButton", Event::Click, [this] { Result = ModalResult::Ok; });
    DrawPicture(picture_);
}

const Bitmap* AboutForm::Canvas(std::string_view name) const {
    return name == "ProgramIcon" ? &picture_ : nullptr;
}

SystemUtilityForm::SystemUtilityForm(FormHost& host)
    : Form(host, "SystemUtility", "TSystemUtility", "System Utility", 300, 200) {}

}  // namespace ztmca
