// Environment, graphics and window of the binding against the real
// (Wine's) Win32. The timer ticking is seen end to end.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "version.h"
#include "win32/dib_pixels.h"
#include "win32/environment_win.h"
#include "forms/font_choice.h"
#include "win32/graphics_win.h"
#include "win32/window_win.h"
#include "win32/windows_api.h"

namespace kx::win {
namespace {

TEST(EnvironmentWin, ReadsTheVersionRecordAndTheProgramFolder) {
  EnvironmentWin environment;
  EXPECT_EQ(environment.Version().major, KX_VERSION_MAJOR);
  EXPECT_EQ(environment.Version().minor, KX_VERSION_MINOR);
  const std::u16string folder = environment.ProgramFolder();
  EXPECT_EQ(ProgramFilePath().substr(0, folder.size()), folder);
  EXPECT_EQ(folder.back(), u'\\');
}

class GraphicsWinTest : public ::testing::Test {
 protected:
  GraphicsWin graphics_{GetModuleHandleW(nullptr)};
};

TEST_F(GraphicsWinTest, AMissingFaceFallsBackToAnInstalledGothic) {
  graphics_.SelectGlyphFont(u"no such face kx", 11);
  const auto& face = graphics_.GlyphFace();
  const auto* end = std::end(kx::kGothicFallbacks);
  if (std::find(std::begin(kx::kGothicFallbacks), end, face) == end) {
    GTEST_SKIP() << "no Japanese Gothic face installed";
  }
  EXPECT_TRUE(IsFontInstalled(face));
}

// The ticker's pictures hold only the text colour and black: no blending.
TEST_F(GraphicsWinTest, GlyphsAreDrawnInExactlyTheirColourAndMeasured) {
  graphics_.SelectGlyphFont(u"ＭＳ ゴシック", 11);
  Surface wide(20, 20);
  Surface narrow(20, 20);
  const int wideWidth = graphics_.DrawGlyph(u"荒", 0x0000FF00, wide);
  EXPECT_GT(wideWidth, graphics_.DrawGlyph(u"A", 0x0020C0FF, narrow));
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

TEST_F(GraphicsWinTest, IconsShowExactlyThePicture) {
  Surface picture(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x)
      picture.Set(x, y,
                  Rgb(static_cast<std::uint8_t>(x * 16), 0x40, static_cast<std::uint8_t>(y * 16)));
  }
  const auto icon = graphics_.MakeIcon(picture);
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
  EXPECT_NE(HandleOf(&graphics_.ProgramIcon()), nullptr);
  EXPECT_EQ(graphics_.MakeIcon(Surface()), nullptr);  // the system builds none
}

TEST(WindowWin, IsHiddenFoundByTitleAndLosesItsCaption) {
  fake::FakePlatform fake;
  const Platform services = fake.Services();
  basRuvoZava module;
  frmRuvoZava form(services, module);
  WindowWin window(GetModuleHandleW(nullptr));
  ASSERT_TRUE(window.Create(form));
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(FindWindowW(nullptr, L"KX_RuvoZava"), window.Handle());

  const Point outer = window.OuterSize();
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  window.RemoveCaption(outer.x, outer.y - caption);
  EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(window.OuterSize(), (Point{outer.x, outer.y - caption}));

  window.Unload();
  EXPECT_EQ(window.Handle(), nullptr);
  EXPECT_EQ(FindWindowW(nullptr, L"KX_RuvoZava"), nullptr);
  MSG quit{};
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace kx::win
