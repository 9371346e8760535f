#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"
#include "settings/settings.h"

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

// Each file is read, then saved with the answer colour changed to 3: keys
// that were not set (missing, 9, out of range) are written, the rest stay.
TEST_F(SettingsRules, ASaveWritesTheChangedAndUnsetKeysAndKeepsTheRest) {
  const std::string junk = "[junk]\r\n" + std::string(8u << 20, 'j') + "\r\n";  // no hang
  const struct {
    const char* what;
    std::string before;
    std::int16_t speed;
    std::int32_t question;
    std::string after;
  } cases[] = {
      {"no file", "", 1, 0, "[SCROLL]\r\nSPEED=1\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n"},
      {"speed only", "[SCROLL]\r\nSPEED=0\r\n", 0, 0,
       "[SCROLL]\r\nSPEED=0\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n"},
      {"nine is not set", "[COLOR]\r\nQUESTION=9\r\nANSWER=2\r\n", 1, 0,
       "[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n[SCROLL]\r\nSPEED=1\r\n"},
      {"out of range", "[SCROLL]\nSPEED=7\n[COLOR]\nQUESTION=-4\nANSWER=1\n", 2, 0,
       "[SCROLL]\nSPEED=2\n[COLOR]\nQUESTION=0\nANSWER=3\n"},
      {"CR only", "[SCROLL]\rSPEED=0\r[COLOR]\rQUESTION=2\rANSWER=1\r", 0, 2,
       "[SCROLL]\rSPEED=0\r[COLOR]\rQUESTION=2\rANSWER=3\r"},
      {"8 MB", junk + "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n", 2, 0,
       junk + "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fake.files.writes = 0;
    if (c.before.empty())
      fake.files.contents.clear();
    else
      File() = c.before;
    Settings settings = Load();
    EXPECT_EQ(settings.SpeedLevel, c.speed);
    EXPECT_EQ(settings.QuestionColor, c.question);
    settings.AnswerColor = 3;
    Save(settings);
    EXPECT_TRUE(File() == c.after);
    Save(settings);  // nothing changed since: the file is not touched again
    EXPECT_EQ(fake.files.writes, 1);
  }
  // The speed is narrowed to 16 bits first: 65536 reads as 0, 65545 as 9.
  File() = "[SCROLL]\nSPEED=65536\n";
  EXPECT_EQ(Load().SpeedLevel, 0);
  File() = "[SCROLL]\nSPEED=65545\n";
  EXPECT_EQ(Load().SpeedSaved, kNotSet);
}

TEST_F(SettingsRules, AFailedSaveIsTriedAgainNextTime) {
  File() = "[SCROLL]\r\nSPEED=1\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n";
  Settings settings = Load();
  settings.AnswerColor = 3;
  fake.files.readOnly.insert(std::u16string(kIni));
  Save(settings);
  fake.files.readOnly.clear();
  Save(settings);
  EXPECT_EQ(Load().AnswerColor, 3);
}

TEST_F(SettingsRules, AnUnreadableFileIsNeverReplaced) {
  File() = "[SCROLL]\r\nSPEED=0\r\n";
  fake.files.unreadable.insert(std::u16string(kIni));
  Settings settings = Load();
  EXPECT_EQ(settings.SpeedLevel, 1);
  Save(settings);
  EXPECT_FALSE(WriteQuestionFilePath(fake.files, kIni, u"C:\\q.kxd"));
  EXPECT_EQ(fake.files.writes, 0);
}

TEST_F(SettingsRules, QuestionFilePathRoundTripsInCodePage932) {
  File() = "; mine\r\n[SCROLL]\r\nSPEED=2\r\n";
  ASSERT_TRUE(WriteQuestionFilePath(fake.files, kIni, u"D:\\クイズ\\q.kxd"));
  EXPECT_EQ(File(),
            "; mine\r\n[SCROLL]\r\nSPEED=2\r\n[FilePath]\r\nKX_FILE=D:\\\x83\x4E\x83"
            "\x43\x83\x59\\q.kxd\r\n");
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"D:\\クイズ\\q.kxd");
  // No code page 932 form: nothing is written rather than a wrong name.
  EXPECT_FALSE(WriteQuestionFilePath(fake.files, kIni, u"C:\\\U0001F600.kxd"));
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"D:\\クイズ\\q.kxd");
}

}  // namespace
}  // namespace kx
