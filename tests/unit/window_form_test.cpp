#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "window/window_layout.h"

namespace kx {
namespace {

constexpr Color kKnobCorner = 0x00FFE2E2;

// The form loaded as the program loads it, with the points of the window's
// parts in client pixels at 15 twips per pixel.
struct LoadedWindow {
  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;

  explicit LoadedWindow(std::string ini = {}, int dpi = 96) {
    module.Scale = DisplayScale{dpi};
    fake.window.outerSize = Point{module.Scale.Of(280) + 6, 124};
    module.IniPath = u"C:\\KX\\KXT.ini";
    module.VersionTitle = u"KX_RuvoZava Version 1.0 Level 15";
    if (!ini.empty()) fake.files.contents[module.IniPath] = std::move(ini);
    form.emplace(platform, module);
    form->Form_Load();
    fake.log.clear();
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
  const std::string& Ini() { return fake.files.contents[module.IniPath]; }
  int Writes() { return fake.files.writes; }
  bool KnobAt(int level) const {
    const Point p = Speed(level * 56, 1);
    return form->ClientPicture().At(p.x, p.y) == kKnobCorner;
  }
};

TEST(SettingsWindow, LoadResizesTheWindowAndDrawsEverythingWhileHidden) {
  LoadedWindow w("[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nANSWER=3\r\n");
  const fake::FakePlatform& fake = w.fake;
  // 2100 twips less a 19-pixel caption; the width stays.
  EXPECT_EQ(fake.window.outerSize, (Point{286, 121}));
  EXPECT_FALSE(fake.window.visible);
  EXPECT_EQ(fake.graphics.windowFace, u"ＭＳ ゴシック");
  EXPECT_FLOAT_EQ(fake.graphics.windowPoints, 9.75f);
  const Surface& c = w.form->ClientPicture();
  ASSERT_EQ(c.Width(), 280);
  ASSERT_EQ(c.Height(), 115);
  EXPECT_EQ(c.At(100, 0), TitleBandColor(44));
  EXPECT_EQ(c.At(100, 18), kBlack);
  EXPECT_EQ(c.At(24, 2), kWhite);  // the version title
  EXPECT_NE(std::find(fake.graphics.textsDrawn.begin(), fake.graphics.textsDrawn.end(),
                      w.module.VersionTitle),
            fake.graphics.textsDrawn.end());
  // Knob at the saved level, frames at the saved colours.
  EXPECT_EQ(c.At(12 + 112, 45), kKnobCorner);
  EXPECT_EQ(c.At(194 + 1, 41), kColorMarkGreen);       // question: default 0
  EXPECT_EQ(c.At(194 + 48 + 1, 65), kColorMarkGreen);  // answer: 3
  EXPECT_EQ(c.At(8, 96), kLinkBlue);
  EXPECT_GT(fake.window.refreshes, 0);
}

constexpr int kDpis[] = {96, 120, 144, 192};

TEST(SettingsWindow, SliderPressesWithAnyButton) {
  for (const int dpi : kDpis) {
    LoadedWindow w({}, dpi);
    const struct {
      int x, button, level;
    } cases[] = {{43, kLeftButton, 1}, {86, kMiddleButton, 2}, {0, kRightButton, 0},
                 {42, kLeftButton, 0}, {120, kLeftButton, 2},  {85, kLeftButton, 1}};
    for (const auto& c : cases) {
      w.form->ClientMouseDown(w.Speed(c.x), c.button, 0);
      EXPECT_EQ(w.form->settings.SpeedLevel, c.level) << dpi << " " << c.x;
      EXPECT_TRUE(w.KnobAt(c.level)) << dpi << " " << c.x;
      w.form->ClientMouseMove(w.Speed(c.x), 0, 0);
    }
    EXPECT_EQ(w.Writes(), 0);  // nothing is saved before the closing click
  }
}

TEST(SettingsWindow, DragMovesTheKnobOnlyWithTheLeftButtonInsideTheBox) {
  LoadedWindow w;
  w.form->ClientMouseDown(w.Speed(10), kLeftButton, 0);
  ASSERT_EQ(w.form->settings.SpeedLevel, 0);
  w.form->ClientMouseMove(w.Speed(50), kLeftButton, 0);
  EXPECT_EQ(w.form->settings.SpeedLevel, 1);
  EXPECT_TRUE(w.KnobAt(1));
  // Held outside the box: the box still gets the moves, and ignores them.
  for (const Point p : {w.Speed(200), w.Speed(100, 41)}) {
    w.form->ClientMouseMove(p, kLeftButton, 0);
    EXPECT_EQ(w.form->settings.SpeedLevel, 1) << p.x << "," << p.y;
  }
  w.form->ClientMouseMove(w.Speed(100), kLeftButton | kRightButton, 0);
  EXPECT_EQ(w.form->settings.SpeedLevel, 1);
  w.form->ClientMouseMove(w.Speed(100), kLeftButton, 0);
  EXPECT_EQ(w.form->settings.SpeedLevel, 2);
  // Released, a move over the box changes nothing.
  w.form->ClientMouseMove(w.Speed(10), 0, 0);
  EXPECT_EQ(w.form->settings.SpeedLevel, 2);
}

TEST(SettingsWindow, ColourCellsSetTheirOwnSelector) {
  for (const int dpi : kDpis) {
    LoadedWindow w({}, dpi);
    const struct { int x, cell; } cases[] = {{16, 1}, {65, 3}, {15, 0}, {47, 2}, {0, 0}};
    for (const auto& c : cases) {
      w.form->ClientMouseDown(w.Colour(0, c.x), kRightButton, 0);
      EXPECT_EQ(w.form->settings.QuestionColor, c.cell) << dpi << " " << c.x;
      EXPECT_EQ(w.form->settings.AnswerColor, 1) << dpi << " " << c.x;
      const Point frame = w.Colour(0, c.cell * 16 + 1, 1);
      EXPECT_EQ(w.form->ClientPicture().At(frame.x, frame.y), kColorMarkGreen) << dpi << c.x;
    }
  }
  LoadedWindow w;
  w.form->ClientMouseDown(w.Colour(1, 40), kLeftButton, 0);
  EXPECT_EQ(w.form->settings.AnswerColor, 2);
  EXPECT_EQ(w.form->settings.QuestionColor, 0);
  const Point old = w.Colour(1, 16 + 1, 1);
  EXPECT_EQ(w.form->ClientPicture().At(old.x, old.y), kBlack);
}

TEST(SettingsWindow, ClosingClickSavesHidesAndAppliesTheSpeed) {
  LoadedWindow w("[SCROLL]\r\nSPEED=1\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n");
  w.fake.window.Show();
  w.fake.timer.SetEnabled(true);
  const struct { int x, interval; } cases[] = {{10, 50}, {60, 100}, {110, 150}, {110, 150}};
  for (const auto& c : cases) {
    w.form->ClientMouseDown(w.Speed(c.x), kLeftButton, 0);
    w.form->ClientMouseDown({200, 5}, kRightButton, 0);  // the title band
    EXPECT_FALSE(w.fake.window.visible);
    EXPECT_TRUE(w.form->MenuVisible());
    EXPECT_EQ(w.fake.timer.Interval(), c.interval);
    EXPECT_TRUE(w.fake.timer.Enabled());
  }
  EXPECT_NE(w.Ini().find("SPEED=2"), std::string::npos);
  // Save, then hide, then the interval.
  const auto write = std::find(w.fake.log.begin(), w.fake.log.end(), "write C:\\KX\\KXT.ini");
  const auto hide = std::find(w.fake.log.begin(), w.fake.log.end(), "window hide");
  EXPECT_LT(write, hide);
  EXPECT_EQ(w.fake.log.back(), "timer interval 150");
}

TEST(SettingsWindow, SecondCloseWithoutChangesWritesNothing) {
  LoadedWindow w;  // no settings file: the first close writes all three keys
  w.form->ClientMouseDown({270, 100}, kLeftButton, 0);
  EXPECT_EQ(w.Writes(), 1);
  EXPECT_NE(w.Ini().find("SPEED=1"), std::string::npos);
  EXPECT_NE(w.Ini().find("QUESTION=0"), std::string::npos);
  EXPECT_NE(w.Ini().find("ANSWER=1"), std::string::npos);
  w.form->ClientMouseDown({270, 100}, kMiddleButton, 0);
  EXPECT_EQ(w.Writes(), 1);
  EXPECT_EQ(w.fake.timer.Interval(), 100);
}

TEST(SettingsWindow, FramesLabelsBordersAndTheEmblemDoNotClose) {
  LoadedWindow w;
  w.fake.window.Show();
  for (const Point p : {Point{5, 30}, Point{133, 60}, Point{265, 60}, Point{160, 45},
                        Point{160, 70}, Point{192, 38}, Point{5, 5}, Point{10, 100}}) {
    w.form->ClientMouseDown(p, kLeftButton, 0);
    w.form->ClientMouseMove(p, 0, 0);
    EXPECT_TRUE(w.fake.window.visible) << p.x << "," << p.y;
  }
  EXPECT_EQ(w.Writes(), 0);
  EXPECT_EQ(std::count(w.fake.log.begin(), w.fake.log.end(), "window hide"), 0);
  EXPECT_EQ(std::count(w.fake.log.begin(), w.fake.log.end(), "timer interval 100"), 0);
}

// The shell's notifications reach the window as moves with x = the mouse
// message and a word that reads as the left button held; a drag that leaves
// the window may pass those x too.
TEST(SettingsWindow, TrayMessagesArriveOnlyWhileNoPressHoldsTheMouse) {
  LoadedWindow w;
  for (const Point p : {w.Speed(30), w.Colour(0, 20), Point{5, 30}}) {
    for (const int button : {kLeftButton, kRightButton}) {
      w.fake.window.Hide();
      w.form->ClientMouseDown(p, button, 0);
      for (const int x : {kWmLButtonDown, kWmLButtonDblClk, kWmRButtonDown}) {
        w.form->ClientMouseMove({x, p.y}, button, 0);
      }
      EXPECT_FALSE(w.fake.window.visible || w.fake.window.popups) << p.x << "," << p.y;
      w.form->ClientCaptureEnded();
      w.form->ClientMouseMove({kWmLButtonDblClk, 0}, kLeftButton, 0);
      EXPECT_TRUE(w.fake.window.visible) << p.x << "," << p.y << " " << button;
    }
  }
  // At 200 % the window is wider than the message numbers: moving across it
  // opens no menu; the shell's right press still does.
  LoadedWindow wide({}, 192);
  for (const int y : {1, 10, 200}) wide.form->ClientMouseMove({kWmRButtonDown, y}, 0, 0);
  EXPECT_EQ(wide.fake.window.popups, 0);
  wide.form->ClientMouseMove({kWmRButtonDown, 0}, kLeftButton, 0);
  EXPECT_EQ(wide.fake.window.popups, 1);
}

TEST(SettingsWindow, LinkOpensTheAddressAndLightsUpUnderThePointer) {
  LoadedWindow w;
  const Point link{20, 100};
  EXPECT_TRUE(w.form->ShowsHandCursor(link));
  EXPECT_FALSE(w.form->ShowsHandCursor({20, 80}));
  w.form->ClientClick({20, 80});
  EXPECT_TRUE(w.fake.window.openedAddresses.empty());
  w.form->ClientClick(link);
  ASSERT_EQ(w.fake.window.openedAddresses.size(), 1u);
  EXPECT_EQ(w.fake.window.openedAddresses[0], u"http://www.kxquiz.example");

  const auto colour = [&] { return w.form->ClientPicture().At(8, 96); };
  w.form->ClientMouseMove(link, 0, 0);
  EXPECT_EQ(colour(), kLinkMagenta);
  w.form->ClientMouseMove({5, 30}, 0, 0);  // onto a frame: stays lit
  EXPECT_EQ(colour(), kLinkMagenta);
  w.form->ClientMouseMove({270, 100}, 0, 0);  // the bare background
  EXPECT_EQ(colour(), kLinkBlue);
  w.form->ClientMouseMove(link, 0, 0);
  w.form->Form_MouseMove(0, 0, static_cast<float>(kWmMouseMove), 0);  // a tray message
  EXPECT_EQ(colour(), kLinkBlue);
  // Tray messages arrive many times a second: no redraw while nothing changes.
  const int refreshes = w.fake.window.refreshes;
  w.form->Form_MouseMove(0, 0, static_cast<float>(kWmMouseMove), 0);
  EXPECT_EQ(w.fake.window.refreshes, refreshes);
}

}  // namespace
}  // namespace kx
