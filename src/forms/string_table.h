#pragma once
// The program's string table, looked up by number: its messages and their
// titles, its name (also the tray tip) and version line, the home page link,
// the speed scale, the settings file's name, the open-file dialog's filter
// and title, the glyph font and the sample record. Not in it: the settings
// window's labels, which its drawing names, and the menu resource's items.

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
