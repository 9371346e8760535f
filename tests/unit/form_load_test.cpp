// The start-up sequence as the tray and the ticker see it: which tip, whether
// the ticker runs, and that the icon is added last.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;

const std::u16string kQuiz = u"C:\\KX\\quiz.kxd";

struct Started {
  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;

  // `storedPath`: the KX_FILE value; `quiz`: the file there, if any.
  Started(const std::u16string& storedPath, const std::optional<std::string>& quiz,
          const std::string& moreIni = {}) {
    module.AppPath = u"C:\\KX\\";
    module.IniPath = u"C:\\KX\\KXT.ini";
    module.TwipsPerPixelX = 15;
    module.TwipsPerPixelY = 15;
    fake.files.contents[module.IniPath] =
        moreIni + "[FilePath]\r\nKX_FILE=" + fake::Narrow(storedPath) + "\r\n";
    if (quiz) fake.files.contents[kQuiz] = *quiz;
    form.emplace(platform, module);
    form->Form_Load();
  }
  ~Started() { form->Form_Unload(); }

  std::ptrdiff_t Position(const std::string& entry) const {
    return std::find(fake.log.begin(), fake.log.end(), entry) - fake.log.begin();
  }
  const fake::TrayCall& Added() const { return fake.tray.calls.front(); }
};

TEST(FormLoad, WithoutAFileTheProgramIconWaitsWithTheTimerOff) {
  Started s(u"", std::nullopt);
  ASSERT_EQ(s.fake.tray.calls.size(), 1u);
  EXPECT_EQ(s.Added().kind, "add");
  EXPECT_EQ(s.Added().data.tip, u"Fileを読み込んで下さい。");
  EXPECT_EQ(s.Added().data.icon, &s.fake.graphics.ProgramIcon());
  EXPECT_FALSE(s.fake.timer.Enabled());
  EXPECT_EQ(s.Position("timer on"), static_cast<std::ptrdiff_t>(s.fake.log.size()));
  EXPECT_TRUE(s.fake.dialogs.messages.empty());
  // The surfaces and the glyph font are ready all the same.
  ASSERT_NE(s.form->Ticker(), nullptr);
  EXPECT_EQ(s.fake.graphics.glyphFace, u"ＭＳ ゴシック");
  EXPECT_EQ(s.fake.graphics.glyphPoints, 11);
  EXPECT_EQ(s.fake.random.seeds, 1);
}

TEST(FormLoad, AFileThatLoadsStartsTheTickerAndAddsTheIconLast) {
  Started s(kQuiz, Record(u"問題", u"答") + Record(u"Q", u"A"));
  EXPECT_EQ(s.module.Questions.count, 2);
  EXPECT_EQ(s.Added().data.tip, u"KX_RuvoZava");
  EXPECT_EQ(s.Added().data.icon, &s.fake.graphics.ProgramIcon());
  EXPECT_TRUE(s.fake.timer.Enabled());
  EXPECT_LT(s.Position("glyph font ＭＳ ゴシック"), s.Position("read C:\\KX\\quiz.kxd"));
  EXPECT_LT(s.Position("read C:\\KX\\quiz.kxd"), s.Position("timer on"));
  EXPECT_EQ(s.fake.log.back(), "tray add");
  // The first tick draws the first character of a question at once.
  s.form->Timer1_Timer();
  ASSERT_EQ(s.fake.graphics.glyphsDrawn.size(), 1u);
  EXPECT_TRUE(s.fake.graphics.glyphsDrawn[0] == u"問" || s.fake.graphics.glyphsDrawn[0] == u"Q");
}

TEST(FormLoad, AFileThatFailsShowsTheMessageThenScrollsTheSample) {
  Started s(kQuiz, std::nullopt);
  ASSERT_EQ(s.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(s.fake.dialogs.messages[0].title, u"File読込Error");
  EXPECT_LT(s.Position("message File読込Error"), s.Position("tray add"));
  EXPECT_EQ(s.Added().data.tip, u"Fileを読み込んで下さい。");
  EXPECT_TRUE(s.fake.timer.Enabled());
  EXPECT_EQ(s.fake.log.back(), "tray add");
  EXPECT_EQ(s.module.Questions.count, 0);
  s.form->Timer1_Timer();
  EXPECT_EQ(s.fake.graphics.glyphsDrawn, std::vector<std::u16string>{u"全"});
}

TEST(FormLoad, ReadsSettingsAndPathThenSetsTheIntervalWritingNothing) {
  Started s(u" C:\\q.kxd ", std::nullopt, "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=3\r\n");
  EXPECT_EQ(s.form->settings.SpeedLevel, 2);
  EXPECT_EQ(s.form->settings.QuestionColor, 3);
  EXPECT_EQ(s.form->settings.AnswerColor, 1);
  EXPECT_EQ(s.module.QuestionFilePath, u"C:\\q.kxd");
  EXPECT_EQ(s.fake.timer.Interval(), 150);
  EXPECT_LT(s.Position("read C:\\KX\\KXT.ini"), s.Position("timer interval 150"));
  EXPECT_EQ(s.Position("write C:\\KX\\KXT.ini"), static_cast<std::ptrdiff_t>(s.fake.log.size()));
}

}  // namespace
}  // namespace kx
