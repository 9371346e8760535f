// Reading is compared with the platform's profile functions in the
// differential test; here, what a save must keep of the file.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <string>

namespace kx {
namespace {

// Little-endian UTF-16 with its byte order mark.
std::string Utf16(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

TEST(IniFileWrite, ChangesOnlyTheOneValueAndKeepsEveryOtherByte) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"; settings\r\n", "; settings\r\n[S]\r\nK=v\r\n"},
      {"[T]\nA=1", "[T]\nA=1\n[S]\nK=v\n"},
      {"[s]\r\n  k = old  \r\nL=2\r\n", "[s]\r\n  k =v\r\nL=2\r\n"},
      {"[S]\r\nK\r\n", "[S]\r\nK=v\r\n"},
      {"[S]\r\nK=1\r\nK=2\r\n", "[S]\r\nK=v\r\nK=2\r\n"},
      {"[S]\r\nA=1\r\n\r\n[T]\r\nK=1\r\n", "[S]\r\nA=1\r\nK=v\r\n\r\n[T]\r\nK=1\r\n"},
      {"[S]\r\n;K=1\r\n", "[S]\r\n;K=1\r\nK=v\r\n"},
      {"\xEF\xBB\xBF[S]\r\nK=1\r\n", "\xEF\xBB\xBF[S]\r\nK=v\r\n"},
  };
  for (const auto& c : cases) {
    IniFile ini(c.before);
    ASSERT_TRUE(ini.WriteString("S", "K", "v")) << c.before;
    EXPECT_EQ(ini.Bytes(), c.after) << c.before;
  }
}

TEST(IniFileWrite, KeepsUtf16FilesInTheirEncoding) {
  const std::string utf16 = Utf16(u"[A]\r\nK=1\r\n");
  EXPECT_EQ(IniFile(utf16).Bytes(), utf16);
  IniFile ini(utf16 + "x");                            // an odd last byte stays where it was
  ASSERT_TRUE(ini.WriteString("B", "K", "\x96\xE2"));  // 問
  EXPECT_EQ(ini.Bytes().substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(ini.Bytes().back(), 'x');
  EXPECT_EQ(IniFile(ini.Bytes()).ReadString("B", "K"), "\x96\xE2");
  EXPECT_EQ(IniFile(ini.Bytes()).ReadString("A", "K"), "1");
}

TEST(IniFileWrite, RefusesValuesThatWouldBreakTheLine) {
  IniFile ini("[S]\r\nK=1\r\n");
  EXPECT_FALSE(ini.WriteString("S", "K", "a\r\n[S]"));
  EXPECT_FALSE(ini.WriteString("S", "K", std::string("a\0b", 3)));
  EXPECT_EQ(ini.Bytes(), "[S]\r\nK=1\r\n");
}

}  // namespace
}  // namespace kx
