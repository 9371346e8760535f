#include "ticker/tray_tip.h"

#include "text/cp932.h"

namespace kx {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Bytes of one character in code page 932: 1 or 2; characters without a
// code page 932 form are counted as 2, the most any character takes.
std::size_t Cp932Bytes(std::u16string_view character) {
  const auto bytes = EncodeCp932(character);
  return bytes ? bytes->size() : 2;
}

}  // namespace

std::u16string TipForField(std::u16string_view tip, std::size_t fieldChars) {
  if (fieldChars == 0) return {};
  const std::size_t limit = fieldChars - 1;
  tip = tip.substr(0, tip.find(u'\0'));
  std::size_t units = 0;
  std::size_t bytes = 0;
  while (units < tip.size()) {
    const std::size_t length =
        IsHighSurrogate(tip[units]) && units + 1 < tip.size() ? std::size_t{2} : std::size_t{1};
    const std::size_t characterBytes = Cp932Bytes(tip.substr(units, length));
    if (units + length > limit || bytes + characterBytes > limit) break;
    units += length;
    bytes += characterBytes;
  }
  return std::u16string(tip.substr(0, units));
}

}  // namespace kx
