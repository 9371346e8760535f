#include "win32/string_table_win.h"

#include <cassert>

namespace kx::win {

std::u16string StringTableWin::Text(StringId id) const {
  // With a zero buffer size LoadStringW hands out a pointer into the
  // resource itself, so no length limit applies and nothing is copied twice.
  const wchar_t* text = nullptr;
  const int length =
      LoadStringW(module_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  assert(length > 0 && text != nullptr && "every string id is in the resource");
  if (length <= 0 || text == nullptr) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length));
}

}  // namespace kx::win
