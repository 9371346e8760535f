#pragma once
// Whole-file access by path. Paths are UTF-16 text, as the platform's wide
// file functions take them; contents are raw bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

class Files {
 public:
  virtual ~Files() = default;
  // The whole file in one piece, or nothing when it cannot be opened or
  // read in full (missing, a folder, denied, too large to hold, read error).
  virtual std::optional<std::string> ReadWhole(std::u16string_view path) = 0;
  // Length in bytes, or nothing when it cannot be measured.
  virtual std::optional<std::uint64_t> Length(std::u16string_view path) = 0;
  // A normal file exists there: not a folder, not hidden, not a system file.
  virtual bool IsExistingFile(std::u16string_view path) = 0;
  // Writes a temporary file beside `path` and renames it over `path`, so a
  // crash never leaves a half-written file. False when anything failed; the
  // old file is then untouched.
  virtual bool ReplaceWhole(std::u16string_view path, std::string_view bytes) = 0;
};

}  // namespace kx
