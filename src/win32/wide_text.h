#pragma once
// UTF-16 text of the portable code (std::u16string) as the platform's wide
// strings (wchar_t, also UTF-16 on Windows) and back, without conversion.

#include <string>
#include <string_view>

namespace kx::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide strings are UTF-16");

// A NUL-terminated copy for the W functions.
inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace kx::win
