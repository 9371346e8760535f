#pragma once
// The text of a field of a flash-card deck export: HTML markup, sound and
// image references, cloze markers and furigana become the plain line the
// ticker can show. Every search for a closer remembers where it found one, so
// a field of unclosed openers costs linear time.

#include <string>
#include <string_view>
#include <vector>

#include "kxd_messages.h"

namespace kx {

// Tags go, a line break or block boundary becomes one space, entities are
// decoded and images dropped. Ruby keeps its base, and with `keepReading`
// the reading in parentheses. A known entity whose text code page 932
// cannot hold is left out and named in `problems`, in `language`.
std::u16string StripHtml(std::u16string_view html, bool keepReading,
                         std::vector<std::string>& problems,
                         Language language = Language::kEnglish);

// "[sound:...]" goes, a cloze keeps its text without the hint. Furigana, kana
// in brackets after a kanji ("漢字[かんじ]", a space may mark where the base
// starts), keep the base, or with `keepReading` "漢字(かんじ)".
std::u16string PlainCardText(std::u16string_view text, bool keepReading);

}  // namespace kx
