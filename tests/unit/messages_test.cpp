#include "app/messages.h"
#include "text/spaces.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace kx {
namespace {

TEST(Messages, FormatPutsTheValueInOnceAndPathsAreCutAtTheirNul) {
  fake::FakeStringTable strings;
  EXPECT_EQ(FormatResString(strings, StringId::kVersionPattern, u"@@"), u" Version @@.0 Level ");
  std::u16string buffer(256, u'\0');
  buffer.replace(0, 14, u"  C:\\q\\a b.kxd");
  EXPECT_EQ(CutAtNul(buffer), u"C:\\q\\a b.kxd");
  EXPECT_EQ(CutAtNul(std::u16string(u"  a \0 b", 7)), u"a");
  EXPECT_EQ(CutAtNul(u"\u3000x\u3000"), u"\u3000x\u3000");  // part of a name, not padding
}

}  // namespace
}  // namespace kx
