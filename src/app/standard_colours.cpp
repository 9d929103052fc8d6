#include "app/standard_colours.h"

namespace ztmca {

const NamedColour kStandardColours[16] = {
    {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
};

void FillStandardColours(Control& colourBox, Colour selected) {
    colourBox.Items.clear();
    colourBox.ItemColours.clear();
    colourBox.ItemIndex = -1;
    for (const NamedColour& c : kStandardColours) {
        if (c.Value == selected) colourBox.ItemIndex = static_cast<int>(colourBox.Items.size());
        colourBox.Items.emplace_back(c.Name);
        colourBox.ItemColours.push_back(c.Value);
    }
    colourBox.Color = selected;
}

}  // namespace ztmca
