// The wide file functions on a scratch folder with a Japanese name.
#include <gtest/gtest.h>

#include "win32/files_win.h"
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
    for (const char16_t* name : {u"\\a.kxd", u"\\hidden.kxd", u"\\KXT.ini", u"\\ro.ini"}) {
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

TEST_F(FilesWinTest, WritesReadsAndMeasuresWholeFiles) {
  const std::string bytes = std::string("\x82\xa0\0\r\n", 5) + std::string(70000, 'x');
  for (const std::string& content : {bytes, std::string("short"), std::string()}) {
    ASSERT_TRUE(files_.ReplaceWhole(Path(u"a.kxd"), content));
    EXPECT_EQ(files_.ReadWhole(Path(u"a.kxd")), content);
    EXPECT_EQ(files_.Length(Path(u"a.kxd")), content.size());
  }
}

// Folders are no files; hidden files can be chosen but do not count as there.
TEST_F(FilesWinTest, MissingFilesFoldersAndHiddenFiles) {
  for (const std::u16string& path : {Path(u"none.kxd"), folder_}) {
    EXPECT_EQ(files_.ReadWhole(path), std::nullopt);
    EXPECT_EQ(files_.Length(path), std::nullopt);
    EXPECT_FALSE(files_.IsExistingFile(path));
  }
  ASSERT_TRUE(files_.ReplaceWhole(Path(u"hidden.kxd"), "q"));
  ASSERT_TRUE(SetFileAttributesW(ToWide(Path(u"hidden.kxd")).c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(files_.IsExistingFile(Path(u"hidden.kxd")));
  EXPECT_EQ(files_.ReadWhole(Path(u"hidden.kxd")), "q");
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

}  // namespace
}  // namespace kx::win
