// Environment and graphics of the binding against the real (Wine's) Win32.
// The window, found by its title, and the timer ticking are seen end to end.
// The real window and timers, told in the system's own messages that nobody
// can see the tray, get not one timer message until that ends. The
// display's state comes in a record the message points to, which only a
// message sent inside this process can carry.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "unit/question_test_records.h"
#include "win32/dib_pixels.h"
#include "win32/environment_win.h"
#include "win32/graphics_win.h"
#include "win32/window_win.h"
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

// Handles this thread's messages for a while; how many were timer messages.
int WakeUpsIn(DWORD milliseconds) {
  int timers = 0;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(5))
    for (MSG m{}; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE); (void)DispatchMessageW(&m))
      timers += m.message == WM_TIMER;
  return timers;
}

TEST(VisibilityWatch, NoWakeUpWhileLockedDarkOrAsleep) {
  fake::FakePlatform fake;
  fake.files.contents[u"C:\\Program Files\\KX\\bundled.kxd"] = testing::Record(u"問題", u"答");
  WindowWin window(GetModuleHandleW(nullptr));
  TimerWin timer([&] { return window.Handle(); });
  const Platform platform{fake.strings, fake.dialogs,  fake.environment, fake.files, timer,
                          fake.tray,    fake.graphics, window,           fake.random};
  basRuvoZava module;
  frmRuvoZava form(platform, module);
  ASSERT_TRUE(Main(platform, module, [&] {
    if (window.Create(form, module.Scale)) form.Form_Load();
  }));
  struct {
    GUID setting;
    DWORD length, state;  // 0 off, 1 on
  } display{{0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}}, 4, 0};
  const LPARAM record = reinterpret_cast<LPARAM>(&display);
  for (const auto& [message, begin, end, data] :
       {std::tuple<UINT, WPARAM, WPARAM, LPARAM>{WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                                                 PBT_POWERSETTINGCHANGE, record},
        {WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, WTS_SESSION_UNLOCK, LPARAM{0}},
        {WM_POWERBROADCAST, PBT_APMSUSPEND, PBT_APMRESUMEAUTOMATIC, LPARAM{0}}}) {
    EXPECT_GE(WakeUpsIn(500), 3) << begin;  // every 100 ms
    (void)SendMessageW(window.Handle(), message, begin, data);
    EXPECT_EQ(WakeUpsIn(1000), 0) << begin;
    display.state = 1;  // the display is on again
    (void)SendMessageW(window.Handle(), message, end, data);
  }
  EXPECT_GE(WakeUpsIn(500), 3);
}

}  // namespace
}  // namespace kx::win
