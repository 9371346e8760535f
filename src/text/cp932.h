#pragma once
// Conversion between UTF-16 text (std::u16string) and code page 932 bytes
// (std::string). Every byte count that matters to the program -- field
// cutting, text-output counts, the 255-byte settings value -- is a count of
// these bytes. On Windows the platform's own converter does the work; on
// Linux glibc's iconv "CP932". Both give the same results for every byte
// sequence the program writes or expects to read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

// Never fails: a byte sequence that is not code page 932 becomes U+30FB per
// unusable byte, as the platform's converter does.
std::u16string DecodeCp932(std::string_view bytes);

struct Cp932Decoded {
  std::u16string text;                 // empty when a byte is no character
  std::optional<std::size_t> badByte;  // offset of the first such byte
};

// Only bytes that are code page 932 characters, each read as the platform
// reads it; a lead byte without its trail byte at the end is a bad byte.
Cp932Decoded DecodeCp932Strict(std::string_view bytes);

// Empty when some character has no code page 932 form; nothing is guessed
// or replaced, so a path that cannot be written never names another file.
std::optional<std::string> EncodeCp932(std::u16string_view text);

// EncodeCp932, with "?" for each character that has no code page 932 form,
// as the platform's converter writes it.
std::string EncodeCp932OrQuestionMark(std::u16string_view text);

// The longest path, in code page 932 bytes, that the settings file and the
// open-file dialog's 256-byte buffer hold.
inline constexpr std::size_t kMaxPathBytes = 255;

// Whether the settings file can name `path` again: it has a code page 932
// form of at most kMaxPathBytes bytes.
bool IsStorablePath(std::u16string_view path);

}  // namespace kx
