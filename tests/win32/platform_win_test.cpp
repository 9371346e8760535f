// Environment and graphics of the binding against the real (Wine's) Win32.
// The window, found by its title, and the timer ticking are seen end to end.
#include <gtest/gtest.h>

#include <algorithm>

#include "win32/dib_pixels.h"
#include "win32/environment_win.h"
#include "win32/graphics_win.h"
#include "win32/windows_api.h"

namespace kx::win {
namespace {

// The program is version 1.15; the test carries the program's version record.
TEST(EnvironmentWin, ReadsTheVersionRecord) {
  EnvironmentWin environment;
  EXPECT_EQ(environment.Version().major, 1);
  EXPECT_EQ(environment.Version().minor, 15);
}

// The ticker's pictures hold only the text colour and black: no blending.
TEST(GraphicsWin, GlyphsAreDrawnInExactlyTheirColourAndMeasured) {
  GraphicsWin graphics{GetModuleHandleW(nullptr)};
  graphics.SelectGlyphFont(u"ＭＳ ゴシック", 11);
  Surface wide(20, 20);
  Surface narrow(20, 20);
  const int wideWidth = graphics.DrawGlyph(u"荒", 0x0000FF00, wide);
  EXPECT_GT(wideWidth, graphics.DrawGlyph(u"A", 0x0020C0FF, narrow));
  EXPECT_LE(wideWidth, 20);
  for (const auto& [glyph, color] :
       {std::pair{&wide, Color{0x0000FF00}}, {&narrow, Color{0x0020C0FF}}}) {
    const auto pixels = glyph->Pixels();
    const auto lit = std::count(pixels.begin(), pixels.end(), color);
    EXPECT_GT(lit, 4) << "the character left no pixels";
    EXPECT_EQ(static_cast<std::size_t>(lit + std::count(pixels.begin(), pixels.end(), kBlack)),
              pixels.size());
  }
}

TEST(GraphicsWin, IconsShowExactlyThePicture) {
  GraphicsWin graphics{GetModuleHandleW(nullptr)};
  Surface picture(16, 16);
  for (int i = 0; i < 256; ++i)
    picture.Set(i % 16, i / 16, Rgb(static_cast<std::uint8_t>(i), 0x40, 7));
  const auto icon = graphics.MakeIcon(picture);
  const HICON handle = HandleOf(icon.get());
  ASSERT_NE(handle, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(handle, &info));
  const UniqueBitmap colour(info.hbmColor);
  const UniqueBitmap mask(info.hbmMask);
  BITMAPINFO format = TopDownBitmapInfo(16, 16);
  std::uint32_t bits[256] = {};
  const WindowDc screen(nullptr);
  ASSERT_EQ(GetDIBits(screen.Get(), colour.Get(), 0, 16, bits, &format, DIB_RGB_COLORS), 16);
  for (int i = 0; i < 256; ++i) {
    const Color color = SwapRedBlue(bits[i] & 0x00FFFFFFu);
    ASSERT_EQ(color, picture.Pixels()[static_cast<std::size_t>(i)]) << "pixel " << i;
  }
  EXPECT_EQ(graphics.MakeIcon(Surface()), nullptr);  // the system builds none
}

}  // namespace
}  // namespace kx::win
