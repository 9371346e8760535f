#pragma once
// The byte structure of code page 932, without any converter: which bytes
// start a double-byte character and which may follow one.

#include <cstddef>
#include <string_view>

namespace kx {

constexpr bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr bool IsCp932TrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// ASCII and half-width katakana; 0x80, 0xA0 and 0xFD-0xFF are no characters.
constexpr bool IsCp932SingleByte(unsigned char byte) {
  return byte <= 0x7F || (byte >= 0xA1 && byte <= 0xDF);
}

// True when walking `bytes` character by character ends exactly at its end,
// so no double-byte character is cut in two by the field's end.
constexpr bool EndsOnCharacterBoundary(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    i += IsCp932LeadByte(static_cast<unsigned char>(bytes[i])) ? std::size_t{2} : std::size_t{1};
  }
  return i == bytes.size();
}

}  // namespace kx
