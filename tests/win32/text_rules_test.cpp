// Text rules of the binding: the tray tip cut and the choice of a stand-in
// font face.
#include <gtest/gtest.h>

#include <set>

#include "win32/font_choice.h"
#include "win32/tray_tip.h"

namespace kx::win {
namespace {

TEST(TipForField, KeepsTheTextBeforeTheNul) {
  std::u16string tip = u"KX_RuvoZava";
  tip += u'\0';
  tip += std::u16string(52, u' ');
  EXPECT_EQ(TipForField(tip, 64), u"KX_RuvoZava");
  EXPECT_EQ(TipForField(u"Fileを読み込んで下さい。", 64), u"Fileを読み込んで下さい。");
  EXPECT_EQ(TipForField(u"", 64), u"");
}

TEST(TipForField, CutsLongTextsAtACharacterThatFitsInBytesAndUnits) {
  // 40 double-byte characters are 80 bytes: 31 fit in 63 bytes.
  const std::u16string wide(40, u'問');
  EXPECT_EQ(TipForField(wide, 64), std::u16string(31, u'問'));
  // A single-byte text is cut at 63 units.
  EXPECT_EQ(TipForField(std::u16string(100, u'a'), 64), std::u16string(63, u'a'));
  // One byte left over never takes half of a double-byte character.
  const std::u16string mixed = u"a" + std::u16string(40, u'問');
  EXPECT_EQ(TipForField(mixed, 64), u"a" + std::u16string(31, u'問'));
  // A surrogate pair is kept whole or dropped whole.
  const std::u16string pairs = std::u16string(62, u'a') + u"\U0001F600";
  EXPECT_EQ(TipForField(pairs, 64), std::u16string(62, u'a'));
}

TEST(ChooseFace, PrefersTheFaceThenTheFirstInstalledFallback) {
  const std::set<std::u16string_view> installed = {u"IPAGothic", u"VL Gothic", u"Arial"};
  const auto has = [&](std::u16string_view face) { return installed.contains(face); };
  EXPECT_EQ(ChooseFace(u"Arial", has), u"Arial");
  EXPECT_EQ(ChooseFace(u"ＭＳ ゴシック", has), u"IPAGothic");
  const auto none = [](std::u16string_view) { return false; };
  EXPECT_EQ(ChooseFace(u"ＭＳ ゴシック", none), u"ＭＳ ゴシック");
}

}  // namespace
}  // namespace kx::win
