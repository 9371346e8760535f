#pragma once
// A rectangle of 32-bit pixels (0x00BBGGRR) owned by portable code. The tray
// canvas, the glyph surface, the knob image and the settings window's boxes
// are all surfaces; the platform only rasterises text into them and turns
// them into icons or screen pixels.

#include <cstddef>
#include <span>
#include <vector>

#include "forms/geometry.h"

namespace kx {

// How a block copy combines source and destination, after the platform's
// raster operations SRCCOPY, SRCPAINT and SRCAND.
enum class RasterOp { kCopy, kOr, kAnd };

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }

  Color At(int x, int y) const;
  void Set(int x, int y, Color color);
  void Fill(Color color);
  // Clipped to the surface; right and bottom exclusive.
  void FillRect(Rect rect, Color color);

  // Copies the width x height block at (sourceX, sourceY) of `source` to
  // (destX, destY) here. Source pixels outside `source` read as black, the
  // way a glyph's empty columns give the gap between characters; destination
  // pixels outside this surface are skipped. A copy within one surface may
  // overlap.
  void Blit(const Surface& source, int sourceX, int sourceY, int width, int height, int destX,
            int destY, RasterOp op = RasterOp::kCopy);

  // The ticker's two copies without Blit's temporary block, so a tick
  // allocates nothing. ShiftLeft(n) is Blit(*this, n, 0, Width() - n,
  // Height(), 0, 0): the rightmost n columns keep their pixels.
  void ShiftLeft(int columns);
  // Blit(source, sourceX, 0, count, Height(), destX, 0) with kCopy.
  void CopyColumns(const Surface& source, int sourceX, int count, int destX);

  std::span<const Color> Pixels() const { return pixels_; }
  std::span<Color> Pixels() { return pixels_; }

  friend bool operator==(const Surface&, const Surface&) = default;

 private:
  std::size_t IndexOf(int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace kx
