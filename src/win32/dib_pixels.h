#pragma once
// Surface pixels (0x00BBGGRR) against the 32-bit DIBs of GDI (0xAARRGGBB).

#include <cstdint>

#include "win32/windows_api.h"

namespace kx::win {

inline std::uint32_t SwapRedBlue(std::uint32_t pixel) {
  return (pixel & 0x0000FF00u) | ((pixel & 0x000000FFu) << 16) | ((pixel >> 16) & 0x000000FFu);
}

// A top-down 32-bit layout: row 0 first, as in a Surface.
inline BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace kx::win
