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

struct ReadCase {
  const char* file;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

TEST(IniFileRead, FindsValuesTheWayTheProfileFunctionsDo) {
  const ReadCase cases[] = {
      {"[SCROLL]\r\nSPEED=2\r\n", "SCROLL", "SPEED", "2"},
      {"[scroll]\r\nspeed=2\r\n", "SCROLL", "SPEED", "2"},
      {"  [SCROLL]  \r\n\t SPEED \t=\t 2 \t\r\n", "SCROLL", "SPEED", "2"},
      {"[ SCROLL ]\nSPEED=2\n", "SCROLL", "SPEED", "2"},
      {"[SCROLL]\nSPEED=2", "SCROLL", "SPEED", "2"},    // no final line end
      {"[SCROLL]\rSPEED=2\r", "SCROLL", "SPEED", "2"},  // CR alone ends a line too
      {"[SCROLL]\nSPEED=1\nSPEED=2\n", "SCROLL", "SPEED", "1"},
      {"[SCROLL]\nX=1\n[SCROLL]\nSPEED=2\n", "SCROLL", "SPEED", std::nullopt},
      {"[COLOR]\nSPEED=2\n", "SCROLL", "SPEED", std::nullopt},
      {"SPEED=2\n[SCROLL]\n", "SCROLL", "SPEED", std::nullopt},
      {"[SCROLL]\nSPEED\n", "SCROLL", "SPEED", std::nullopt},  // no "=": no value
      {"[SCROLL]\nSPEED=\n", "SCROLL", "SPEED", ""},
      {"[SCROLL]\n;SPEED=2\n", "SCROLL", "SPEED", std::nullopt},
      {"[SCROLL] ; note\nSPEED=2\n", "SCROLL", "SPEED", "2"},
      {"[SCROLL]\nSPEED=a=b\n", "SCROLL", "SPEED", "a=b"},
      {"[SCROLL]\nSPEED=\"2\"\n", "SCROLL", "SPEED", "2"},
      {"[SCROLL]\nSPEED=' 2 '\n", "SCROLL", "SPEED", " 2 "},
      {"[SCROLL]\nSPEED=\"2'\n", "SCROLL", "SPEED", "\"2'"},
      {"[SCROLL]\nSPEED=\"\n", "SCROLL", "SPEED", "\""},
      {"\xEF\xBB\xBF[SCROLL]\r\nSPEED=2\r\n", "SCROLL", "SPEED", "2"},
      {"[SCROLL\nSPEED=2\n", "SCROLL", "SPEED", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniFile(c.file).ReadString(c.section, c.key), c.expected) << c.file;
  }
}

TEST(IniFileRead, StepsOverSecondBytesOfDoubleByteCharacters) {
  // 0x8F 0x5D, one kanji, has "]" as its second byte: it must not close the
  // header early.
  const std::string file =
      "[\x8F\x5D"
      "A]\r\nK=\x8F\x5D\r\n";
  EXPECT_EQ(IniFile(file).ReadString("\x8F\x5D"
                                     "a",
                                     "k"),
            "\x8F\x5D");
  // A second byte that looks like a letter is not folded, and full-width
  // letters have no case here: "ａ" does not find "Ａ".
  EXPECT_EQ(IniFile("[S]\r\n\x83\x61=1\r\n").ReadString("S", "\x83\x41"), std::nullopt);
  EXPECT_EQ(IniFile("[S]\r\n\x82\x60=1\r\n").ReadString("S", "\x82\x81"), std::nullopt);
}

TEST(IniFileRead, ReadsUtf16AndUtf8FilesAsCodePage932) {
  const std::string utf8 = "\xEF\xBB\xBF[FilePath]\nKX_FILE=C:\\\xE5\x95\x8F.kxd\n";  // 問
  EXPECT_EQ(IniFile(utf8).ReadString("FilePath", "KX_FILE"), "C:\\\x96\xE2.kxd");
  EXPECT_EQ(IniFile(Utf16(u"[A]\r\nK=\u554F\r\n")).ReadString("A", "K"), "\x96\xE2");
}

TEST(IniFileRead, ReadsIntegersAsSignAndLeadingDigits) {
  const struct {
    const char* value;
    std::int32_t expected;
  } cases[] = {
      {"2", 2},      {"+7", 7},    {"-1", -1},        {"  3", 3},
      {"12abc", 12}, {"abc", 0},   {"0x10", 16},      {"-0x10", -16},
      {"0b101", 5},  {"0o17", 15}, {"010", 10},       {"0xg", 0},
      {"- 5", 0},    {"+-5", 0},   {"007", 7},        {"\"4\"", 4},
      {"\" 4\"", 4}, {"3.9", 3},   {"4294967297", 1}, {"2147483648", -2147483647 - 1},
  };
  for (const auto& c : cases) {
    const IniFile ini(std::string("[S]\nK=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInt("S", "K", 9), c.expected) << c.value;
  }
  EXPECT_EQ(IniFile("[S]\nK=\n").ReadInt("S", "K", 9), 9);  // empty: the default
  EXPECT_EQ(IniFile("[S]\nK\n").ReadInt("S", "K", 9), 9);
  EXPECT_EQ(IniFile("").ReadInt("S", "K", -3), -3);
}

struct WriteCase {
  const char* before;
  const char* after;
};

TEST(IniFileWrite, ChangesOnlyTheOneValueAndKeepsEveryOtherByte) {
  const WriteCase cases[] = {
      {"", "[S]\r\nK=v\r\n"},
      {"; settings\r\n", "; settings\r\n[S]\r\nK=v\r\n"},
      {"[T]\nA=1", "[T]\nA=1\n[S]\nK=v\n"},
      {"[S]\r\nK=old\r\nL=2\r\n", "[S]\r\nK=v\r\nL=2\r\n"},
      {"[s]\r\n  k = old  \r\n", "[s]\r\n  k =v\r\n"},
      {"[S]\r\nK\r\n", "[S]\r\nK=v\r\n"},
      {"[S]\r\nK=1\r\nK=2\r\n", "[S]\r\nK=v\r\nK=2\r\n"},
      {"[S]\r\nA=1\r\n\r\n[T]\r\nK=1\r\n", "[S]\r\nA=1\r\nK=v\r\n\r\n[T]\r\nK=1\r\n"},
      {"[S]\nA=1", "[S]\nA=1\nK=v\n"},
      {"[S]\r\n;K=1\r\n", "[S]\r\n;K=1\r\nK=v\r\n"},
      {"[S]\nA=1\n[S]\nK=1\n", "[S]\nA=1\nK=v\n[S]\nK=1\n"},
      {"\xEF\xBB\xBF[S]\r\nK=1\r\n", "\xEF\xBB\xBF[S]\r\nK=v\r\n"},
  };
  for (const auto& c : cases) {
    IniFile ini(c.before);
    ASSERT_TRUE(ini.WriteString("S", "K", "v")) << c.before;
    EXPECT_EQ(ini.Bytes(), c.after) << c.before;
    EXPECT_EQ(ini.ReadString("S", "K"), "v") << c.before;
  }
}

TEST(IniFileWrite, RoundTripsKeepUnknownKeysAndSections) {
  const std::string original =
      "; KX settings\r\n[SCROLL]\r\nSPEED=0\r\nEXTRA = keep me \r\n\r\n"
      "[Other]\r\nQUESTION=5\r\n[COLOR]\r\nANSWER=3\r\n";
  IniFile ini(original);
  ASSERT_TRUE(ini.WriteString("COLOR", "QUESTION", "2"));
  ASSERT_TRUE(ini.WriteString("SCROLL", "SPEED", "1"));
  EXPECT_EQ(ini.Bytes(),
            "; KX settings\r\n[SCROLL]\r\nSPEED=1\r\nEXTRA = keep me \r\n\r\n"
            "[Other]\r\nQUESTION=5\r\n[COLOR]\r\nANSWER=3\r\nQUESTION=2\r\n");
  const IniFile again(ini.Bytes());
  EXPECT_EQ(again.ReadString("Other", "QUESTION"), "5");
  EXPECT_EQ(again.ReadString("SCROLL", "EXTRA"), "keep me");
  EXPECT_EQ(again.ReadInt("COLOR", "QUESTION", 9), 2);
  EXPECT_EQ(again.ReadInt("COLOR", "ANSWER", 9), 3);
}

TEST(IniFileWrite, KeepsUtf16FilesInTheirEncoding) {
  const std::string utf16 = Utf16(u"[A]\r\nK=1\r\n");
  EXPECT_EQ(IniFile(utf16).Bytes(), utf16);
  IniFile ini(utf16);
  ASSERT_TRUE(ini.WriteString("A", "K", "\x96\xE2"));  // 問
  EXPECT_EQ(IniFile(ini.Bytes()).ReadString("A", "K"), "\x96\xE2");
  EXPECT_EQ(ini.Bytes().substr(0, 2), "\xFF\xFE");

  // An odd last byte stays where it was, and the file stays UTF-16.
  IniFile odd(utf16 + "x");
  ASSERT_TRUE(odd.WriteString("B", "K", "2"));
  EXPECT_EQ(odd.Bytes().back(), 'x');
  EXPECT_EQ(IniFile(odd.Bytes()).ReadString("B", "K"), "2");
  EXPECT_EQ(IniFile(odd.Bytes()).ReadString("A", "K"), "1");
}

TEST(IniFileWrite, RefusesValuesThatWouldBreakTheLine) {
  IniFile ini("[S]\r\nK=1\r\n");
  EXPECT_FALSE(ini.WriteString("S", "K", "a\r\n[S]"));
  EXPECT_FALSE(ini.WriteString("S", "K", std::string("a\0b", 3)));
  EXPECT_EQ(ini.Bytes(), "[S]\r\nK=1\r\n");
}

}  // namespace
}  // namespace kx
