// Environment, timer, graphics and window of the binding against the real
// (Wine's) Win32.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "version.h"
#include "win32/dib_pixels.h"
#include "win32/environment_win.h"
#include "win32/font_choice.h"
#include "win32/graphics_win.h"
#include "win32/timer_win.h"
#include "win32/window_win.h"
#include "win32/windows_api.h"

namespace kx::win {
namespace {

// A plain hidden top-level window, destroyed at the end of the scope.
class ScratchWindow {
 public:
  explicit ScratchWindow(const wchar_t* title)
      : window_(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {}
  ScratchWindow(const ScratchWindow&) = delete;
  ScratchWindow& operator=(const ScratchWindow&) = delete;
  ~ScratchWindow() { DestroyWindow(window_); }
  HWND Get() const { return window_; }

 private:
  HWND window_;
};

TEST(EnvironmentWin, ReadsTheVersionRecordAndTheProgramFolder) {
  EnvironmentWin environment;
  EXPECT_EQ(environment.Version().major, KX_VERSION_MAJOR);
  EXPECT_EQ(environment.Version().minor, KX_VERSION_MINOR);
  const std::u16string folder = environment.ProgramFolder();
  EXPECT_EQ(ProgramFilePath().substr(0, folder.size()), folder);
  EXPECT_EQ(folder.back(), u'\\');
}

TEST(TimerWin, TicksOnlyWhileEnabled) {
  const ScratchWindow window(L"kx timer");
  TimerWin timer([&] { return window.Get(); });
  MSG message{};
  const auto ticked = [&] {
    Sleep(60);
    bool any = false;
    while (PeekMessageW(&message, window.Get(), WM_TIMER, WM_TIMER, PM_REMOVE)) {
      any = any || message.wParam == kTimer1Id;
    }
    return any;
  };
  timer.SetInterval(10);
  EXPECT_FALSE(ticked());
  timer.SetEnabled(true);
  EXPECT_TRUE(ticked());
  timer.SetEnabled(false);
  (void)ticked();  // a tick may have been queued before the kill
  EXPECT_FALSE(ticked());
  EXPECT_EQ(timer.Interval(), 10);
}

class GraphicsWinTest : public ::testing::Test {
 protected:
  GraphicsWin graphics_{GetModuleHandleW(nullptr)};
};

TEST_F(GraphicsWinTest, AMissingFaceFallsBackToAnInstalledGothic) {
  graphics_.SelectGlyphFont(u"no such face kx", 11);
  const auto& face = graphics_.GlyphFace();
  const auto* end = std::end(kGothicFallbacks);
  if (std::find(std::begin(kGothicFallbacks), end, face) == end) {
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
