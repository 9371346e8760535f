// What a save must keep of the settings file, and which files it must never
// replace. Reading is compared with the platform's profile functions in the
// differential test.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "fake/fake_platform.h"
#include "forms/files_std.h"
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
  // Longer paths come back cut to their first 255 bytes, between characters.
  const std::u16string a254(254, u'a');
  // Appended rather than `u"a" + ...`, which MinGW g++ 12 at -O3 wrongly
  // reports as an overlapping copy.
  const std::u16string a127Wide = std::u16string(u"a").append(127, u'問');
  for (const auto& [written, read] :
       {std::pair{std::u16string(300, u'a'), std::u16string(255, u'a')},
        {a254 + u"問", a254},
        {std::u16string(128, u'問'), std::u16string(127, u'問')},
        {a127Wide, a127Wide}}) {
    ASSERT_TRUE(WriteQuestionFilePath(fake.files, kIni, written));
    EXPECT_EQ(ReadQuestionFilePath(fake.files, kIni), read) << read.size();
  }
}

// Names without case or outer blanks, the first section and key of a name
// (none before the first header), no comments, one pair of quotes dropped,
// three kinds of line end; numbers with sign, base prefix and 32-bit wrap.
TEST(IniFileRead, ReadsStringsAndNumbersAsThePlatformDoes) {
  const IniFile ini(
      "K=outside\r\n  [ ScRoLl \t]; fast\r\n\t SpEeD \t=\t 2 \x1A\t\r\n;SPEED=0\r\n"
      "[COLOR]\nQUESTION=1\nquestion=2\nLONELY\nE= \nK==x\n"
      "[qaz]\rQ=\"quoted value\"\rS=' 7'\rM=\"mixed'\rO=\"\"\rP=\"a\"b\"\r"
      "[N]\r\nP=+5\r\nNS=- 4\r\nPM=+-1\r\nY=12abc\r\nZ=3:9\r\nE=042\r\nO=0o17\r\n"
      "W=1x5\r\nB=0b101\r\nX=0xfa\r\nXE=0x\r\nNX=-0x10\r\nSX= +0x1A\r\nBIG=4294967297\r\n"
      "C=2147483648\r\nD=-2147483649\r\nS=' 7'\r\nV=\r\nL=" +
      std::string(28, '0') +
      "12\r\n"
      "[A]B]\r\nK=1\r\n[[C]]\r\nK=2\r\n[D\r\nK=3\r\n[X]\x8F]\r\nK=6\r\n[\x8F\x8F]\r\nK=7\r\n"
      "[\x8F]A]\r\n\x83\x41=4\r\n[COLOR]x\r\nANSWER=2\r\nK=5");
  // section/key=value as read; no "=": none. Only ASCII letters have case.
  for (const std::string_view read :
       {"SCROLL/SPEED=2", "scroll/K", "SCROLL/;SPEED=0", "COLOR/QUESTION=1", "COLOR/LONELY",
        "COLOR/E=", "COLOR/K==x", "COLOR/ANSWER", "QAZ/Q=quoted value", "QAZ/S= 7",
        "QAZ/M=\"mixed'", "QAZ/O=", "QAZ/P=a\"b", "A]B/K=1", "[C]/K=2", "X/K=6", "\x8F\x8F/K=7",
        "\x8F]a/\x83\x41=4", "\x8F]A/\x83\x61"}) {
    const auto slash = read.find('/'), equals = read.find('=', slash);
    const auto value =
        ini.ReadString(read.substr(0, slash), read.substr(slash + 1, equals - slash - 1));
    EXPECT_EQ(value ? "=" + *value : "", equals == read.npos ? "" : read.substr(equals)) << read;
  }
  const std::pair<std::string, std::int32_t> numbers[] = {
      {"P", 5},         {"NS", 0},   {"PM", 0},  {"Y", 12},  {"W", 1},
      {"Z", 3},         {"E", 42},   {"O", 15},  {"B", 5},   {"X", 250},
      {"XE", 0},        {"NX", -16}, {"SX", 26}, {"BIG", 1}, {"C", INT32_MIN},
      {"D", INT32_MAX}, {"L", 1},    {"S", 7},   {"V", 9},   {"none", 9}};
  for (const auto& [key, value] : numbers) EXPECT_EQ(ini.ReadInt("N", key, 9), value) << key;
  // Files with a mark are read in their own encoding; values come back in code page 932.
  for (const std::string& bytes :
       {std::string("\xEF\xBB\xBF[S\xE5\x95\x8F]\r\nK\xE5\x95\x8F=C:\\\xE5\x95\x8F\r\n"),
        "\xFF\xFE" + EncodeUtf16Le(u"[S問]\r\nK問=C:\\問\r\n")}) {
    EXPECT_EQ(IniFile(bytes).ReadString("s\x96\xE2", "k\x96\xE2"), "C:\\\x96\xE2");
  }
}

TEST(IniFileWrite, ChangesOnlyTheOneValueAndKeepsEveryOtherByte) {
  const struct {
    std::string before, after;
  } cases[] = {
      {"[T]\rA=1", "[T]\rA=1\r[S]\rK=\x96\xE2\r"},
      {"\r\n[S]\r\n", "\r\n[S]\r\nK=\x96\xE2\r\n"},
      {"[S]\nA=1", "[S]\nA=1\nK=\x96\xE2\n"},
      {"[s]\r\n  k = old  \r\nL=2\r\n", "[s]\r\n  k =\x96\xE2\r\nL=2\r\n"},
      {"[S]\rK \rK=2\r", "[S]\rK=\x96\xE2\rK=2\r"},
      {"\xEF\xBB\xBF[S]\nA=1\n\n \n[T]\n", "\xEF\xBB\xBF[S]\nA=1\nK=\xE5\x95\x8F\n\n \n[T]\n"},
      // An odd last byte of a UTF-16 file stays where it was.
      {"\xFF\xFE" + EncodeUtf16Le(u"[ABC]\r\n") + "x",
       "\xFF\xFE" + EncodeUtf16Le(u"[ABC]\r\n[S]\r\nK=問\r\n") + "x"},
  };
  for (const auto& c : cases) {
    IniFile ini(c.before);
    ASSERT_TRUE(ini.WriteString("S", "K", "\x96\xE2")) << c.before;
    EXPECT_EQ(ini.Bytes(), c.after) << c.before;
  }
  IniFile ini("[S]\r\nK=1\r\n");  // values that would break the line are refused
  EXPECT_FALSE(ini.WriteString("S", "K", "a\r\n[S]"));
  EXPECT_FALSE(ini.WriteString("S", "K", std::string("a\0b", 3)));
  EXPECT_EQ(ini.Bytes(), "[S]\r\nK=1\r\n");
}

// On a real disk (a folder of its own: test runs may overlap): files of any
// length come back whole, and a replacement that fails (a folder in the way,
// a full disk) says so and leaves no temporary file.
TEST(StdFiles, ReadWholeFilesAndReplaceThemOnlyWhenEveryByteIsWritten) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("kx_" + std::to_string(std::random_device()()));
  fs::create_directories(dir / "folder" / "inside");
  const std::u16string file = (dir / "KXT.ini").u16string(), folder = (dir / "folder").u16string();
  for (const std::string bytes : {"", "x", "[S]\r\n"}) {
    ASSERT_TRUE(StdFiles().ReplaceWhole(file, bytes));
    EXPECT_TRUE(StdFiles().ReadWhole(file) == bytes && StdFiles().Length(file) == bytes.size());
  }
#ifndef _WIN32
  fs::create_symlink("/dev/full", dir / "KXT.ini.tmp");  // every write to it fails
  EXPECT_FALSE(StdFiles().ReplaceWhole(file, "new"));
#endif
  EXPECT_FALSE(StdFiles().ReplaceWhole(folder, "new"));
  EXPECT_FALSE(fs::is_symlink(dir / "KXT.ini.tmp") || fs::exists(dir / "folder.tmp"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kx
