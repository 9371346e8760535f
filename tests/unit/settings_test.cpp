// What a save must keep of the settings file, and which files it must never
// replace. Reading is compared with the platform's profile functions in the
// differential test.
#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "text/utf16.h"

namespace kx {
namespace {

constexpr std::u16string_view kIni = u"C:\\KX\\KXT.ini";

class SettingsRules : public ::testing::Test {
 protected:
  std::string& File() { return fake.files.contents[std::u16string(kIni)]; }
  Settings Load() { return LoadSettings(fake.files, kIni); }
  void Save(Settings& settings) { SaveSettings(fake.files, kIni, settings); }

  fake::FakePlatform fake;
};

// Each file is read (speed, question and answer colour; unset: 1, 0, 1),
// then saved with the answer colour changed to 3: keys that were not set
// (missing, 9, out of range, or only in another section) are written, the
// rest stay.
TEST_F(SettingsRules, ASaveWritesTheChangedAndUnsetKeysAndKeepsTheRest) {
  const struct {
    std::string before;
    std::int32_t speed, question, answer;
    std::string after;
  } cases[] = {
      {"", 1, 0, 1, "[SCROLL]\r\nSPEED=1\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n"},
      {"[COLOR]\r\nQUESTION=9\r\nANSWER=2\r\n", 1, 0, 2,
       "[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n[SCROLL]\r\nSPEED=1\r\n"},
      {"[SCROLL]\nSPEED=7\n[COLOR]\nQUESTION=-4\nANSWER=1\n", 2, 0, 1,
       "[SCROLL]\nSPEED=2\n[COLOR]\nQUESTION=0\nANSWER=3\n"},
      {"[SCROLL]\rSPEED=0\r[COLOR]\rQUESTION=3\rANSWER=1\r", 0, 3, 1,
       "[SCROLL]\rSPEED=0\r[COLOR]\rQUESTION=3\rANSWER=3\r"},
      {"[SCROLL]\r\nANSWER=2\r\n[COLOR]\r\nSPEED=0\r\n", 1, 0, 1,
       "[SCROLL]\r\nANSWER=2\r\nSPEED=1\r\n[COLOR]\r\nSPEED=0\r\nQUESTION=0\r\nANSWER=3\r\n"},
  };
  for (const auto& c : cases) {
    fake.files.writes = 0;
    fake.files.contents.clear();
    if (!c.before.empty()) File() = c.before;
    Settings settings = Load();
    EXPECT_EQ(settings.SpeedLevel, c.speed) << c.before;
    EXPECT_EQ(settings.QuestionColor, c.question) << c.before;
    EXPECT_EQ(settings.AnswerColor, c.answer) << c.before;
    settings.AnswerColor = 3;
    Save(settings);
    EXPECT_TRUE(File() == c.after) << c.before.substr(0, 30);
    Save(settings);  // nothing changed since: the file is not touched again
    EXPECT_EQ(fake.files.writes, 1);
  }
}

TEST_F(SettingsRules, QuestionFilePathRoundTripsInCodePage932) {
  File() = "; mine\r\n";
  ASSERT_TRUE(WriteQuestionFilePath(fake.files, kIni, u"D:\\クイズ\\q.kxd"));
  EXPECT_EQ(File(), "; mine\r\n[FilePath]\r\nKX_FILE=D:\\\x83\x4E\x83\x43\x83\x59\\q.kxd\r\n");
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"D:\\クイズ\\q.kxd");
  // No code page 932 form: nothing is written rather than a wrong name.
  EXPECT_FALSE(WriteQuestionFilePath(fake.files, kIni, u"C:\\\U0001F600.kxd"));
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"D:\\クイズ\\q.kxd");
}

TEST(IniFileWrite, ChangesOnlyTheOneValueAndKeepsEveryOtherByte) {
  const struct {
    std::string before, after;
  } cases[] = {
      {"[T]\nA=1", "[T]\nA=1\n[S]\nK=v\n"},
      {"[s]\r\n  k = old  \r\nL=2\r\n", "[s]\r\n  k =v\r\nL=2\r\n"},
      {"\xEF\xBB\xBF[S]\r\nA=1\r\n\r\n[T]\r\n", "\xEF\xBB\xBF[S]\r\nA=1\r\nK=v\r\n\r\n[T]\r\n"},
      // An odd last byte of a UTF-16 file stays where it was.
      {"\xFF\xFE" + EncodeUtf16Le(u"[A]\r\n") + "x",
       "\xFF\xFE" + EncodeUtf16Le(u"[A]\r\n[S]\r\nK=v\r\n") + "x"},
  };
  for (const auto& c : cases) {
    IniFile ini(c.before);
    ASSERT_TRUE(ini.WriteString("S", "K", "v")) << c.before;
    EXPECT_EQ(ini.Bytes(), c.after) << c.before;
  }
  IniFile ini("[S]\r\nK=1\r\n");  // values that would break the line are refused
  EXPECT_FALSE(ini.WriteString("S", "K", "a\r\n[S]"));
  EXPECT_FALSE(ini.WriteString("S", "K", std::string("a\0b", 3)));
  EXPECT_EQ(ini.Bytes(), "[S]\r\nK=1\r\n");
}

}  // namespace
}  // namespace kx
