#pragma once
// Which installed face stands in for a face the system lacks.

#include <functional>
#include <string>
#include <string_view>

namespace kx {

// Japanese monospaced Gothic faces, best first.
inline constexpr std::u16string_view kGothicFallbacks[] = {
    u"ＭＳ ゴシック",         u"MS Gothic", u"IPAGothic",
    u"Noto Sans Mono CJK JP", u"VL Gothic", u"TakaoGothic"};

// `face` when `installed` says the system has it, else the first installed
// fallback, else `face` itself (the font mapper then picks the nearest).
std::u16string ChooseFace(std::u16string_view face,
                          const std::function<bool(std::u16string_view)>& installed);

}  // namespace kx
