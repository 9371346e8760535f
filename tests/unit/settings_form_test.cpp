#include <gtest/gtest.h>

#include <algorithm>

#include "app/form.h"
#include "fake/fake_platform.h"

namespace kx {
namespace {

TEST(SettingsAtStartUp, FormLoadReadsSettingsPathAndSetsTheInterval) {
  fake::FakePlatform fake;
  const Platform platform = fake.Services();
  basRuvoZava module;
  module.IniPath = u"C:\\KX\\KXT.ini";
  fake.files.contents[module.IniPath] =
      "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=3\r\n[FilePath]\r\nKX_FILE= C:\\q.kxd \r\n";
  frmRuvoZava form(platform, module);
  form.Form_Load();
  EXPECT_EQ(form.settings.SpeedLevel, 2);
  EXPECT_EQ(form.settings.QuestionColor, 3);
  EXPECT_EQ(form.settings.AnswerColor, 1);
  EXPECT_EQ(module.QuestionFilePath, u"C:\\q.kxd");
  EXPECT_EQ(fake.timer.Interval(), 150);
  // The interval is set once the settings are read, and nothing is written.
  const auto read = std::find(fake.log.begin(), fake.log.end(), "read C:\\KX\\KXT.ini");
  const auto interval = std::find(fake.log.begin(), fake.log.end(), "timer interval 150");
  EXPECT_LT(read, interval);
  EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "write C:\\KX\\KXT.ini"), 0);
  form.Form_Unload();
}

}  // namespace
}  // namespace kx
