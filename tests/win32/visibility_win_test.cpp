// The real window and timers, told in the system's own messages that nobody
// can see the tray: not one timer message until that ends, then the ticker
// goes on. The display's state comes in a record the message points to,
// which only a message sent inside this process can carry.
#include <gtest/gtest.h>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "unit/question_test_records.h"
#include "win32/window_win.h"

namespace kx::win {
namespace {

// Handles this thread's messages for a while; how many were timer messages.
int WakeUpsIn(DWORD milliseconds) {
  int timers = 0;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(5)) {
    for (MSG m{}; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE); (void)DispatchMessageW(&m))
      timers += m.message == WM_TIMER;
  }
  return timers;
}

TEST(VisibilityWatch, NoWakeUpWhileLockedDarkOrAsleep) {
  fake::FakePlatform fake;
  fake.files.contents[u"C:\\Program Files\\KX\\KXT.ini"] = "[FilePath]\r\nKX_FILE=C:\\q.kxd\r\n";
  fake.files.contents[u"C:\\q.kxd"] = testing::Record(u"問題", u"答");
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
