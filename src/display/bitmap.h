#pragma once
// Off-screen raster of 32-bit pixels holding colour values 0x00BBGGRR (red in the low byte),
// which is the byte order of an RGBX image on a little-endian machine. Storage is sized for the
// largest layout at construction; resizing within it never allocates.
#include <cstdint>
#include <vector>

namespace ztmca {

using Colour = std::uint32_t;

namespace colours {
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kCyan = 0xFFFF00;  // also "aqua"
constexpr Colour kDarkRed = 0x000080;
constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kButtonFace = 0xF0F0F0;
constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kMagenta = 0xFF00FF;
constexpr Colour kOrange = 0x0080FF;
}  // namespace colours

class Bitmap {
public:
    Bitmap(int capacityWidth, int capacityHeight, int width, int height);

    void Resize(int width, int height);  // clipped to the capacity; contents undefined afterwards
    int Width() const { return width_; }
    int Height() const { return height_; }
    const Colour* Data() const { return pixels_.data(); }
    Colour* Data() { return pixels_.data(); }

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);  // outside the bitmap: ignored
    void Fill(Colour c);
    void FillRect(int x, int y, int w, int h, Colour c);
    void FillRow(int y, Colour c);

    // Pen drawing as on a window canvas: a line-to draws up to, not including, its end point.
    void SetPen(Colour c) { pen_ = c; }
    Colour Pen() const { return pen_; }
    void MoveTo(int x, int y) { penX_ = x; penY_ = y; }
    void LineTo(int x, int y);

    // Copies the whole of a bitmap of the same size (the overlap where sizes differ).
    void CopyFrom(const Bitmap& source);
    // Draws source with its top-left corner at (x, y), clipped to this bitmap.
    void Draw(const Bitmap& source, int x, int y);

private:
    std::vector<Colour> pixels_;
    int capacityWidth_;
    int capacityHeight_;
    int width_;
    int height_;
    Colour pen_ = colours::kBlack;
    int penX_ = 0;
    int penY_ = 0;
};

}  // namespace ztmca
