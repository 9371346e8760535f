// The tray side of the form: notifications, popup commands, the icon handed
// to the shell at every tick, Exit and a restarted shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;

class TrayTest : public ::testing::Test {
 protected:
  ~TrayTest() override {
    if (form) form->Form_Unload();
  }
  void Load(const std::string& quiz, int twipsPerPixel = 15, const std::string& moreIni = {}) {
    module.IniPath = u"C:\\KX\\KXT.ini";
    module.TwipsPerPixelX = module.TwipsPerPixelY = twipsPerPixel;
    fake.files.contents[u"C:\\KX\\q.kxd"] = quiz;
    fake.files.contents[module.IniPath] = "[FilePath]\r\nKX_FILE=C:\\KX\\q.kxd\r\n" + moreIni;
    form.emplace(platform, module);
    fake.window.onUnload = [this] { form->Form_Unload(); };
    form->Form_Load();
  }
  // The shell's notification: the message number as x pixels, in twips.
  void Notify(int message) {
    form->Form_MouseMove(0, 0, static_cast<float>(message * module.TwipsPerPixelX), 0.0f);
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) form->Timer1_Timer();
  }
  const TickerEngine& Engine() const {
    if (form->Ticker() == nullptr) throw std::logic_error("the form has no ticker");
    return *form->Ticker();
  }

  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;
};

TEST_F(TrayTest, LeftButtonSkipsAndTextsScrollInTheColoursOfTheSettings) {
  Load(Record(u"ABCD", u"XY"), 15, "[COLOR]\r\nQUESTION=3\r\nANSWER=2\r\n");
  Ticks(2);
  EXPECT_EQ(Engine().Fields().CurrentColor, ColorTable[3]);
  Notify(kWmLButtonDown);
  Ticks(1);
  EXPECT_EQ(fake.graphics.glyphsDrawn, (std::vector<std::u16string>{u"A", u"X"}));
  EXPECT_EQ(Engine().TrayCanvas().At(15, 5), ColorTable[2]);
}

TEST_F(TrayTest, DoubleClickAndSettingsShowTheWindowWithTheMenuHidden) {
  Load(Record(u"A", u"B"));
  Notify(kWmLButtonDblClk);
  EXPECT_TRUE(fake.window.visible);
  EXPECT_FALSE(form->MenuVisible());
  fake.window.visible = false;
  form->PopUp_Click(kPopUpSettings);
  EXPECT_TRUE(fake.window.visible);
}

TEST_F(TrayTest, RightButtonOpensThePopupAndOtherMessagesDoNothing) {
  Load(Record(u"ABCD", u"XY"), 12);
  Ticks(1);
  for (int message : {0x200, 0x202, 0x205, 0x206, 0x207, 0x208, 0x209, 100}) Notify(message);
  // Real movement over the window: an x that is no whole number of pixels.
  form->Form_MouseMove(0, 0, 4199.0f, 0.0f);
  EXPECT_EQ(Engine().Fields().TickerState, kQuestionScrolling);
  EXPECT_EQ(fake.window.popups, 0);
  EXPECT_FALSE(fake.window.visible);
  Notify(kWmRButtonDown);
  EXPECT_EQ(fake.window.popups, 1);
  form->Form_MouseMove(0, 0, 516.0f * 12.0f + 11.4f, 0.0f);  // a little off: still 516
  EXPECT_EQ(fake.window.popups, 2);
  form->Form_MouseMove(0, 0, 516.0f * 15.0f, 0.0f);  // 516 at 15 twips is another number
  EXPECT_EQ(fake.window.popups, 2);
}

// The previous icon lives until the shell has its successor, then goes.
TEST_F(TrayTest, EachTickHandsTheShellTheCanvasAndKeepsOneIconAlive) {
  Load(Record(u"全角とABC", u"答え") + Record(u"次", u"x"));
  std::vector<int> liveAtModify;
  fake.tray.onModify = [&] { liveAtModify.push_back(fake.graphics.liveIcons); };
  Ticks(2000);
  ASSERT_EQ(fake.tray.Count("modify"), 2000);
  EXPECT_EQ(liveAtModify.front(), 1);
  EXPECT_EQ(std::count(liveAtModify.begin(), liveAtModify.end(), 2), 1999);
  EXPECT_EQ(fake.graphics.liveIcons, 1);
  const auto* shown = dynamic_cast<const fake::FakeIcon*>(fake.tray.calls.back().data.icon);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Picture(), Engine().Picture1());
}

TEST_F(TrayTest, ExitStopsTheTimerRemovesTheIconAndUnloadsOnce) {
  Load(Record(u"AB", u"C"));
  Ticks(3);
  const int stopsBefore = fake.timer.stops;
  form->PopUp_Click(kPopUpExit);
  EXPECT_FALSE(fake.timer.Enabled());
  EXPECT_FALSE(fake.tray.present);
  EXPECT_EQ(fake.graphics.liveIcons, 0);
  EXPECT_EQ(fake.files.writes, 0);  // no settings are written at exit
  EXPECT_EQ(fake.timer.stops - stopsBefore, 1);
  EXPECT_EQ(fake.tray.Count("delete"), 1);

  // A stray tick and a shell restart afterwards.
  form->Timer1_Timer();
  form->TaskbarCreated();
  EXPECT_EQ(fake.tray.Count("delete"), 1);
  EXPECT_EQ(fake.tray.Count("modify"), 3);
  EXPECT_EQ(fake.tray.Count("add"), 1);
}

TEST_F(TrayTest, RestartedShellGetsTheIconBackWithTheCurrentPicture) {
  Load(Record(u"AB", u"C"));
  form->TaskbarCreated();
  EXPECT_EQ(fake.tray.calls.back().data.icon, &fake.graphics.ProgramIcon());
  Ticks(5);
  const Icon* last = fake.tray.calls.back().data.icon;
  form->TaskbarCreated();
  EXPECT_EQ(fake.tray.calls.back().kind, "add");
  EXPECT_EQ(fake.tray.calls.back().data.icon, last);
  EXPECT_EQ(fake.tray.calls.back().data.tip, u"KX_RuvoZava");
}

}  // namespace
}  // namespace kx
