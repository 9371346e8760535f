#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"
#include "settings/settings.h"
#include "text/cp932.h"

namespace kx {
namespace {

constexpr std::u16string_view kIni = u"C:\\KX\\KXT.ini";

class SettingsRules : public ::testing::Test {
 protected:
  std::string& File() { return fake.files.contents[std::u16string(kIni)]; }
  Settings Load() { return LoadSettings(fake.files, kIni); }

  fake::FakePlatform fake;
};

TEST_F(SettingsRules, NoFileGivesTheDefaultsAndWritesNothing) {
  const Settings settings = Load();
  EXPECT_EQ(settings.SpeedLevel, 1);
  EXPECT_EQ(TimerIntervalOf(settings), 100);
  EXPECT_EQ(settings.QuestionColor, 0);
  EXPECT_EQ(settings.AnswerColor, 1);
  EXPECT_EQ(settings.SpeedSaved, kNotSet);
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"");
  EXPECT_EQ(fake.files.writes, 0);
}

TEST_F(SettingsRules, FirstSaveWritesEveryKeyThatWasNotSetAndOnlyThose) {
  File() = "[SCROLL]\r\nSPEED=0\r\n";
  Settings settings = Load();
  EXPECT_EQ(settings.SpeedLevel, 0);
  EXPECT_EQ(TimerIntervalOf(settings), 50);
  EXPECT_EQ(settings.QuestionColor, 0);
  EXPECT_EQ(settings.AnswerColor, 1);

  SaveSettings(fake.files, kIni, settings);
  EXPECT_EQ(File(), "[SCROLL]\r\nSPEED=0\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n");
  EXPECT_EQ(settings.QuestionColorSaved, 0);
  EXPECT_EQ(settings.AnswerColorSaved, 1);

  // Nothing changed since: the second save does not touch the file.
  SaveSettings(fake.files, kIni, settings);
  EXPECT_EQ(fake.files.writes, 1);

  settings.SpeedLevel = 2;
  SaveSettings(fake.files, kIni, settings);
  EXPECT_EQ(File(), "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n");
  EXPECT_EQ(Load().SpeedLevel, 2);
}

TEST_F(SettingsRules, AKeyHoldingNineCountsAsNotSet) {
  File() = "[COLOR]\r\nQUESTION=9\r\nANSWER=2\r\n";
  Settings settings = Load();
  EXPECT_EQ(settings.QuestionColor, 0);
  EXPECT_EQ(settings.QuestionColorSaved, kNotSet);
  EXPECT_EQ(settings.AnswerColor, 2);
  SaveSettings(fake.files, kIni, settings);
  EXPECT_EQ(File(), "[COLOR]\r\nQUESTION=0\r\nANSWER=2\r\n[SCROLL]\r\nSPEED=1\r\n");
}

TEST_F(SettingsRules, OutOfRangeValuesAreClampedAndWrittenBackOnSave) {
  File() = "[SCROLL]\nSPEED=7\n[COLOR]\nQUESTION=-4\nANSWER=12\n";
  Settings settings = Load();
  EXPECT_EQ(settings.SpeedLevel, 2);
  EXPECT_EQ(settings.QuestionColor, 0);
  EXPECT_EQ(settings.AnswerColor, 3);
  EXPECT_EQ(settings.SpeedSaved, 7);  // as read, so the save below repairs the file
  SaveSettings(fake.files, kIni, settings);
  EXPECT_EQ(File(), "[SCROLL]\nSPEED=2\n[COLOR]\nQUESTION=0\nANSWER=3\n");

  // The speed is narrowed to 16 bits first: 65536 reads as 0, 65545 as 9.
  File() = "[SCROLL]\nSPEED=65536\n";
  EXPECT_EQ(Load().SpeedLevel, 0);
  File() = "[SCROLL]\nSPEED=65545\n";
  EXPECT_EQ(Load().SpeedSaved, kNotSet);
  EXPECT_EQ(Load().SpeedLevel, 1);
}

TEST_F(SettingsRules, AFailedSaveIsTriedAgainNextTime) {
  File() = "[SCROLL]\r\nSPEED=1\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n";
  Settings settings = Load();
  settings.AnswerColor = 3;
  fake.files.readOnly.insert(std::u16string(kIni));
  SaveSettings(fake.files, kIni, settings);
  EXPECT_EQ(settings.AnswerColorSaved, 1);
  fake.files.readOnly.clear();
  SaveSettings(fake.files, kIni, settings);
  EXPECT_EQ(Load().AnswerColor, 3);
}

TEST_F(SettingsRules, AnUnreadableFileIsNeverReplaced) {
  File() = "[SCROLL]\r\nSPEED=0\r\n";
  fake.files.unreadable.insert(std::u16string(kIni));
  Settings settings = Load();
  EXPECT_EQ(settings.SpeedLevel, 1);
  SaveSettings(fake.files, kIni, settings);
  EXPECT_FALSE(WriteQuestionFilePath(fake.files, kIni, u"C:\\q.kxd"));
  EXPECT_EQ(fake.files.writes, 0);
}

TEST_F(SettingsRules, QuestionFilePathIsTrimmedAndRoundTrips) {
  File() = "[FilePath]\r\nKX_FILE=  C:\\My Quiz\\\x96\xE2\x91\xE8 1.kxd  \r\n";  // 問題
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"C:\\My Quiz\\問題 1.kxd");
  File() = "[FilePath]\r\nKX_FILE=\r\n";
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"");
  File() = "[filepath]\nkx_file=\"C:\\a b.kxd\"\n";
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"C:\\a b.kxd");

  File() = "; mine\r\n[SCROLL]\r\nSPEED=2\r\n";
  ASSERT_TRUE(WriteQuestionFilePath(fake.files, kIni, u"D:\\クイズ\\q.kxd"));
  EXPECT_EQ(File(),
            "; mine\r\n[SCROLL]\r\nSPEED=2\r\n[FilePath]\r\nKX_FILE=D:\\\x83\x4E\x83"
            "\x43\x83\x59\\q.kxd\r\n");
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"D:\\クイズ\\q.kxd");
  ASSERT_TRUE(WriteQuestionFilePath(fake.files, kIni, u""));
  EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), u"");
  // No code page 932 form: nothing is written rather than a wrong name.
  EXPECT_FALSE(WriteQuestionFilePath(fake.files, kIni, u"C:\\\U0001F600.kxd"));
}

TEST_F(SettingsRules, LongPathsArriveCutTo255BytesBetweenCharacters) {
  const auto pathOf = [this](const std::string& value) {
    File() = "[FilePath]\r\nKX_FILE=" + value + "\r\n";
    return ReadQuestionFilePath(fake.files, kIni);
  };
  const std::string a255(255, 'a');
  EXPECT_EQ(pathOf(a255), std::u16string(255, u'a'));
  EXPECT_EQ(pathOf(a255 + "b"), std::u16string(255, u'a'));
  EXPECT_EQ(pathOf(std::string(1000, 'c')), std::u16string(255, u'c'));
  // A double-byte character across the limit is left out whole.
  const std::string kanji = "\x96\xE2";  // 問
  EXPECT_EQ(pathOf(std::string(254, 'a') + kanji), std::u16string(254, u'a'));
  EXPECT_EQ(pathOf(std::string(253, 'a') + kanji), std::u16string(253, u'a') + u"問");
  // Spaces that the cut brings to the end go too.
  EXPECT_EQ(pathOf("C:\\x" + std::string(300, ' ') + "y"), u"C:\\x");
}

}  // namespace
}  // namespace kx
