// Colour scheme, the "Config.." page and the highlighting of the page tabs.
#include <initializer_list>

#include "app/main_form.h"
#include "display/view_helpers.h"

namespace ztmca {
namespace {

constexpr int kPhaPage = 1;

// Texts stay readable on any background: black on light colours, white on dark ones.
Colour TextColourFor(Colour back) {
    const unsigned r = back & 0xFF, g = (back >> 8) & 0xFF, b = (back >> 16) & 0xFF;
    return 299 * r + 587 * g + 114 * b >= 128000 ? colours::kBlack : colours::kWhite;
}

void HighlightOnly(MainForm& form, std::initializer_list<const char*> tabs, int selected) {
    int index = 0;
    for (const char* tab : tabs) form[tab].Highlighted = index++ == selected;
}

void ApplyScheme(MainForm& form, Colour back) {
    SetPlotColours(form, back, TextColourFor(back));
    form.SetColour("ColorBox2", back);
    DrawCurrentAxis(form);
    form.RequestRedraw(true);
}

}  // namespace

void MainForm::Button2Click() {
    // Two schemes alternate: white texts on black (the start-up scheme) and black on white.
    ApplyScheme(*this, Display.TextColor == colours::kBlack ? colours::kBlack : colours::kWhite);
}

void MainForm::ColorBox1Change() {
    Display.DataColor = (*this)["ColorBox1"].Color;
    RequestRedraw(true);
}

void MainForm::ColorBox2Change() { ApplyScheme(*this, (*this)["ColorBox2"].Color); }

void MainForm::LogOfsetClick(std::int32_t offset) {
    Display.LogOffset = offset;
    if (Display.LogScale == 1) RequestRedraw(true);
}

void MainForm::AXFMChange() {
    const int page = (*this)["AXFM"].ItemIndex;
    // The MCS page stays visible when selected: it is how MCS acquisitions are reached.
    HighlightOnly(*this, {"SXFM", "VOZE", "ROISet"}, page);
    if (page != kPhaPage) return;
    SetChecked("MemBank0", true);
    SetChecked("MemBank1", false);
    (*this)["MemBank0"].Color = colours::kCyan;
    (*this)["MemBank1"].Color = colours::kSilver;
    (*this)["Edit12"].Color = colours::kCyan;
}

void MainForm::MISCChange() { HighlightOnly(*this, {"ECAL", "PRTX", "CONF"}, (*this)["MISC"].ItemIndex); }

}  // namespace ztmca
