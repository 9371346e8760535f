#pragma once
// Whole-file access through the wide file functions, so any path the system
// can name works whatever the system locale.

#include "forms/files.h"

namespace kx::win {

class FilesWin final : public Files {
 public:
  // Nothing for files of 2 GB or more, and when memory runs out.
  std::optional<std::string> ReadWhole(std::u16string_view path) override;
  std::optional<std::uint64_t> Length(std::u16string_view path) override;
  bool IsExistingFile(std::u16string_view path) override;
  // Writes "<path>.<process id>.tmp", then moves it over `path` in one step;
  // on any failure the temporary file is deleted and `path` left as it was.
  // Where the temporary file cannot be made, an existing file that may be
  // read and written is overwritten in place instead. A read-only file is
  // never replaced.
  bool ReplaceWhole(std::u16string_view path, std::string_view bytes) override;
};

}  // namespace kx::win
