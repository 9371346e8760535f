#include <utility>

#include "text/cp932.h"

namespace kx {

std::string EncodeCp932OrQuestionMark(std::u16string_view text) {
  if (auto bytes = EncodeCp932(text)) return *std::move(bytes);
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Keep a surrogate pair together so it becomes one "?".
    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    const std::u16string_view one = text.substr(i, pair ? 2 : 1);
    if (pair) ++i;
    const auto encoded = EncodeCp932(one);
    bytes += encoded ? *encoded : std::string("?");
  }
  return bytes;
}

bool IsStorablePath(std::u16string_view path) {
  const std::optional<std::string> bytes = EncodeCp932(path);
  return bytes && bytes->size() <= kMaxPathBytes;
}

}  // namespace kx
