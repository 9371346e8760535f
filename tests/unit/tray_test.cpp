// The tray side of the form: notifications, popup commands, the icon handed
// to the shell at every tick, Exit and a restarted shell.
#include <gtest/gtest.h>

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

const std::u16string kQuiz = u"C:\\KX\\quiz.kxd";

// Counts the icons alive while the shell is being handed each record.
class IconCheckingTray final : public TrayShell {
 public:
  explicit IconCheckingTray(fake::FakeTray& inner, const int& liveIcons)
      : inner_(inner), liveIcons_(liveIcons) {}
  bool Add(const TrayData& data) override { return inner_.Add(data); }
  bool Modify(const TrayData& data) override {
    liveAtModify.push_back(liveIcons_);
    return inner_.Modify(data);
  }
  bool Delete(const TrayData& data) override { return inner_.Delete(data); }

  std::vector<int> liveAtModify;

 private:
  fake::FakeTray& inner_;
  const int& liveIcons_;
};

class TrayTest : public ::testing::Test {
 protected:
  TrayTest() {
    module.AppPath = u"C:\\KX\\";
    module.IniPath = u"C:\\KX\\KXT.ini";
  }
  ~TrayTest() override {
    if (form) form->Form_Unload();
  }

  void Load(const std::string& quiz, int twipsPerPixel = 15, const std::string& moreIni = {}) {
    module.TwipsPerPixelX = twipsPerPixel;
    module.TwipsPerPixelY = twipsPerPixel;
    fake.files.contents[kQuiz] = quiz;
    fake.files.contents[module.IniPath] = "[FilePath]\r\nKX_FILE=C:\\KX\\quiz.kxd\r\n" + moreIni;
    module.QuestionFilePath = kQuiz;
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
    const TickerEngine* ticker = form->Ticker();
    if (ticker == nullptr) throw std::logic_error("the form has no ticker");
    return *ticker;
  }
  int Count(const std::string& kind) const {
    int n = 0;
    for (const auto& call : fake.tray.calls) n += call.kind == kind ? 1 : 0;
    return n;
  }

  fake::FakePlatform fake;
  IconCheckingTray checkingTray{fake.tray, fake.graphics.liveIcons};
  Platform platform{fake.strings, fake.dialogs,  fake.environment, fake.files, fake.timer,
                    checkingTray, fake.graphics, fake.window,      fake.random};
  basRuvoZava module;
  std::optional<frmRuvoZava> form;
};

// The ticker's own rules are tested with the engine; here, that the
// notifications and the settings reach it.
TEST_F(TrayTest, LeftButtonSkipsAndTextsScrollInTheColoursOfTheSettings) {
  Load(Record(u"ABCD", u"XY"), 15, "[COLOR]\r\nQUESTION=3\r\nANSWER=2\r\n");
  Ticks(2);
  EXPECT_EQ(Engine().Fields().CurrentColor, ColorTable[3]);
  Notify(kWmLButtonDown);
  Ticks(1);
  EXPECT_EQ(fake.graphics.glyphsDrawn, (std::vector<std::u16string>{u"A", u"X"}));
  EXPECT_EQ(Engine().Fields().CurrentColor, ColorTable[2]);
  EXPECT_EQ(Engine().TrayCanvas().At(15, 5), ColorTable[2]);
}

TEST_F(TrayTest, DoubleClickAndSettingsShowTheWindowWithTheMenuHidden) {
  Load(Record(u"A", u"B"));
  ASSERT_TRUE(form->MenuVisible());
  Notify(kWmLButtonDblClk);
  EXPECT_TRUE(fake.window.visible);
  EXPECT_FALSE(form->MenuVisible());

  fake.window.visible = false;
  form->PopUp_Click(kPopUpSettings);
  EXPECT_TRUE(fake.window.visible);
  EXPECT_FALSE(form->MenuVisible());
}

TEST_F(TrayTest, RightButtonOpensThePopupAndOtherMessagesDoNothing) {
  Load(Record(u"ABCD", u"XY"), 12);
  Ticks(1);
  fake.log.clear();
  for (int message : {0x200, 0x202, 0x205, 0x206, 0x207, 0x208, 0x209, 100}) Notify(message);
  // Not a notification: real movement over the window, and an x that is
  // not a whole number of pixels.
  form->Form_MouseMove(0, 0, 4199.0f, 0.0f);
  EXPECT_TRUE(fake.log.empty());
  EXPECT_EQ(Engine().Fields().TickerState, kQuestionScrolling);
  EXPECT_TRUE(form->MenuVisible());

  Notify(kWmRButtonDown);
  EXPECT_EQ(fake.window.popups, 1);
  // 516 pixels at 12 twips, a little off: still 516.
  form->Form_MouseMove(0, 0, 516.0f * 12.0f + 11.4f, 0.0f);
  EXPECT_EQ(fake.window.popups, 2);
  // 516 pixels at 15 twips read at 12 is another number: nothing.
  form->Form_MouseMove(0, 0, 516.0f * 15.0f, 0.0f);
  EXPECT_EQ(fake.window.popups, 2);
  EXPECT_FALSE(fake.window.visible);
}

TEST_F(TrayTest, EachTickHandsTheShellTheCanvasAndKeepsOneIconAlive) {
  Load(Record(u"全角とABC", u"答え") + Record(u"次", u"x"));
  const int ticks = 10'000;
  Ticks(ticks);
  EXPECT_EQ(Count("modify"), ticks);
  EXPECT_EQ(fake.graphics.iconsMade, ticks);
  EXPECT_EQ(fake.graphics.liveIcons, 1);
  // The previous icon lives until the shell has its successor.
  ASSERT_EQ(checkingTray.liveAtModify.size(), static_cast<std::size_t>(ticks));
  EXPECT_EQ(checkingTray.liveAtModify.front(), 1);
  for (std::size_t i = 1; i < checkingTray.liveAtModify.size(); ++i) {
    ASSERT_EQ(checkingTray.liveAtModify[i], 2) << i;
  }
  const auto* shown = dynamic_cast<const fake::FakeIcon*>(fake.tray.calls.back().data.icon);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Picture(), Engine().Picture1());
  EXPECT_EQ(fake.tray.calls.back().data.tip, u"KX_RuvoZava");
}

TEST_F(TrayTest, ExitStopsTheTimerRemovesTheIconAndUnloadsOnce) {
  Load(Record(u"AB", u"C"));
  Ticks(3);
  fake.log.clear();
  form->PopUp_Click(kPopUpExit);
  EXPECT_EQ(fake.log, (fake::CallLog{"window unload", "timer off", "tray delete"}));
  EXPECT_FALSE(fake.timer.Enabled());
  EXPECT_FALSE(fake.tray.present);
  EXPECT_EQ(form->Ticker(), nullptr);
  EXPECT_EQ(fake.graphics.liveIcons, 0);
  EXPECT_EQ(fake.files.writes, 0);  // no settings are written at exit

  // A stray tick and a shell restart afterwards.
  form->Timer1_Timer();
  form->TaskbarCreated();
  EXPECT_EQ(Count("delete"), 1);
  EXPECT_EQ(Count("modify"), 3);
  EXPECT_EQ(Count("add"), 1);
}

TEST_F(TrayTest, RestartedShellGetsTheIconBackWithTheCurrentPicture) {
  Load(Record(u"AB", u"C"));
  form->TaskbarCreated();
  ASSERT_EQ(Count("add"), 2);
  EXPECT_EQ(fake.tray.calls.back().data.icon, &fake.graphics.ProgramIcon());
  Ticks(5);
  const Icon* last = fake.tray.calls.back().data.icon;
  form->TaskbarCreated();
  EXPECT_EQ(fake.tray.calls.back().kind, "add");
  EXPECT_EQ(fake.tray.calls.back().data.icon, last);
  EXPECT_EQ(fake.tray.calls.back().data.tip, u"KX_RuvoZava");
  EXPECT_EQ(fake.tray.calls.back().data.id, 1u);
  EXPECT_EQ(fake.tray.calls.back().data.flags, 0x17u);
  EXPECT_EQ(fake.tray.calls.back().data.callbackMessage, 0x200u);
}

}  // namespace
}  // namespace kx
