#pragma once
// Plain geometry and colour types that cross the forms layer, so no portable
// header ever needs the platform's own POINT, RECT or COLORREF.

#include <cstdint>

namespace kx {

// 0x00BBGGRR, the byte order of the platform's COLORREF.
using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}

inline constexpr Color kBlack = 0x00000000;
inline constexpr Color kWhite = 0x00FFFFFF;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in the platform's RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The display's logical resolution. Everything on screen is designed in
// pixels of 96 dpi (100 %) and enlarged by dpi / 96: positions and sizes
// through Of(), rounded down so that neighbouring parts still meet; lines
// and borders by the whole factor Line(), so they stay evenly thick.
struct DisplayScale {
  int dpi = 96;

  constexpr int Of(int designPixels) const { return FloorDiv(designPixels * dpi, 96); }
  constexpr Point Of(Point p) const { return Point{Of(p.x), Of(p.y)}; }
  constexpr Rect Of(Rect r) const { return Rect{Of(r.left), Of(r.top), Of(r.right), Of(r.bottom)}; }
  constexpr int Line() const { return dpi >= 192 ? dpi / 96 : 1; }
  // The design pixel whose enlarged span holds this pixel: the inverse of Of.
  constexpr int ToDesign(int pixels) const { return FloorDiv((pixels + 1) * 96 - 1, dpi); }
  // Rounded down on both sides of 0, so that the mapping has no seam there.
  static constexpr int FloorDiv(int n, int d) { return n >= 0 ? n / d : -((d - 1 - n) / d); }
  friend bool operator==(const DisplayScale&, const DisplayScale&) = default;
};

}  // namespace kx
