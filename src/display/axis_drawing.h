#pragma once
// The vertical scale strip, the plot background (grid and unit texts) and the channel-axis strip.
#include <cstdint>

#include "display/bitmap.h"
#include "display/text_renderer.h"

namespace ztmca {

constexpr Colour kGridColour = colours::kDarkRed;
constexpr int kLogDecades = 6;
constexpr int kLinearDivisions = 5;

// Six decades of plotHeight / 6 pixels with the labels "e0" .. "e5".
void DrawLogScaleStrip(Bitmap& strip, const Bitmap& blank, int plotHeight, TextRenderer& text);
// Five divisions of plotHeight / 5 pixels, ten minor ticks each, no labels.
void DrawLinearScaleStrip(Bitmap& strip, const Bitmap& blank, int plotHeight);

struct BackgroundStyle {
    bool Log = true;
    bool PhaMode = true;  // the unit texts of the read-outs are written only in PHA modes
    Colour TextColor = colours::kWhite;
};

void DrawPlotBackground(Bitmap& background, const Bitmap& blank, const BackgroundStyle& style, TextRenderer& text);

// Major ticks every 10, 50, 100 or 200 channels, minor ticks at tenths of the wider intervals.
// A range whose end is not above its start gets no ticks.
void DrawChannelTicks(Bitmap& strip, const Bitmap& blank, std::int32_t startCh, std::int32_t endCh);

}  // namespace ztmca
