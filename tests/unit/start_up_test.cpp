// Start-up: the module values, a second copy refused, and the variants as
// the tray and the ticker see them: which tip and icon, whether the ticker
// runs, and that a message comes before the icon.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/form.h"
#include "app/module.h"
#include "fake/fake_platform.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;

TEST(FormLoad, StartUpVariants) {
  const std::u16string kPleaseLoad = u"Fileを読み込んで下さい。";
  const struct {
    std::string ini;
    std::optional<std::string> quiz;
    bool message, timer;
    std::u16string tip;
    std::int32_t count;
  } cases[] = {
      {"", std::nullopt, false, false, kPleaseLoad, 0},
      {"[FilePath]\r\nKX_FILE= C:\\KX\\q.kxd \r\n", Record(u"問題", u"答") + Record(u"Q", u"A"),
       false, true, u"KX_RuvoZava", 2},
      {"[FilePath]\r\nKX_FILE=C:\\KX\\q.kxd\r\n", std::nullopt, true, true, kPleaseLoad, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini);
    fake::FakePlatform fake;
    Platform platform = fake.Services();
    basRuvoZava module;
    module.IniPath = u"C:\\KX\\KXT.ini";
    fake.files.contents[module.IniPath] = c.ini;
    if (c.quiz) fake.files.contents[u"C:\\KX\\q.kxd"] = *c.quiz;
    bool iconBeforeMessage = false;
    fake.dialogs.onMessage = [&](const auto&) { iconBeforeMessage = !fake.tray.calls.empty(); };
    frmRuvoZava form(platform, module);
    form.Form_Load();
    EXPECT_EQ(fake.dialogs.messages.size(), c.message ? 1u : 0u);
    EXPECT_FALSE(iconBeforeMessage);
    ASSERT_EQ(fake.tray.calls.size(), 1u);
    EXPECT_EQ(fake.tray.calls[0].data.tip, c.tip);
    EXPECT_EQ(fake.tray.calls[0].data.icon, &fake.graphics.ProgramIcon());
    EXPECT_EQ(fake.timer.Enabled(), c.timer);
    EXPECT_EQ(module.Questions.count, c.count);
    EXPECT_EQ(fake.files.writes, 0);
    form.Form_Unload();
  }
}

TEST(Main, SetsTheModuleValuesOrRefusesASecondCopy) {
  fake::FakePlatform fake;
  fake.environment.folder = u"D:\\KX";
  // 7.5 twips per pixel goes to the even 8; no dpi at all to the usual 15.
  fake.environment.screen.dpiX = 192;
  fake.environment.screen.dpiY = 0;
  basRuvoZava module;
  int loaded = 0;
  EXPECT_TRUE(Main(fake.Services(), module, [&] { ++loaded; }));
  EXPECT_EQ(module.IniPath, u"D:\\KX\\KXT.ini");
  EXPECT_EQ(module.TwipsPerPixelX, 8);
  EXPECT_EQ(module.TwipsPerPixelY, 15);
  fake.environment.windowTitles.insert(u"KX_RuvoZava");
  EXPECT_FALSE(Main(fake.Services(), module, [&] { ++loaded; }));
  EXPECT_EQ(loaded, 1);
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text, u"多重起動は出来ません。");
  EXPECT_EQ(fake.files.writes + fake.tray.Count("add"), 0);
}

}  // namespace
}  // namespace kx
