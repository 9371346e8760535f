#pragma once
// The byte structure of code page 932, without any converter: which bytes
// start a double-byte character, which may follow one, and how far one
// character reaches. Every walk over code page 932 bytes steps with
// Cp932CharacterLength, so all of them agree where a character ends.

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

// The bytes of the character at `at` (before the end): 2 for a lead byte
// with a trail byte after it, else 1. A lead byte at the end, or before a
// byte that cannot follow one, is a broken character of one byte: a step
// never passes the end, never swallows the "=", "]", CR or digit after a
// stray lead byte, and a cut keeps the lead byte rather than the next byte.
constexpr std::size_t Cp932CharacterLength(std::string_view bytes, std::size_t at) {
  return IsCp932LeadByte(static_cast<unsigned char>(bytes[at])) && at + 1 < bytes.size() &&
                 IsCp932TrailByte(static_cast<unsigned char>(bytes[at + 1]))
             ? 2
             : 1;
}

// The longest start of `bytes` of at most `limit` bytes that ends between
// two characters.
constexpr std::string_view CutBetweenCp932Characters(std::string_view bytes, std::size_t limit) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t next = at + Cp932CharacterLength(bytes, at);
    if (next > limit) break;
    at = next;
  }
  return bytes.substr(0, at);
}

// False when `bytes` ends in a lead byte whose trail byte would lie past the
// end, as when a field's end cuts a double-byte character in two.
constexpr bool EndsOnCharacterBoundary(std::string_view bytes) {
  std::size_t at = 0;
  while (at + 1 < bytes.size()) at += Cp932CharacterLength(bytes, at);
  // Either a character ended at the end, or the last byte is one of its own.
  return at == bytes.size() || !IsCp932LeadByte(static_cast<unsigned char>(bytes[at]));
}

}  // namespace kx
