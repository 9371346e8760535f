#pragma once
// Files on top of the standard library: the native build's file access and
// the base the tools use on every platform.

#include "forms/files.h"

namespace kx {

class StdFiles : public Files {
 public:
  std::optional<std::string> ReadWhole(std::u16string_view path) override;
  std::optional<std::uint64_t> Length(std::u16string_view path) override;
  // Here: a regular file (the standard library knows no hidden or system flag).
  bool IsExistingFile(std::u16string_view path) override;
  bool ReplaceWhole(std::u16string_view path, std::string_view bytes) override;
};

}  // namespace kx
