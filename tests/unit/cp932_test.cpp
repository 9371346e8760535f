// These assertions hold for both converters: iconv natively, the platform's
// under Wine.
#include "text/cp932.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(Cp932, RoundTripsFullWidthHalfWidthKatakanaAndAscii) {
  const std::u16string text = u"ＭＳ ゴシック ﾌｧｲﾙ abc 一〇九？";
  const auto bytes = EncodeCp932(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), 31u);
  EXPECT_EQ(DecodeCp932(*bytes), text);
}

TEST(Cp932, KnownByteForms) {
  EXPECT_EQ(EncodeCp932(u"\u3000"), std::string("\x81\x40"));
  EXPECT_EQ(EncodeCp932(u"ｱ"), std::string("\xB1"));
  EXPECT_EQ(EncodeCp932(u"荒川"), std::string("\x8D\x72\x90\xEC"));
  EXPECT_EQ(DecodeCp932("\x82\xA0"), u"あ");
}

TEST(Cp932, RefusesCharactersWithoutACodePage932Form) {
  EXPECT_FALSE(EncodeCp932(u"é").has_value());
  EXPECT_FALSE(EncodeCp932(u"😀").has_value());
  EXPECT_FALSE(EncodeCp932(u"한").has_value());
  // Look-alikes of code page 932 characters are refused, not swapped.
  EXPECT_FALSE(EncodeCp932(u"\u301C").has_value());  // wave dash
  EXPECT_FALSE(EncodeCp932(u"\u00A5").has_value());  // yen sign
  EXPECT_EQ(EncodeCp932(u"\uFF5E"), std::string("\x81\x60"));
}

TEST(Cp932, UnusableBytesNeverVanish) {
  // A lead byte at the very end still stands for something.
  const std::u16string decoded = DecodeCp932("A\x82");
  ASSERT_EQ(decoded.size(), 2u);
  EXPECT_EQ(decoded[0], u'A');
}

}  // namespace
}  // namespace kx
