#pragma once
// The string table from the program's own STRINGTABLE resource.

#include "win32/windows_api.h"

#include "forms/string_table.h"

namespace kx::win {

class StringTableWin final : public StringTable {
 public:
  // `module` holds the resource: the program, or a test that links it.
  explicit StringTableWin(HINSTANCE module) : module_(module) {}
  // UTF-16, exactly as stored: trailing spaces kept.
  std::u16string Text(StringId id) const override;

 private:
  HINSTANCE module_;
};

}  // namespace kx::win
