#include "display/bitmap.h"

#include <algorithm>
#include <cstdlib>

namespace ztmca {

Bitmap::Bitmap(int capacityWidth, int capacityHeight, int width, int height)
    : pixels_(static_cast<std::size_t>(std::max(capacityWidth, 1)) * static_cast<std::size_t>(std::max(capacityHeight, 1)),
              colours::kBlack),
      capacityWidth_(std::max(capacityWidth, 1)),
      capacityHeight_(std::max(capacityHeight, 1)),
      width_(0),
      height_(0) {
    Resize(width, height);
}

void Bitmap::Resize(int width, int height) {
    width_ = std::clamp(width, 0, capacityWidth_);
    height_ = std::clamp(height, 0, capacityHeight_);
}

Colour Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Bitmap::SetPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Bitmap::Fill(Colour c) {
    std::fill_n(pixels_.begin(), static_cast<std::size_t>(width_) * height_, c);
}

void Bitmap::FillRect(int x, int y, int w, int h, Colour c) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
    for (int yy = y0; yy < y1; ++yy)
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(yy) * width_ + x0, std::max(x1 - x0, 0), c);
}

void Bitmap::FillRow(int y, Colour c) { FillRect(0, y, width_, 1, c); }

void Bitmap::LineTo(int x, int y) {
    int x0 = penX_, y0 = penY_;
    if (x0 == x && x >= 0 && x < width_) {
        // Vertical: the trace's bars. Same pixels as the general case, clipped once.
        const int lo = std::max(y0 < y ? y0 : y + 1, 0);
        const int hi = std::min(y0 < y ? y - 1 : y0, height_ - 1);
        for (int yy = lo; yy <= hi; ++yy) pixels_[static_cast<std::size_t>(yy) * width_ + x] = pen_;
        penY_ = y;
        return;
    }
    // Bresenham from the pen position; the end point itself stays unpainted.
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        SetPixel(x0, y0, pen_);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
    penX_ = x;
    penY_ = y;
}

void Bitmap::CopyFrom(const Bitmap& source) { Draw(source, 0, 0); }

void Bitmap::Draw(const Bitmap& source, int x, int y) {
    const int sx0 = std::max(0, -x), sy0 = std::max(0, -y);
    const int sx1 = std::min(source.width_, width_ - x), sy1 = std::min(source.height_, height_ - y);
    if (sx1 <= sx0) return;
    for (int sy = sy0; sy < sy1; ++sy) {
        const Colour* from = source.pixels_.data() + static_cast<std::size_t>(sy) * source.width_ + sx0;
        Colour* to = pixels_.data() + static_cast<std::size_t>(sy + y) * width_ + (sx0 + x);
        std::copy_n(from, sx1 - sx0, to);
    }
}

}  // namespace ztmca
