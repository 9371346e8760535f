#pragma once
// UTF-8 bytes (std::string) and UTF-16 text (std::u16string). The strict
// decoder treats overlong forms, surrogates encoded as UTF-8 and code points
// past U+10FFFF as errors; the lenient one replaces each bad byte with U+FFFD.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

struct Utf8Error {
  std::size_t offset = 0;  // of the first byte that cannot start or continue a character
  unsigned char byte = 0;
};

struct Utf8Decoded {
  std::u16string text;
  std::optional<Utf8Error> error;  // set: `text` holds what came before it
};

Utf8Decoded DecodeUtf8(std::string_view bytes);
std::u16string Utf8ToUtf16(std::string_view bytes);

// An unpaired surrogate becomes U+FFFD.
void AppendUtf8(std::u16string_view text, std::string& out);
std::string Utf16ToUtf8(std::u16string_view text);

// One code point starting at text[index] (a surrogate pair counts as one);
// `length` receives 1 or 2.
char32_t CodePointAt(std::u16string_view text, std::size_t index, std::size_t& length);

}  // namespace kx
