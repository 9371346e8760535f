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
  ASSERT_TRUE(files_.ReplaceWhole(Path(u"a.kxd"), bytes));
  EXPECT_EQ(files_.ReadWhole(Path(u"a.kxd")), bytes);
  EXPECT_EQ(files_.Length(Path(u"a.kxd")), bytes.size());
  ASSERT_TRUE(files_.ReplaceWhole(Path(u"a.kxd"), "short"));
  EXPECT_EQ(files_.ReadWhole(Path(u"a.kxd")), "short");
  ASSERT_TRUE(files_.ReplaceWhole(Path(u"a.kxd"), ""));
  EXPECT_EQ(files_.ReadWhole(Path(u"a.kxd")), "");
  EXPECT_EQ(files_.Length(Path(u"a.kxd")), 0u);
}

TEST_F(FilesWinTest, MissingFilesAndFoldersGiveNothing) {
  EXPECT_EQ(files_.ReadWhole(Path(u"none.kxd")), std::nullopt);
  EXPECT_EQ(files_.Length(Path(u"none.kxd")), std::nullopt);
  EXPECT_FALSE(files_.IsExistingFile(Path(u"none.kxd")));
  EXPECT_EQ(files_.ReadWhole(folder_), std::nullopt);
  EXPECT_EQ(files_.Length(folder_), std::nullopt);
  EXPECT_FALSE(files_.IsExistingFile(folder_));
  EXPECT_FALSE(files_.IsExistingFile(u""));
}

TEST_F(FilesWinTest, HiddenFilesDoNotCountAsExisting) {
  ASSERT_TRUE(files_.ReplaceWhole(Path(u"hidden.kxd"), "q"));
  EXPECT_TRUE(files_.IsExistingFile(Path(u"hidden.kxd")));
  ASSERT_TRUE(SetFileAttributesW(ToWide(Path(u"hidden.kxd")).c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(files_.IsExistingFile(Path(u"hidden.kxd")));
  EXPECT_EQ(files_.ReadWhole(Path(u"hidden.kxd")), "q");  // still readable when chosen
}

TEST_F(FilesWinTest, AFailedReplaceLeavesNoTemporaryBehind) {
  // The folder does not exist: nothing can be written, nothing is left.
  EXPECT_FALSE(files_.ReplaceWhole(Path(u"sub\\KXT.ini"), "[SCROLL]\r\n"));
  // A folder where the file should go: the move fails, the temporary goes.
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
