// Files another program holds open without sharing, or marked read-only,
// through the real file functions: a clear message or the defaults, and the
// file on disk never replaced or lost.
#include <gtest/gtest.h>

#include "app/load_questions.h"
#include "fake/fake_platform.h"
#include "questions/record_format.h"
#include "settings/settings.h"
#include "win32/files_win.h"
#include "win32/scoped_win.h"
#include "win32/wide_text.h"
#include "win32/windows_api.h"

namespace kx::win {
namespace {

constexpr std::string_view kIniBytes = "[SCROLL]\r\nSPEED=0\r\n";

TEST(HostileFilesWin, LockedAndReadOnlyFilesAreNeverReplaced) {
  wchar_t temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const std::u16string folder =
      FromWide(temp) + u"kx_hostile_" + FromWide(std::to_wstring(GetCurrentProcessId()));
  ASSERT_TRUE(CreateDirectoryW(ToWide(folder).c_str(), nullptr));
  const std::u16string quiz = folder + u"\\q.kxd";
  const std::u16string ini = folder + u"\\KXT.ini";
  FilesWin files;
  std::string record(static_cast<std::size_t>(kLineBytes), 'q');
  record += "\r\n";
  ASSERT_TRUE(files.ReplaceWhole(quiz, record));

  fake::FakePlatform fake;
  const Platform platform{fake.strings, fake.dialogs,  fake.environment, files,      fake.timer,
                          fake.tray,    fake.graphics, fake.window,      fake.random};
  basRuvoZava module;
  module.QuestionFilePath = quiz;
  const auto lock = [](const std::u16string& path) {
    return UniqueFile(CreateFileW(ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  };
  for (const char* how : {"locked", "read-only"}) {
    SCOPED_TRACE(how);
    ASSERT_TRUE(files.ReplaceWhole(ini, kIniBytes));
    UniqueFile held;
    if (how == std::string_view("locked")) {
      held = lock(ini);
      UniqueFile heldQuiz = lock(quiz);
      ASSERT_TRUE(held && heldQuiz);
      // Chosen, then locked before the load: the message, then the sample.
      EXPECT_FALSE(LoadQuestions(platform, module));
      EXPECT_EQ(module.Questions.count, 0);
      EXPECT_EQ(fake.dialogs.messages.size(), 1u);
      EXPECT_EQ(LoadSettings(files, ini).SpeedLevel, 1);  // unreadable: the defaults
    } else {
      ASSERT_TRUE(SetFileAttributesW(ToWide(ini).c_str(), FILE_ATTRIBUTE_READONLY));
      EXPECT_EQ(LoadSettings(files, ini).SpeedLevel, 0);
    }
    Settings settings;
    settings.SpeedLevel = 2;
    SaveSettings(files, ini, settings);
    EXPECT_EQ(settings.SpeedSaved, kNotSet);  // not saved: tried again next time
    EXPECT_FALSE(WriteQuestionFilePath(files, ini, u"C:\\other.kxd"));
    (void)held.Close();
    EXPECT_EQ(files.ReadWhole(ini), std::string(kIniBytes));
    ASSERT_TRUE(SetFileAttributesW(ToWide(ini).c_str(), FILE_ATTRIBUTE_NORMAL));
  }
  EXPECT_TRUE(LoadQuestions(platform, module));  // once let go, the file loads
  EXPECT_EQ(module.Questions.count, 1);

  EXPECT_TRUE(DeleteFileW(ToWide(quiz).c_str()));
  EXPECT_TRUE(DeleteFileW(ToWide(ini).c_str()));
  EXPECT_TRUE(RemoveDirectoryW(ToWide(folder).c_str())) << "a temporary file was left behind";
}

}  // namespace
}  // namespace kx::win
