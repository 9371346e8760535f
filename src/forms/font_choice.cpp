#include "forms/font_choice.h"

namespace kx {

std::u16string ChooseFace(std::u16string_view face,
                          const std::function<bool(std::u16string_view)>& installed) {
  if (installed(face)) return std::u16string(face);
  for (const std::u16string_view fallback : kGothicFallbacks) {
    if (installed(fallback)) return std::u16string(fallback);
  }
  return std::u16string(face);
}

}  // namespace kx
