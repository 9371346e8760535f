#include <gtest/gtest.h>

#include <string>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "window/window_layout.h"

namespace kx {
namespace {

// The form loaded as the program loads it on a screen of `dpi`, with the
// points of the window's parts in its client pixels.
struct LoadedWindow {
  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;

  explicit LoadedWindow(std::string ini = {}, int dpi = 96) {
    module.Scale = DisplayScale{dpi};
    fake.window.outerSize = Point{module.Scale.Of(280) + 6, 124};
    module.IniPath = u"C:\\KX\\KXT.ini";
    if (!ini.empty()) fake.files.contents[module.IniPath] = std::move(ini);
    form.emplace(platform, module);
    form->Form_Load();
  }
  ~LoadedWindow() { form->Form_Unload(); }

  // Where a design point of a box lies at the window's scale.
  Point In(Rect box, int x, int y) const {
    const Point in = module.Scale.Of(Point{x, y});
    return {box.left + in.x, box.top + in.y};
  }
  Point Speed(int x, int y = 20) const {
    return In(MakeWindowLayout(module.Scale, 0).speedBox, x, y);
  }
  Point Colour(int box, int x, int y = 8) const {
    return In(MakeWindowLayout(module.Scale, 0).colorAreas[box], x, y);
  }
  void Press(Point p, int button = kLeftButton) { form->ClientMouseDown(p, button, 0); }
  void Move(Point p, int buttons = 0) { form->ClientMouseMove(p, buttons, 0); }
  const std::string& Ini() { return fake.files.contents[module.IniPath]; }
};

TEST(SettingsWindow, LoadResizesTheWindowWhileHidden) {
  LoadedWindow w;
  EXPECT_EQ(w.fake.window.outerSize, (Point{286, 121}));  // 2100 twips less the caption
  EXPECT_FALSE(w.fake.window.visible);
}

constexpr int kDpis[] = {96, 120, 144, 192};

// At every scale a press lands on the level and cell it would at 100 %.
TEST(SettingsWindow, SliderTakesAnyButtonButDragsOnlyWithTheLeftInsideTheBox) {
  for (const int dpi : kDpis) {
    LoadedWindow w({}, dpi);
    const struct {
      Point at;
      int button;  // 0: a move with the left button held
      int level;
    } steps[] = {
        {w.Speed(43), kLeftButton, 1}, {w.Speed(86), kMiddleButton, 2},
        {w.Speed(0), kRightButton, 0}, {w.Speed(42), kLeftButton, 0},
        {w.Speed(50), 0, 1},           {w.Speed(200), 0, 1},
        {w.Speed(100, 41), 0, 1},      {w.Speed(100), 0, 2},
    };
    for (const auto& s : steps) {
      if (s.button != 0)
        w.Press(s.at, s.button);
      else
        w.Move(s.at, kLeftButton);
      EXPECT_EQ(w.form->settings.SpeedLevel, s.level) << dpi << " " << s.at.x << "," << s.at.y;
    }
    w.Move(w.Speed(100), kLeftButton | kRightButton);
    w.Move(w.Speed(10));  // released
    EXPECT_EQ(w.form->settings.SpeedLevel, 2);
    EXPECT_EQ(w.fake.files.writes, 0);  // nothing is saved before the closing click
  }
}

TEST(SettingsWindow, ColourCellsSetTheirOwnSelector) {
  for (const int dpi : kDpis) {
    LoadedWindow w({}, dpi);
    const struct { int x, cell; } cases[] = {{16, 1}, {15, 0}, {47, 2}, {65, 3}};
    for (const auto& c : cases) {
      w.Press(w.Colour(0, c.x), kRightButton);
      EXPECT_EQ(w.form->settings.QuestionColor, c.cell) << dpi << " " << c.x;
    }
    w.Press(w.Colour(1, 40));
    EXPECT_EQ(w.form->settings.AnswerColor, 2) << dpi;
    EXPECT_EQ(w.form->settings.QuestionColor, 3) << dpi;
  }
}

TEST(SettingsWindow, ClosingClickSavesHidesAndAppliesTheSpeedOnlyOnTheBackground) {
  LoadedWindow w;  // no settings file: the first close writes all three keys
  w.fake.window.Show();
  w.fake.timer.SetEnabled(true);
  // Frames, labels, borders and the emblem do not close.
  for (const Point p : {Point{5, 30}, Point{133, 60}, Point{265, 60}, Point{160, 45},
                        Point{192, 38}, Point{5, 5}, Point{10, 100}}) {
    w.Press(p);
    EXPECT_TRUE(w.fake.window.visible) << p.x << "," << p.y;
  }
  w.Press(w.Speed(110));
  w.Press({200, 5}, kRightButton);  // the title band
  EXPECT_FALSE(w.fake.window.visible);
  EXPECT_TRUE(w.form->MenuVisible());
  EXPECT_EQ(w.fake.timer.Interval(), 150);
  EXPECT_TRUE(w.fake.timer.Enabled());
  EXPECT_EQ(w.Ini(), "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n");
  w.Press({270, 100}, kMiddleButton);  // nothing changed since: no second write
  EXPECT_EQ(w.fake.files.writes, 1);
}

// The shell's notifications reach the window as moves with x = the mouse
// message and a word that reads as the left button held. While a press on
// the window holds the mouse, its moves are no notifications, wherever they
// pass; once the capture ends, notifications arrive again.
TEST(SettingsWindow, DragsReadNoTrayMessagesButTrayMessagesArriveAfterThem) {
  LoadedWindow w;
  for (const Point p : {w.Speed(30), w.Colour(0, 20), Point{5, 30}}) {
    for (const int button : {kLeftButton, kRightButton}) {
      w.fake.window.Hide();
      w.Press(p, button);
      for (const int x : {kWmLButtonDown, kWmLButtonDblClk, kWmRButtonDown}) {
        w.Move({x, p.y}, button);
      }
      EXPECT_FALSE(w.fake.window.visible || w.fake.window.popups) << p.x << "," << p.y;
      w.form->ClientCaptureEnded();
      w.Move({kWmLButtonDblClk, 0}, kLeftButton);
      EXPECT_TRUE(w.fake.window.visible) << p.x << "," << p.y << " " << button;
    }
  }
}

// From 200 % the window is wider than the message numbers: a plain move
// across it is no notification.
TEST(SettingsWindow, PlainMovesAcrossAWideWindowAreNoTrayMessages) {
  LoadedWindow w({}, 192);
  for (const int y : {1, 10, 200}) w.Move({kWmRButtonDown, y});
  EXPECT_EQ(w.fake.window.popups, 0);
  w.Move({kWmRButtonDown, 0}, kLeftButton);
  EXPECT_EQ(w.fake.window.popups, 1);
}

TEST(SettingsWindow, LinkOpensTheAddressAndLightsUpUnderThePointer) {
  LoadedWindow w;
  const Point link{20, 100};
  EXPECT_TRUE(w.form->ShowsHandCursor(link));
  EXPECT_FALSE(w.form->ShowsHandCursor({20, 80}));
  w.form->ClientClick({20, 80});
  w.form->ClientClick(link);
  EXPECT_EQ(w.fake.window.openedAddresses,
            std::vector<std::u16string>{u"http://www.kxquiz.example"});
  const auto colour = [&] { return w.form->ClientPicture().At(8, 96); };
  w.Move(link);
  EXPECT_EQ(colour(), kLinkMagenta);
  w.Move({5, 30});  // onto a frame: stays lit
  EXPECT_EQ(colour(), kLinkMagenta);
  w.Move({270, 100});  // the bare background
  EXPECT_EQ(colour(), kLinkBlue);
  w.Move(link);
  w.form->Form_MouseMove(0, 0, static_cast<float>(kWmMouseMove), 0);  // a tray message
  EXPECT_EQ(colour(), kLinkBlue);
  // Tray messages arrive many times a second: no redraw while nothing changes.
  const int refreshes = w.fake.window.refreshes;
  w.form->Form_MouseMove(0, 0, static_cast<float>(kWmMouseMove), 0);
  EXPECT_EQ(w.fake.window.refreshes, refreshes);
}

}  // namespace
}  // namespace kx
