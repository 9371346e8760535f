// Text rules: code page 932 characters, messages and paths, the tray tip cut
// and the choice of a stand-in font face.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "forms/font_choice.h"
#include "forms/random_source.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/spaces.h"
#include "text/utf16.h"
#include "text/utf8.h"
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
      // Trail bytes that are "]" and a lead byte; the edges of the lead ranges; no lead bytes.
      {"a\xB1\x8F\x5D\x82\x82", {"a", "\xB1", "\x8F\x5D", "\x82\x82"}, {}},
      {"\x81\x40\x9F\x80\xE0\x40\xFC\x40", {"\x81\x40", "\x9F\x80", "\xE0\x40", "\xFC\x40"}, {}},
      {{"\x82\x82\x82\xA0", 3}, {"\x82\x82", "\x82"}, 2, true},  // a view: a trail byte after it
      {"a\x81=\x81\x7F\x81\xFD", {"a", "\x81", "=", "\x81", "\x7F", "\x81", "\xFD"}, 1},
      {"\x7F\xA1\xDF\xA0\x40\xFD\x40", {"\x7F", "\xA1", "\xDF", "\xA0", "\x40", "\xFD", "\x40"}, 3},
      {"a\x85\x81\x40", {"a", "\x85\x81", "\x40"}, 1},  // unassigned pairs, one lead byte's
      {"\x61\x81\x40\x61\x81\xAD\x61", {"a", "\x81\x40", "a", "\x81\xAD", "a"}, 4},
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
  EXPECT_EQ(TipForField(std::u16string(40, u'問'), 64), std::u16string(31, u'問'));
  // Pairs at both ends of their range, 63 units and 63 bytes in all.
  const std::u16string pairs = std::u16string(u"\U0010FFFF").append(59, u'a').append(u"\U00010000");
  EXPECT_EQ(TipForField(pairs, 64), pairs);
  EXPECT_EQ(TipForField(std::u16string(62, u'a') + u"\U0001F600", 64), std::u16string(62, u'a'));
}

// UTF-8 at both ends of each length, and what is no character: a lone
// continuation, overlong forms, surrogates, past U+10FFFF, a cut character.
TEST(TextRules, Utf8ReadsEveryLengthAndNamesTheFirstByteThatIsNoCharacter) {
  const std::string every =
      "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xED\x9F\xBF\xF0\x90\x80\x80\xEE\x80\x80\xF4"
      "\x8F\xBF\xBF";
  const std::u16string text = u"\x7F\u0080\u07FF\u0800\uFFFF\uD7FF\U00010000\uE000\U0010FFFF";
  EXPECT_TRUE(DecodeUtf8(every).text == text && !DecodeUtf8(every).error);
  // Halves of surrogate pairs alone are written as U+FFFD.
  EXPECT_EQ(Utf16ToUtf8(text + u"\xDC00\xDC00\xDFFF\xD800\uE000"),
            every + "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEE\x80\x80");
  for (const std::string bytes :
       {"a\x80", "a\xC1\xBF", "a\xE0\x9F\xBF", "a\xF0\x8F\xBF\xBF", "a\xED\xA0\x80",
        "a\xED\xBF\xBF", "a\xF4\x90\x80\x80", "a\xF5\x41", "a\xE3\x81", "a\xC3", "a\xE3\x41"}) {
    const Utf8Decoded decoded = DecodeUtf8(bytes);
    EXPECT_EQ(decoded.text, u"a");
    ASSERT_TRUE(decoded.error);
    // The lead byte, or the byte that should have continued it.
    EXPECT_EQ(decoded.error->offset, bytes == "a\xE3\x41" ? 2u : 1u) << decoded.error->offset;
  }
  EXPECT_EQ(Utf8ToUtf16("a\x80\xE3\x81"), u"a\uFFFD\uFFFD\uFFFD");
  EXPECT_TRUE(DecodeUtf8(std::string_view("a\xC3\xA9", 2)).text == u"a" &&  // a view cut inside
              Utf16ToUtf8(std::u16string_view(u"\U00010000", 1)) == "\xEF\xBF\xBD");
  EXPECT_EQ(DecodeCp932Strict("a\x96\xE2\x81\x45").text, u"a問・");  // the real stand-in
}

TEST(TextRules, FaceIsTheRequestedOneOrTheFirstInstalledFallback) {
  const std::set<std::u16string_view> installed = {u"IPAGothic", u"VL Gothic", u"Arial"};
  const auto has = [&](std::u16string_view face) { return installed.contains(face); };
  EXPECT_EQ(ChooseFace(u"Arial", has), u"Arial");
  EXPECT_EQ(ChooseFace(u"ＭＳ ゴシック", has), u"IPAGothic");
  EXPECT_EQ(ChooseFace(u"X", [](std::u16string_view) { return false; }), u"X");  // none at all
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

// The strict reader names the first byte that is no character, whether the
// structure or the converter finds it: an unassigned pair (85 40, 81 AD)
// before a stray byte, or one the converter resumes after by pairing its
// trail byte (81 40); 81 45 is a character, though it reads as the stand-in.
TEST(TextRules, Cp932StrictReadingNamesTheFirstByteThatIsNoCharacter) {
  const struct {
    std::string_view bytes;
    std::optional<std::size_t> bad;
  } cases[] = {{"\x7F\xA1\xDF", {}},
               {"a\x85\x40\x80", 1},
               {"a\x85\x81\x40", 1},
               {"a\x81\x45\x61\x81\xAD\x61", 4}};
  for (const auto& c : cases) EXPECT_EQ(DecodeCp932Strict(c.bytes).badByte, c.bad) << c.bytes;
  EXPECT_FALSE(IsCp932SingleByte(0x80) || IsCp932SingleByte(0xE0));
  // A lead byte at a view's end stays one byte, whatever lies past the view.
  EXPECT_EQ(CutBetweenCp932Characters(std::string_view("a\x82\xA0", 2), 2), "a\x82");
  EXPECT_EQ(DecodeUtf16Le(std::string_view("a\0b", 3)), u"a");  // the odd last byte is left out
  // One "?" a character with no code page 932 form, a pair as a whole.
  EXPECT_EQ(EncodeCp932OrQuestionMark(
                u"\U00010000\uFF71\U0010FFFF\xD800\uE000\xDC00\xDFFF\x61\U00010000"),
            "?\xB1??\xF0\x40??a?");
#ifndef _WIN32  // glibc's converter: a stand-in for each byte it cannot read, then on
  EXPECT_EQ(DecodeCp932("a\x80z"), u"a\u30FBz");
#endif
}

}  // namespace
}  // namespace kx
