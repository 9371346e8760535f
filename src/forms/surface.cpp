#include "forms/surface.h"

#include <algorithm>
#include <cassert>

namespace kx {

Surface::Surface(int width, int height, Color fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {
  assert(width >= 0 && height >= 0 && "a surface cannot have a negative size");
}

std::size_t Surface::IndexOf(int x, int y) const {
  assert(x >= 0 && x < width_ && y >= 0 && y < height_ && "pixel outside the surface");
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
         static_cast<std::size_t>(x);
}

// Checked access where a pixel's place is computed: a fault that asks for one
// outside stops there rather than reading or writing past the pixels.
Color Surface::At(int x, int y) const { return pixels_.at(IndexOf(x, y)); }

void Surface::Set(int x, int y, Color color) { pixels_.at(IndexOf(x, y)) = color; }

void Surface::Fill(Color color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Surface::FillRect(Rect rect, Color color) {
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, width_);
  const int bottom = std::min(rect.bottom, height_);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) pixels_[IndexOf(x, y)] = color;
  }
}

void Surface::Blit(const Surface& source, int sourceX, int sourceY, int width, int height,
                   int destX, int destY, RasterOp op) {
  if (width <= 0 || height <= 0) return;
  // Read the whole block first so that an overlapping copy within one surface
  // sees the pixels as they were, as the platform's block copy does.
  std::vector<Color> block(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                           kBlack);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int sx = sourceX + x;
      const int sy = sourceY + y;
      if (sx >= 0 && sx < source.width_ && sy >= 0 && sy < source.height_) {
        block.at(static_cast<std::size_t>(y * width + x)) = source.At(sx, sy);
      }
    }
  }
  for (int y = 0; y < height; ++y) {
    const int dy = destY + y;
    if (dy < 0 || dy >= height_) continue;
    for (int x = 0; x < width; ++x) {
      const int dx = destX + x;
      if (dx < 0 || dx >= width_) continue;
      const Color s = block.at(static_cast<std::size_t>(y * width + x));
      Color& d = pixels_.at(IndexOf(dx, dy));
      switch (op) {
        case RasterOp::kCopy: d = s; break;
        case RasterOp::kOr: d |= s; break;
        case RasterOp::kAnd: d &= s; break;
      }
    }
  }
}

void Surface::ShiftLeft(int columns) {
  if (columns <= 0 || columns >= width_) return;
  const auto keep = static_cast<std::ptrdiff_t>(width_ - columns);
  for (int y = 0; y < height_; ++y) {
    const auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(IndexOf(0, y));
    // Moving to the left, a forward copy never reads a pixel it has overwritten.
    std::copy(row + columns, row + columns + keep, row);
  }
}

void Surface::CopyColumns(const Surface& source, int sourceX, int count, int destX) {
  if (&source == this) {
    Blit(source, sourceX, 0, count, height_, destX, 0);
    return;
  }
  for (int i = 0; i < count; ++i) {
    const int dx = destX + i;
    if (dx < 0 || dx >= width_) continue;
    const int sx = sourceX + i;
    const bool inside = sx >= 0 && sx < source.width_;
    for (int y = 0; y < height_; ++y) {
      pixels_.at(IndexOf(dx, y)) = inside && y < source.height_ ? source.At(sx, y) : kBlack;
    }
  }
}

}  // namespace kx
