#include "text/spaces.h"

namespace kx {
namespace {

template <typename Char>
std::basic_string_view<Char> TrimEnd(std::basic_string_view<Char> text) {
  const auto last = text.find_last_not_of(Char{' '});
  return last == std::basic_string_view<Char>::npos ? std::basic_string_view<Char>{}
                                                    : text.substr(0, last + 1);
}

}  // namespace

std::u16string_view TrimSpaces(std::u16string_view text) {
  text = TrimEnd(text);
  const auto first = text.find_first_not_of(u' ');
  return first == std::u16string_view::npos ? std::u16string_view{} : text.substr(first);
}

std::u16string_view TrimTrailingSpaces(std::u16string_view text) { return TrimEnd(text); }

std::string_view TrimTrailingSpaces(std::string_view bytes) { return TrimEnd(bytes); }

std::u16string CutAtNul(std::u16string_view text) {
  return std::u16string(TrimSpaces(text.substr(0, text.find(u'\0'))));
}

}  // namespace kx
