#include "app/module.h"
#include "forms/twips.h"

#include <gtest/gtest.h>

#include <array>

#include "fake/fake_platform.h"

namespace kx {
namespace {

TEST(Main, SetsTheModuleValuesFromTheScreenAndFolder) {
  fake::FakePlatform fake;
  fake.environment.folder = u"D:\\KX";
  // 7.5 twips per pixel goes to the even 8; no dpi at all to the usual 15.
  for (const auto& [dpiX, dpiY, twipsX, twipsY] :
       {std::array{120, 144, 12, 10}, std::array{192, 0, 8, 15}}) {
    fake.environment.screen.dpiX = dpiX;
    fake.environment.screen.dpiY = dpiY;
    basRuvoZava module;
    bool loaded = false;
    EXPECT_TRUE(Main(fake.Services(), module, [&] { loaded = true; }));
    EXPECT_TRUE(loaded);
    EXPECT_EQ(module.IniPath, u"D:\\KX\\KXT.ini");
    EXPECT_EQ(module.VersionTitle, u"KX_RuvoZava Version 1.0 Level 15");
    EXPECT_EQ(module.TwipsPerPixelX, twipsX);
    EXPECT_EQ(module.TwipsPerPixelY, twipsY);
  }
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST(Main, RefusesWhenAWindowWithTheTitleExists) {
  fake::FakePlatform fake;
  fake.environment.windowTitles.insert(u"KX_RuvoZava");
  basRuvoZava module;
  bool loaded = false;
  EXPECT_FALSE(Main(fake.Services(), module, [&] { loaded = true; }));
  EXPECT_FALSE(loaded);
  ASSERT_EQ(fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(fake.dialogs.messages[0].text, u"多重起動は出来ません。");
  EXPECT_EQ(fake.files.writes + fake.tray.Count("add"), 0);
}

}  // namespace
}  // namespace kx
