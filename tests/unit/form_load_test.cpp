// The start-up variants as the tray and the ticker see them: which tip and
// icon, whether the ticker runs, and that a message comes before the icon.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;

TEST(FormLoad, StartUpVariants) {
  const std::u16string kPleaseLoad = u"Fileを読み込んで下さい。";
  const struct {
    const char* what;
    std::string ini;
    std::optional<std::string> quiz;
    bool message, timer, programIcon;
    std::u16string tip;
    std::int32_t count;
    int interval;
  } cases[] = {
      {"no file", "", std::nullopt, false, false, true, kPleaseLoad, 0, 100},
      {"a file that loads", "[SCROLL]\r\nSPEED=2\r\n[FilePath]\r\nKX_FILE= C:\\KX\\q.kxd \r\n",
       Record(u"問題", u"答") + Record(u"Q", u"A"), false, true, true, u"KX_RuvoZava", 2, 150},
      {"a file that fails", "[FilePath]\r\nKX_FILE=C:\\KX\\q.kxd\r\n", std::nullopt, true, true,
       true, kPleaseLoad, 0, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
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
    EXPECT_EQ(fake.timer.Interval(), c.interval);
    EXPECT_EQ(module.Questions.count, c.count);
    EXPECT_EQ(fake.files.writes, 0);
    // The first tick draws the first character of a question at once.
    if (c.timer) form.Timer1_Timer();
    EXPECT_EQ(fake.graphics.glyphsDrawn.size(), c.timer ? 1u : 0u);
    form.Form_Unload();
  }
}

}  // namespace
}  // namespace kx
