#pragma once
// Text onto core bitmaps. The window layer renders with the toolkit's default font; tests use a
// renderer with fixed glyph widths. Implementations must not allocate per call in the redraw.
#include <string_view>

#include "display/bitmap.h"

namespace ztmca {

constexpr int kTextRowHeight = 13;

class TextRenderer {
public:
    virtual ~TextRenderer() = default;
    // Transparent background; (x, y) is the top-left corner of the text cell.
    virtual void DrawText(Bitmap& target, int x, int y, std::string_view text, Colour colour) = 0;
    virtual int TextWidth(std::string_view text) = 0;

    // Right-aligned: the text ends at xEnd.
    void DrawTextEndingAt(Bitmap& target, int xEnd, int y, std::string_view text, Colour colour) {
        DrawText(target, xEnd - TextWidth(text), y, text, colour);
    }
};

}  // namespace ztmca
