// The STRINGTABLE resource against the program's texts, character for
// character and by code page 932 length.
#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "text/cp932.h"
#include "win32/string_table_win.h"

namespace kx::win {
namespace {

struct Entry {
  StringId id;
  std::size_t characters;
  std::size_t cp932Bytes;
};

constexpr Entry kEntries[] = {
    {StringId::kAppTitle, 11, 11},         {StringId::kVersionPattern, 19, 19},
    {StringId::kHomePage, 25, 25},         {StringId::kIniFileName, 7, 7},
    {StringId::kSpecifyFileAgain, 15, 26}, {StringId::kOldFileUnusable, 14, 24},
    {StringId::kFileUnusable, 18, 32},     {StringId::kFileMissing, 17, 30},
    {StringId::kAlreadyRunning, 11, 22},   {StringId::kSpeedScale, 17, 17},
    {StringId::kPleaseLoadFile, 14, 24},   {StringId::kOpenFilter, 40, 45},
    {StringId::kOpenTitle, 5, 10},         {StringId::kFileErrorTitle, 11, 13},
    {StringId::kStartupErrorTitle, 7, 9},  {StringId::kGlyphFace, 7, 13},
    {StringId::kSampleRecord, 298, 347},
};

TEST(StringTableWin, EveryEntryMatchesTheProgramsTextAndByteLength) {
  const StringTableWin resource(GetModuleHandleW(nullptr));
  const fake::FakeStringTable expected;
  for (const Entry& entry : kEntries) {
    SCOPED_TRACE(static_cast<int>(entry.id));
    const std::u16string text = resource.Text(entry.id);
    EXPECT_EQ(text, expected.Text(entry.id));
    EXPECT_EQ(text.size(), entry.characters);
    const auto bytes = EncodeCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), entry.cp932Bytes);
  }
}

}  // namespace
}  // namespace kx::win
