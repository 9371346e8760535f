// Damaged, odd and far too large question and settings files: each is read as
// far as it sensibly can be, and none crashes, hangs or costs stored data.
#include <gtest/gtest.h>

#include <filesystem>
#include <new>

#include "app/load_questions.h"
#include "fake/fake_platform.h"
#include "forms/files_std.h"
#include "questions/record_format.h"
#include "settings/settings.h"

namespace kx {
namespace {

// A record from raw code page 932 bytes, which may be no characters at all.
std::string RawRecord(std::string question, std::string_view answer) {
  question.resize(static_cast<std::size_t>(kQuestionBytes), ' ');
  question += answer;
  question.resize(static_cast<std::size_t>(kLineBytes), ' ');
  return question + "\r\n";
}

// Reads fail the way a file larger than memory allows makes them fail.
class OutOfMemoryFiles final : public Files {
 public:
  std::optional<std::string> ReadWhole(std::u16string_view) override { throw std::bad_alloc(); }
  std::optional<std::uint64_t> Length(std::u16string_view) override { return 1ull << 40; }
  bool IsExistingFile(std::u16string_view) override { return true; }
  bool ReplaceWhole(std::u16string_view, std::string_view) override { return false; }
};

TEST(HostileQuestionFiles, LoadWhatEndsInCrLfAndKeepEachAnswerInItsPlace) {
  const std::u16string kSampleAnswer = u"荒川";
  const std::string kAnswer = "\x93\x9A";  // 答
  const std::string giant(4u << 20, 'x');
  const struct {
    const char* what;
    std::string bytes;
    std::int32_t count;  // 0: the built-in sample stands in
    std::u16string answer;
  } cases[] = {
      {"1 byte", "x", 0, kSampleAnswer},
      {"350 bytes", RawRecord("q", kAnswer).substr(0, 350), 0, kSampleAnswer},
      {"351 bytes", RawRecord("q", kAnswer), 1, u"答"},
      {"352 bytes", RawRecord("q", kAnswer) + "x", 1, u"答"},
      {"lone lead byte at the end", RawRecord("q", kAnswer) + "\x82", 1, u"答"},
      {"lead byte ending the question", RawRecord(std::string(287, 'a') + "\x82", kAnswer), 1,
       u"答"},
      {"invalid double-byte pairs", RawRecord("\x81\x7F\xA0\xFD\xFF\x82", kAnswer), 1, u"答"},
      {"NUL bytes", RawRecord(std::string("\0q\0", 3), kAnswer), 1, u"答"},
      {"CR and LF alone", RawRecord("a\rb\nc\n\r", kAnswer) + "\n\r", 1, u"答"},
      {"one giant line", giant, 0, kSampleAnswer},
      {"one giant record", giant + "\r\n", 1, std::u16string(60, u'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fake::FakePlatform fake;
    basRuvoZava module;
    module.QuestionFilePath = u"C:\\q.kxd";
    fake.files.contents[module.QuestionFilePath] = c.bytes;
    EXPECT_TRUE(LoadQuestions(fake.Services(), module));
    EXPECT_EQ(module.Questions.count, c.count);
    ASSERT_EQ(module.Questions.lines.size(), static_cast<std::size_t>(c.count) + 1);
    EXPECT_EQ(AnswerOf(module.Questions.lines[0]), c.answer);
    EXPECT_FALSE(QuestionOf(module.Questions.lines[0]).empty());
    EXPECT_TRUE(fake.dialogs.messages.empty());
  }
}

TEST(HostileQuestionFiles, AFileTooLargeForMemoryIsAReadFailureWithTheSample) {
  fake::FakePlatform fake;
  OutOfMemoryFiles files;
  const Platform platform{fake.strings, fake.dialogs,  fake.environment, files,      fake.timer,
                          fake.tray,    fake.graphics, fake.window,      fake.random};
  basRuvoZava module;
  module.QuestionFilePath = u"C:\\huge.kxd";
  EXPECT_FALSE(LoadQuestions(platform, module));
  EXPECT_EQ(module.Questions.count, 0);
  EXPECT_EQ(AnswerOf(module.Questions.lines[0]), u"荒川");
  EXPECT_EQ(fake.dialogs.messages.size(), 1u);
}

TEST(HostileSettingsFiles, OddFilesReadSensiblyAndSavesChangeOnlyTheirValue) {
  constexpr std::u16string_view kIni = u"C:\\KX\\KXT.ini";
  // Reading is linear, about 10 MB a second: 8 MB shows no hang without slowing the
  // sanitizer run.
  const std::string junk = "[junk]\r\n" + std::string(8u << 20, 'j') + "\r\n";
  const struct {
    const char* what;
    std::string before;
    std::int16_t speed;
    std::string after;  // once the answer colour 3 is saved
  } cases[] = {
      {"empty", "", 1, "[SCROLL]\r\nSPEED=1\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n"},
      {"LF only", "[SCROLL]\nSPEED=2\n[COLOR]\nQUESTION=0\nANSWER=1\n", 2,
       "[SCROLL]\nSPEED=2\n[COLOR]\nQUESTION=0\nANSWER=3\n"},
      {"CR only", "[SCROLL]\rSPEED=0\r[COLOR]\rQUESTION=0\rANSWER=1\r", 0,
       "[SCROLL]\rSPEED=0\r[COLOR]\rQUESTION=0\rANSWER=3\r"},
      {"8 MB", junk + "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n", 2,
       junk + "[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=3\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fake::FakePlatform fake;
    fake.files.contents[std::u16string(kIni)] = c.before;
    Settings settings = LoadSettings(fake.files, kIni);
    EXPECT_EQ(settings.SpeedLevel, c.speed);
    settings.AnswerColor = 3;
    SaveSettings(fake.files, kIni, settings);
    EXPECT_TRUE(fake.files.contents[std::u16string(kIni)] == c.after);
  }
}

// A folder where the settings file belongs: the defaults, no write, and the
// folder and what it holds stay.
TEST(HostileSettingsFiles, AFolderNamedLikeTheFileIsLeftAlone) {
  const auto folder = std::filesystem::temp_directory_path() / "kx_hostile_ini" / "KXT.ini";
  std::filesystem::create_directories(folder / "inside");
  StdFiles files;
  const std::u16string ini = folder.u16string();
  Settings settings = LoadSettings(files, ini);
  EXPECT_EQ(settings.SpeedLevel, 1);
  settings.SpeedLevel = 2;
  SaveSettings(files, ini, settings);
  EXPECT_EQ(settings.SpeedSaved, kNotSet);
  EXPECT_FALSE(WriteQuestionFilePath(files, ini, u"C:\\q.kxd"));
  EXPECT_EQ(ReadQuestionFilePath(files, ini), u"");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));
  EXPECT_FALSE(std::filesystem::exists(folder.string() + ".tmp"));
  std::filesystem::remove_all(folder.parent_path());
}

}  // namespace
}  // namespace kx
