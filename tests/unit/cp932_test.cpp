// These hold for both converters: iconv natively, the platform's under Wine.
#include "text/cp932.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(Cp932, RoundTripsAndRefusesWhatHasNoForm) {
  const std::u16string text = u"ＭＳ ゴシック ﾌｧｲﾙ abc 一〇九？\u3000～";
  const auto bytes = EncodeCp932(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), 35u);
  EXPECT_EQ(DecodeCp932(*bytes), text);
  EXPECT_EQ(EncodeCp932(u"荒川ｱ"), std::string("\x8D\x72\x90\xEC\xB1"));
  // Look-alikes (wave dash, yen sign) are refused, not swapped.
  for (const char16_t* refused : {u"é", u"😀", u"한", u"\u301C", u"\u00A5"}) {
    EXPECT_FALSE(EncodeCp932(refused).has_value());
  }
  EXPECT_EQ(DecodeCp932("A\x82").size(), 2u);  // a lead byte at the end still stands for something
}

}  // namespace
}  // namespace kx
