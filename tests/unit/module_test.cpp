#include "app/module.h"
#include "forms/twips.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace kx {
namespace {

TEST(TwipsPerPixel, RoundsToTheNearestWithHalvesToEven) {
  EXPECT_EQ(TwipsPerPixel(96), 15);
  EXPECT_EQ(TwipsPerPixel(120), 12);
  EXPECT_EQ(TwipsPerPixel(144), 10);
  EXPECT_EQ(TwipsPerPixel(192), 8);  // 7.5 goes to the even 8
  EXPECT_EQ(TwipsPerPixel(160), 9);
  EXPECT_EQ(TwipsPerPixel(0), 15);
  EXPECT_EQ(TwipsPerPixel(3000), 1);
}

TEST(WithTrailingBackslash, AddsExactlyOne) {
  EXPECT_EQ(WithTrailingBackslash(u"C:\\Tools"), u"C:\\Tools\\");
  EXPECT_EQ(WithTrailingBackslash(u"C:\\"), u"C:\\");
}

TEST(MakeVersionTitle, TakesMajorIntoThePatternAndAppendsMinor) {
  fake::FakeStringTable strings;
  EXPECT_EQ(MakeVersionTitle(strings, u"KX_RuvoZava", {1, 15}),
            u"KX_RuvoZava Version 1.0 Level 15");
  EXPECT_EQ(MakeVersionTitle(strings, u"KX_RuvoZava", {2, 3}), u"KX_RuvoZava Version 2.0 Level 3");
}

TEST(Main, SetsTheModuleValuesAndLoadsTheForm) {
  fake::FakePlatform fake;
  fake.environment.folder = u"D:\\";
  fake.environment.screen.dpiX = 120;
  fake.environment.screen.dpiY = 144;
  basRuvoZava module;
  bool loaded = false;
  EXPECT_TRUE(Main(fake.Services(), module, [&] { loaded = true; }));
  EXPECT_TRUE(loaded);
  EXPECT_EQ(module.AppTitle, u"KX_RuvoZava");
  EXPECT_EQ(module.AppPath, u"D:\\");
  EXPECT_EQ(module.IniPath, u"D:\\KXT.ini");
  EXPECT_EQ(module.VersionTitle, u"KX_RuvoZava Version 1.0 Level 15");
  EXPECT_EQ(module.TwipsPerPixelX, 12);
  EXPECT_EQ(module.TwipsPerPixelY, 10);
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
  EXPECT_EQ(fake.dialogs.messages[0].title, u"起動Error");
  EXPECT_EQ(fake.dialogs.messages[0].text, u"多重起動は出来ません。");
  EXPECT_EQ(fake.dialogs.messages[0].style, 48u);
  // Nothing else was touched: no settings read, no timer, no tray.
  EXPECT_EQ(fake.log, (fake::CallLog{"find window KX_RuvoZava", "message 起動Error"}));
  EXPECT_TRUE(module.IniPath.empty());
}

}  // namespace
}  // namespace kx
