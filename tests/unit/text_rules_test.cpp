// Text rules the binding applies: the tray tip cut and the choice of a
// stand-in font face.
#include <gtest/gtest.h>

#include <set>

#include "forms/font_choice.h"
#include "ticker/tray_tip.h"

namespace kx {
namespace {

// The tip field holds 63 units and the shell shows 63 code page 932 bytes:
// long texts are cut at a whole character that fits both.
TEST(TextRules, TipsAreCutAtTheirNulAndAtACharacterThatFits) {
  std::u16string padded = u"KX_RuvoZava";
  padded += u'\0';
  padded += std::u16string(52, u' ');
  const struct {
    std::u16string text, tip;
  } cases[] = {
      {padded, u"KX_RuvoZava"},
      {std::u16string(40, u'問'), std::u16string(31, u'問')},
      {std::u16string(100, u'a'), std::u16string(63, u'a')},
      {u"a" + std::u16string(40, u'問'), u"a" + std::u16string(31, u'問')},
      {std::u16string(62, u'a') + u"\U0001F600", std::u16string(62, u'a')},
  };
  for (const auto& c : cases) EXPECT_EQ(TipForField(c.text, 64), c.tip);
}

TEST(TextRules, FaceIsTheRequestedOneOrTheFirstInstalledFallback) {
  const std::set<std::u16string_view> installed = {u"IPAGothic", u"VL Gothic", u"Arial"};
  const auto has = [&](std::u16string_view face) { return installed.contains(face); };
  EXPECT_EQ(ChooseFace(u"Arial", has), u"Arial");
  EXPECT_EQ(ChooseFace(u"ＭＳ ゴシック", has), u"IPAGothic");
  EXPECT_EQ(ChooseFace(u"ＭＳ ゴシック", [](std::u16string_view) { return false; }),
            u"ＭＳ ゴシック");
}

}  // namespace
}  // namespace kx
