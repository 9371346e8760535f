#pragma once
// UTF-16 little-endian bytes, as Windows stores "Unicode" text, and back.
// Surrogates pass through as they are; an odd last byte is no character and
// is left out.

#include <string>
#include <string_view>

namespace kx {

std::u16string DecodeUtf16Le(std::string_view bytes);
std::string EncodeUtf16Le(std::u16string_view text);

// Appends one code point, as a surrogate pair beyond U+FFFF.
void AppendCodePoint(char32_t cp, std::u16string& text);

}  // namespace kx
