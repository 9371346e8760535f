// The wide file functions on a scratch folder with a Japanese name, and
// settings files another program holds open without sharing, or marked
// read-only: the defaults or the values read, and the file never replaced.
#include <gtest/gtest.h>

#include "settings/settings.h"
#include "win32/files_win.h"
#include "win32/scoped_win.h"
#include "win32/wide_text.h"
#include "win32/windows_api.h"

namespace kx::win {
namespace {

class FilesWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    folder_ = FromWide(temp) + u"kx問題_" + FromWide(std::to_wstring(GetCurrentProcessId()));
    ASSERT_TRUE(CreateDirectoryW(ToWide(folder_).c_str(), nullptr));
  }
  void TearDown() override {
    for (const char16_t* name : {u"\\hidden.kxd", u"\\KXT.ini"}) {
      const std::wstring path = ToWide(folder_ + name);
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
    RemoveDirectoryW(ToWide(folder_ + u"\\sub").c_str());
    EXPECT_TRUE(RemoveDirectoryW(ToWide(folder_).c_str())) << "a file was left behind";
  }
  std::u16string Path(std::u16string_view name) const {
    return folder_ + u"\\" + std::u16string(name);
  }

  std::u16string folder_;
  FilesWin files_;
};

// Folders are no files; hidden files can be read but do not count as there.
TEST_F(FilesWinTest, WritesReadsAndMeasuresWholeFiles) {
  const std::string bytes = std::string("\x82\xa0\0\r\n", 5) + std::string(70000, 'x');
  for (const std::string& content : {bytes, std::string()}) {
    ASSERT_TRUE(files_.ReplaceWhole(Path(u"hidden.kxd"), content));
    EXPECT_EQ(files_.ReadWhole(Path(u"hidden.kxd")), content);
    EXPECT_EQ(files_.Length(Path(u"hidden.kxd")), content.size());
  }
  EXPECT_EQ(files_.ReadWhole(folder_), std::nullopt);
  EXPECT_FALSE(files_.IsExistingFile(folder_));
  ASSERT_TRUE(SetFileAttributesW(ToWide(Path(u"hidden.kxd")).c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(files_.IsExistingFile(Path(u"hidden.kxd")));
}

TEST_F(FilesWinTest, AFailedReplaceLeavesNoTemporaryBehind) {
  // The folder does not exist, or a folder stands where the file should go.
  EXPECT_FALSE(files_.ReplaceWhole(Path(u"sub\\KXT.ini"), "[SCROLL]\r\n"));
  ASSERT_TRUE(CreateDirectoryW(ToWide(Path(u"sub")).c_str(), nullptr));
  EXPECT_FALSE(files_.ReplaceWhole(Path(u"sub"), "[SCROLL]\r\n"));
  // TearDown fails if any "*.tmp" stayed in the folder.
}

TEST_F(FilesWinTest, WhereNoTemporaryCanBeMadeTheFileIsWrittenInPlace) {
  ASSERT_TRUE(files_.ReplaceWhole(Path(u"KXT.ini"), "[SCROLL]\r\nSPEED=1\r\n"));
  const std::wstring taken =
      ToWide(Path(u"KXT.ini.")) + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  ASSERT_TRUE(CreateDirectoryW(taken.c_str(), nullptr));
  EXPECT_TRUE(files_.ReplaceWhole(Path(u"KXT.ini"), "[S]\r\n"));
  EXPECT_EQ(files_.ReadWhole(Path(u"KXT.ini")), "[S]\r\n");
  RemoveDirectoryW(taken.c_str());
}

TEST_F(FilesWinTest, LockedAndReadOnlySettingsFilesAreNeverReplaced) {
  const std::u16string ini = Path(u"KXT.ini");
  constexpr std::string_view kIniBytes = "[SCROLL]\r\nSPEED=0\r\n";
  for (const bool locked : {true, false}) {
    SCOPED_TRACE(locked);
    ASSERT_TRUE(files_.ReplaceWhole(ini, kIniBytes));
    UniqueFile held;
    if (locked) {
      held = UniqueFile(CreateFileW(ToWide(ini).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
      ASSERT_TRUE(held);
    } else {
      ASSERT_TRUE(SetFileAttributesW(ToWide(ini).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    EXPECT_EQ(LoadSettings(files_, ini).SpeedLevel, locked ? 1 : 0);  // unreadable: the defaults
    Settings settings;
    settings.SpeedLevel = 2;
    SaveSettings(files_, ini, settings);
    EXPECT_EQ(settings.SpeedSaved, kNotSet);  // not saved: tried again next time
    EXPECT_FALSE(WriteQuestionFilePath(files_, ini, u"C:\\other.kxd"));
    (void)held.Close();
    EXPECT_EQ(files_.ReadWhole(ini), std::string(kIniBytes));
    ASSERT_TRUE(SetFileAttributesW(ToWide(ini).c_str(), FILE_ATTRIBUTE_NORMAL));
  }
}

}  // namespace
}  // namespace kx::win
