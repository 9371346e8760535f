#pragma once
// The program's string table: every text it shows or uses as a file name,
// font name, dialog filter or sample record, looked up by number.

#include <cstdint>
#include <string>

namespace kx {

enum class StringId : std::uint16_t {
  kAppTitle = 10,
  kVersionPattern = 11,
  kHomePage = 12,
  kIniFileName = 13,
  kSpecifyFileAgain = 20,
  kOldFileUnusable = 21,
  kFileUnusable = 22,
  kFileMissing = 23,
  kAlreadyRunning = 24,
  kSpeedScale = 26,
  kPleaseLoadFile = 27,
  kOpenFilter = 30,
  kOpenTitle = 31,
  kFileErrorTitle = 40,
  kStartupErrorTitle = 41,
  kGlyphFace = 50,
  kSampleRecord = 100,
};

class StringTable {
 public:
  virtual ~StringTable() = default;
  // UTF-16 text of the entry. Every id of StringId exists.
  virtual std::u16string Text(StringId id) const = 0;
};

}  // namespace kx
