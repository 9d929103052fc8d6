#include "display/axis_drawing.h"

#include <cmath>

namespace ztmca {
namespace {

constexpr int kMinorTickLeft = 4;
constexpr int kMinorTickRight = 15;
constexpr int kMajorTickLength = 18;
constexpr int kMinorTickLength = 10;

void HorizontalLine(Bitmap& b, int x0, int x1, int y) {
    b.MoveTo(x0, y);
    b.LineTo(x1, y);
}

void VerticalLine(Bitmap& b, int x, int y0, int y1) {
    b.MoveTo(x, y0);
    b.LineTo(x, y1);
}

}  // namespace

void DrawLogScaleStrip(Bitmap& strip, const Bitmap& blank, int plotHeight, TextRenderer& text) {
    strip.CopyFrom(blank);
    const int d = plotHeight / kLogDecades;
    const int ws = strip.Width(), hs = strip.Height();
    strip.SetPen(colours::kBlack);
    int m = 0;
    for (int decade = 0; decade < kLogDecades; ++decade) {
        const int y = decade * d + 1;
        HorizontalLine(strip, 0, ws, hs - y);
        const char label[3] = {'e', static_cast<char>('0' + decade), '\0'};
        text.DrawText(strip, 1, hs - m - kTextRowHeight, label, colours::kBlack);
        for (int i = 2; i <= 9; ++i) {
            m = static_cast<int>(std::log10(static_cast<double>(i)) * d + 0.5) + y;
            HorizontalLine(strip, kMinorTickLeft, kMinorTickRight, hs - m);
        }
    }
    HorizontalLine(strip, 0, ws, hs - kLogDecades * d);
}

void DrawLinearScaleStrip(Bitmap& strip, const Bitmap& blank, int plotHeight) {
    strip.CopyFrom(blank);
    const int d = plotHeight / kLinearDivisions;
    const int ws = strip.Width(), hs = strip.Height();
    strip.SetPen(colours::kBlack);
    for (int division = 0; division < kLinearDivisions; ++division) {
        HorizontalLine(strip, 0, ws, hs - (division * d + 1));
        for (int i = 1; i <= 9; ++i) {
            const int y = hs - (static_cast<int>(i * d * 0.1 + 0.5) + division * d + 1);
            HorizontalLine(strip, kMinorTickLeft, kMinorTickRight, y);
        }
    }
    HorizontalLine(strip, 0, ws, hs - kLinearDivisions * d);
}

void DrawPlotBackground(Bitmap& background, const Bitmap& blank, const BackgroundStyle& style, TextRenderer& text) {
    background.CopyFrom(blank);
    const int w = background.Width(), h = background.Height();
    const int divisions = style.Log ? kLogDecades : kLinearDivisions;
    const int d = h / divisions;
    background.SetPen(kGridColour);
    for (int i = 0; i <= divisions; ++i) HorizontalLine(background, 0, w, h - (i * d + 1));
    if (style.PhaMode) {
        text.DrawText(background, 180, 4, "sec.PT", style.TextColor);
        text.DrawText(background, 180, 17, "sec.RT", style.TextColor);
        text.DrawText(background, 280, 4, "DT( % )", style.TextColor);
        text.DrawText(background, 280, 17, "sec.LT", style.TextColor);
        text.DrawText(background, 380, 5, "kcps", style.TextColor);
        text.DrawText(background, 380, 18, "kcts", style.TextColor);
    }
    text.DrawText(background, 10, 5, "VFS", style.TextColor);
    if (style.Log) text.DrawText(background, 10, 18, "Log", style.TextColor);
}

void DrawChannelTicks(Bitmap& strip, const Bitmap& blank, std::int32_t startCh, std::int32_t endCh) {
    strip.CopyFrom(blank);
    const std::int64_t span = static_cast<std::int64_t>(endCh) - startCh;
    if (span <= 0) return;
    const std::int64_t w = strip.Width();
    std::int64_t c = 10;
    std::int64_t n = span / 10;
    // Each wider interval is tried only when the narrower one gave too many ticks.
    if (n > 25) {
        c = 50;
        n = span / 50;
        if (n > 10) {
            c = 100;
            n = span / 100;
            if (n > 10) {
                c = 200;
                n = span / 200;
            }
        }
    }
    const std::int64_t r = startCh % c;
    strip.SetPen(colours::kBlack);
    for (std::int64_t k = 0; k <= n; ++k) {
        const int x = static_cast<int>((k * c + r) * w / span);
        VerticalLine(strip, x, 0, kMajorTickLength);
        if (c <= 10) continue;
        for (std::int64_t i = 1; i <= 9; ++i) {
            const int dx = static_cast<int>(static_cast<double>(i * w * c / span) * 0.1 + 0.5);
            VerticalLine(strip, x + dx, 0, kMinorTickLength);
        }
    }
}

}  // namespace ztmca
