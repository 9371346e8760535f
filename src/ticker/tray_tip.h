#pragma once
// The tip text as the shell's tip field takes it.

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

// The tip as shown: the text before its first NUL, cut at a character
// boundary so that it fits `fieldChars` UTF-16 units and, in code page 932,
// `fieldChars` bytes, each with room for the closing NUL. The program's tips
// are far shorter; the cut only keeps a long one from spilling over.
std::u16string TipForField(std::u16string_view tip, std::size_t fieldChars);

}  // namespace kx
