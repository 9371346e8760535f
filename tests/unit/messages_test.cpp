#include "app/messages.h"
#include "text/spaces.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace kx {
namespace {

TEST(FormatResString, PutsTheValueInPlaceOfEveryAtSign) {
  fake::FakeStringTable strings;
  EXPECT_EQ(FormatResString(strings, StringId::kVersionPattern, u"1"), u" Version 1.0 Level ");
  // An "@" inside the value is not replaced again.
  EXPECT_EQ(FormatResString(strings, StringId::kVersionPattern, u"@@"), u" Version @@.0 Level ");
  EXPECT_EQ(FormatResString(strings, StringId::kIniFileName, u"x"), u"KXT.ini");
}

// The texts, titles and styles of the messages are checked where each is shown.
TEST(ShowResMessage, ReturnsTheButtonNarrowedToEightBits) {
  fake::FakePlatform fake;
  fake.dialogs.button = 0x107;
  EXPECT_EQ(ShowResMessage(fake.strings, fake.dialogs, kQuestionMessage, StringId::kAppTitle,
                           StringId::kAppTitle),
            7);
}

TEST(MessageStyleOf, MapsKindsToStyles) {
  EXPECT_EQ(MessageStyleOf(1), 16u);
  EXPECT_EQ(MessageStyleOf(2), 52u);
  EXPECT_EQ(MessageStyleOf(3), 48u);
  EXPECT_EQ(MessageStyleOf(0), 0u);
  EXPECT_EQ(MessageStyleOf(9), 0u);
}

TEST(CutAtNul, KeepsTheTextBeforeTheFirstNulWithoutOuterSpaces) {
  std::u16string buffer(256, u'\0');
  buffer.replace(0, 12, u"C:\\q\\a b.kxd");
  EXPECT_EQ(CutAtNul(buffer), u"C:\\q\\a b.kxd");
  EXPECT_EQ(CutAtNul(std::u16string(256, u'\0')), u"");
  EXPECT_EQ(CutAtNul(u"  spaced path  "), u"spaced path");
  EXPECT_EQ(CutAtNul(std::u16string(u"  a \0 b", 7)), u"a");
  // The ideographic space is part of a name, not padding.
  EXPECT_EQ(CutAtNul(u"\u3000x\u3000"), u"\u3000x\u3000");
}

}  // namespace
}  // namespace kx
