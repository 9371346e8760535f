#pragma once
// The text of a field of a flash-card deck export: HTML markup, sound and
// image references and furigana brackets become the plain line the ticker
// can show.

#include <string>
#include <string_view>

namespace kx {

// Tags go, a line break or block boundary becomes one space, entities are
// decoded and images dropped.
std::u16string StripHtml(std::u16string_view html);

// "[sound:...]" goes. Furigana written "漢字[かんじ]" (a space may mark where
// the base starts) keep the base, or with `keepReading` "漢字(かんじ)".
std::u16string PlainCardText(std::u16string_view text, bool keepReading);

}  // namespace kx
