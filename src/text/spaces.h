#pragma once
// Ordinary spaces (U+0020) around fields and values. The ideographic space
// U+3000 is text, never trimmed: writers indent with it and file names may
// hold it.

#include <string>
#include <string_view>

namespace kx {

std::u16string_view TrimSpaces(std::u16string_view text);
std::u16string_view TrimTrailingSpaces(std::u16string_view text);
// Code page 932 bytes: 0x20 is never the second byte of a double-byte
// character, so this never splits one.
std::string_view TrimTrailingSpaces(std::string_view bytes);

// The text before the first NUL, trimmed: what a fixed-size buffer held.
std::u16string CutAtNul(std::u16string_view text);

}  // namespace kx
