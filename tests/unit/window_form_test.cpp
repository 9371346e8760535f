// The form: the tray's notifications and icon, Exit, a restarted shell, and
// the settings window's presses, drags, closing click and link.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "unit/question_test_records.h"
#include "window/window_layout.h"

namespace kx {
namespace {

// The form loaded as the program loads it on a screen of `dpi`.
struct Loaded {
  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;

  explicit Loaded(int dpi = 96, int twipsPerPixel = 15, const std::string& moreIni = {}) {
    module.Scale = DisplayScale{dpi};
    module.TwipsPerPixelX = module.TwipsPerPixelY = twipsPerPixel;
    module.IniPath = u"C:\\KX\\KXT.ini";
    fake.files.contents[u"C:\\KX\\q.kxd"] = testing::Record(u"ABCD", u"XY");
    fake.files.contents[module.IniPath] = "[FilePath]\r\nKX_FILE=C:\\KX\\q.kxd\r\n" + moreIni;
    form.emplace(platform, module);
    fake.window.onUnload = [this] { form->Form_Unload(); };
    form->Form_Load();
  }
  ~Loaded() { form->Form_Unload(); }

  // The shell's notification: the message number as x pixels, in twips.
  void Notify(int message, float off = 0) {
    form->Form_MouseMove(0, 0, static_cast<float>(message * module.TwipsPerPixelX) + off, 0);
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) form->Timer1_Timer();
  }
  // Client pixels of a design point in the speed box or a colour box.
  Point In(int box, int x, int y = 8) const {
    const WindowLayout l = MakeWindowLayout(module.Scale, 0);
    const Rect r = box < 0 ? l.speedBox : l.colorAreas[box];
    return {r.left + module.Scale.Of(x), r.top + module.Scale.Of(y)};
  }
  void Press(Point p, int button = kLeftButton) { form->ClientMouseDown(p, button, 0); }
  void Move(Point p, int buttons = 0) { form->ClientMouseMove(p, buttons, 0); }
};

// Only whole pixels that are one of the three messages act.
TEST(Tray, NotificationsSkipShowTheSettingsAndOpenThePopup) {
  Loaded w(96, 12, "[COLOR]\r\nQUESTION=3\r\nANSWER=2\r\n");
  w.Ticks(2);
  for (int message : {0x200, 0x202, 0x205, 0x206, 0x207, 0x208, 0x209, 100}) w.Notify(message);
  w.Notify(349, 11);        // real movement: no whole number of pixels
  w.Notify(516 * 15 / 12);  // 516 at 15 twips is another number
  EXPECT_EQ(w.fake.window.popups + w.fake.window.visible, 0);
  EXPECT_EQ(w.form->Ticker()->TrayCanvas().At(15, 5), ColorTable[3]);
  w.Notify(kWmLButtonDown);
  w.Ticks(1);
  EXPECT_EQ(w.fake.graphics.glyphsDrawn, (std::vector<std::u16string>{u"A", u"X"}));
  EXPECT_EQ(w.form->Ticker()->TrayCanvas().At(15, 5), ColorTable[2]);
  w.Notify(kWmRButtonDown, 11.4f);  // a little off: still 516
  EXPECT_EQ(w.fake.window.popups, 1);
  w.Notify(kWmLButtonDblClk);
  EXPECT_TRUE(w.fake.window.visible && !w.form->MenuVisible());
}

// The previous icon lives until the shell has its successor, then goes; an
// icon that cannot be built leaves the last one in the tray, and a restarted
// shell gets that one back. Exit stops the timer and removes the icon once;
// a stray tick or shell restart after it brings nothing back.
TEST(Tray, EachTickHandsTheShellOneNewIconUntilExit) {
  Loaded w;
  std::vector<int> liveAtModify;
  w.fake.tray.onModify = [&] { liveAtModify.push_back(w.fake.graphics.liveIcons); };
  w.Ticks(300);
  EXPECT_EQ(std::count(liveAtModify.begin() + 1, liveAtModify.end(), 2), 299);
  EXPECT_EQ(w.fake.graphics.liveIcons, 1);
  const auto* shown = dynamic_cast<const fake::FakeIcon*>(w.fake.tray.calls.back().data.icon);
  const TickerEngine* ticker = w.form->Ticker();
  ASSERT_TRUE(shown != nullptr && ticker != nullptr);
  EXPECT_EQ(shown->Picture(), ticker->Picture1());
  w.fake.graphics.failIcons = true;
  w.Ticks(3);
  w.form->TaskbarCreated();
  EXPECT_EQ(w.fake.tray.calls.size(), 302u);
  EXPECT_EQ(w.fake.tray.calls.back().data.icon, shown);
  const int stopsBefore = w.fake.timer.stops;
  w.form->PopUp_Click(kPopUpExit);
  w.form->Timer1_Timer();
  w.form->TaskbarCreated();
  EXPECT_EQ(w.fake.timer.stops - stopsBefore, 1);
  EXPECT_EQ(w.fake.graphics.liveIcons, 0);
  EXPECT_EQ(w.fake.tray.calls.size(), 303u);
  EXPECT_EQ(w.fake.tray.calls.back().kind, "delete");
}

// At every scale a press lands on the level and cell it would at 100 %, and
// only the left button alone drags the knob, inside the box.
TEST(SettingsWindow, PressesAndDragsLandOnTheSameLevelAndCellAtEveryScale) {
  for (const int dpi : {96, 120, 144, 192}) {
    Loaded w(dpi);
    const struct {
      int x, y, button, level;  // button 0: a move with the left button held
    } steps[] = {{43, 20, kLeftButton, 1}, {86, 20, kMiddleButton, 2},
                 {0, 20, kRightButton, 0}, {42, 20, kLeftButton, 0},
                 {50, 20, 0, 1},           {200, 20, 0, 1},
                 {100, 41, 0, 1},          {100, 20, 0, 2}};
    for (const auto& s : steps) {
      s.button ? w.Press(w.In(-1, s.x, s.y), s.button) : w.Move(w.In(-1, s.x, s.y), kLeftButton);
      EXPECT_EQ(w.form->settings.SpeedLevel, s.level) << dpi << " " << s.x << "," << s.y;
    }
    w.Move(w.In(-1, 10, 20), kLeftButton | kRightButton);
    EXPECT_EQ(w.form->settings.SpeedLevel, 2) << dpi;
    for (const auto& [x, cell] : {std::pair{15, 0}, {16, 1}, {47, 2}, {65, 3}}) {
      w.Press(w.In(0, x), kRightButton);
      EXPECT_EQ(w.form->settings.QuestionColor, cell) << dpi << " " << x;
    }
  }
}

TEST(SettingsWindow, ClosingClickSavesWhatChangedAndAppliesTheSpeed) {
  Loaded w;  // no settings yet: the first close writes all three keys
  w.fake.window.Show();
  // Frames, labels, borders and the emblem do not close.
  for (const Point p : {Point{5, 30}, Point{160, 45}, Point{192, 38}, Point{5, 5}}) w.Press(p);
  EXPECT_TRUE(w.fake.window.visible);
  w.Press(w.In(-1, 110, 20));
  w.Press(w.In(1, 40));
  w.Press({200, 5}, kRightButton);  // the title band
  EXPECT_TRUE(!w.fake.window.visible && w.form->MenuVisible() && w.fake.timer.Enabled());
  EXPECT_EQ(w.fake.timer.Interval(), 150);
  EXPECT_EQ(
      w.fake.files.contents[w.module.IniPath],
      "[FilePath]\r\nKX_FILE=C:\\KX\\q.kxd\r\n[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\n"
      "ANSWER=2\r\n");
  w.Press({270, 100}, kMiddleButton);  // nothing changed since: no second write
  EXPECT_EQ(w.fake.files.writes, 1);
}

// The shell's notifications reach the window as moves with x = the mouse
// message and a word that reads as the left button held. While a press on
// the window holds the mouse, its moves are no notifications, wherever they
// pass; once the capture ends, notifications arrive again. From 200 % the
// window is wider than the message numbers: a plain move is none either.
TEST(SettingsWindow, DragsAndPlainMovesReadNoTrayMessages) {
  Loaded w(192);
  for (const int y : {1, 10, 200}) w.Move({kWmRButtonDown, y});
  EXPECT_EQ(w.fake.window.popups, 0);
  for (const Point p : {w.In(-1, 30, 20), w.In(0, 20), Point{5, 30}}) {
    for (const int button : {kLeftButton, kRightButton}) {
      w.fake.window.Hide();
      w.Press(p, button);
      for (const int x : {kWmLButtonDown, kWmLButtonDblClk, kWmRButtonDown})
        w.Move({x, p.y}, button);
      EXPECT_FALSE(w.fake.window.visible || w.fake.window.popups) << p.x << "," << p.y;
      w.form->ClientCaptureEnded();
      w.Move({kWmLButtonDblClk, 0}, kLeftButton);
      EXPECT_TRUE(w.fake.window.visible) << p.x << "," << p.y << " " << button;
    }
  }
}

TEST(SettingsWindow, LinkOpensTheAddressAndLightsUpUnderThePointer) {
  Loaded w;
  w.form->ClientClick({20, 80});
  w.form->ClientClick({20, 100});
  EXPECT_EQ(w.fake.window.openedAddresses,
            std::vector<std::u16string>{u"http://www.kxquiz.example"});
  w.Move({20, 100});
  EXPECT_TRUE(w.form->ShowsHandCursor({20, 100}) && !w.form->ShowsHandCursor({20, 80}));
  EXPECT_EQ(w.form->ClientPicture().At(8, 96), kLinkMagenta);
  w.Notify(kWmMouseMove);
  EXPECT_EQ(w.form->ClientPicture().At(8, 96), kLinkBlue);
}

}  // namespace
}  // namespace kx
