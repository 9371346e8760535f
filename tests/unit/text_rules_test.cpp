// Text rules: code page 932 characters, messages and paths, the tray tip cut
// and the choice of a stand-in font face.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

#include "forms/font_choice.h"
#include "forms/random_source.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/spaces.h"
#include "ticker/tray_tip.h"

namespace kx {
namespace {

// A lead byte pairs only with a trail byte after it; at the end or before
// any other byte it is a character of one byte, which the strict reader
// refuses. Every walk steps so; a cut keeps the whole characters that fit.
TEST(TextRules, Cp932CharactersEndWhereTheirTrailByteDoes) {
  const struct {
    std::string_view bytes;
    std::vector<std::string_view> characters;
    std::optional<std::size_t> refused;
    bool cutByTheEnd = false;
  } cases[] = {
      // Trail bytes that are "]" and a lead byte; the edges of the lead ranges.
      {"a\xB1\x8F\x5D\x82\x82", {"a", "\xB1", "\x8F\x5D", "\x82\x82"}, {}},
      {"\x81\x40\x9F\x80\xE0\x40\xFC\x40", {"\x81\x40", "\x9F\x80", "\xE0\x40", "\xFC\x40"}, {}},
      {"\x82\x82\x82", {"\x82\x82", "\x82"}, 2, true},
      {"a\x81=\x81\x7F\x81\xFD", {"a", "\x81", "=", "\x81", "\x7F", "\x81", "\xFD"}, 1},
      {"\xA0\x40\xFD\x40", {"\xA0", "\x40", "\xFD", "\x40"}, 0},  // no lead bytes
  };
  for (const auto& c : cases) {
    const std::string shown = testing::PrintToString(c.bytes);
    auto next = c.characters.begin();
    for (std::size_t limit = 0, whole = 0; limit <= c.bytes.size(); ++limit) {
      if (next != c.characters.end() && whole + next->size() == limit) whole += (next++)->size();
      EXPECT_EQ(CutBetweenCp932Characters(c.bytes, limit), c.bytes.substr(0, whole)) << shown;
    }
    EXPECT_EQ(DecodeCp932Strict(c.bytes).badByte, c.refused) << shown;
    EXPECT_EQ(EndsOnCharacterBoundary(c.bytes), !c.cutByTheEnd) << shown;
  }
}

// The tip field holds 63 units and the shell shows 63 code page 932 bytes:
// long texts are cut at a whole character that fits both. Paths are cut at
// their NUL and padding.
TEST(TextRules, TipsAndPathsAreCutAtTheirNulAndAtACharacterThatFits) {
  EXPECT_EQ(CutAtNul(std::u16string(u"  a \0 b", 7)), u"a");
  EXPECT_EQ(CutAtNul(u"\u3000x\u3000"), u"\u3000x\u3000");  // part of a name, not padding
  const std::u16string padded = std::u16string(u"KX_RuvoZava") + u'\0' + std::u16string(52, u' ');
  EXPECT_EQ(TipForField(padded, 64), u"KX_RuvoZava");
  EXPECT_EQ(TipForField(std::u16string(100, u'a'), 64), std::u16string(63, u'a'));
  EXPECT_EQ(TipForField(u"a" + std::u16string(40, u'問'), 64), u"a" + std::u16string(31, u'問'));
  EXPECT_EQ(TipForField(std::u16string(62, u'a') + u"\U0001F600", 64), std::u16string(62, u'a'));
}

TEST(TextRules, FaceIsTheRequestedOneOrTheFirstInstalledFallback) {
  const std::set<std::u16string_view> installed = {u"IPAGothic", u"VL Gothic", u"Arial"};
  const auto has = [&](std::u16string_view face) { return installed.contains(face); };
  EXPECT_EQ(ChooseFace(u"Arial", has), u"Arial");
  EXPECT_EQ(ChooseFace(u"ＭＳ ゴシック", has), u"IPAGothic");
}

// Draws cover the whole of [0, 1): every part of a quiz gets asked.
TEST(RandomDraws, SpreadOverTheWholeUnitRange) {
  ClockSeededRandom random;
  random.SeedFromClock();
  float low = 1, high = 0;
  for (int i = 0; i < 4000; ++i) {
    const float r = random.Next();
    ASSERT_TRUE(r >= 0 && r < 1) << r;
    low = std::min(low, r), high = std::max(high, r);
  }
  EXPECT_LT(low, 0.01f);
  EXPECT_GT(high, 0.99f);
}

}  // namespace
}  // namespace kx
