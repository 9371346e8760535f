#include "questions/record_format.h"

#include <cassert>
#include <limits>

#include "text/cp932.h"

namespace kx {
namespace {

std::string EncodeReplacingUnusable(std::u16string_view text) {
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

std::u16string_view TrimSpaces(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace

std::string ToAnsiTrimmed(std::u16string_view text) {
  const auto last = text.find_last_not_of(u' ');
  text = last == std::u16string_view::npos ? std::u16string_view{} : text.substr(0, last + 1);
  return EncodeReplacingUnusable(text);
}

std::int16_t AnsiLength(std::u16string_view text) {
  // A count that does not fit is clamped, never wrapped to a negative one.
  const std::size_t length = ToAnsiTrimmed(text).size();
  constexpr auto kLargest = static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max());
  return static_cast<std::int16_t>(length < kLargest ? length : kLargest);
}

std::u16string AnsiField(std::string_view bytes, std::int16_t position, std::int16_t count) {
  assert(position >= 0 && count >= 0 && "field position and count are never negative");
  assert((count == 0 || position >= 1) && "field positions count from 1");
  std::string_view field;
  if (count == 0) {
    field = bytes.substr(0, position < 0 ? 0 : static_cast<std::size_t>(position));
  } else {
    const std::size_t start = position < 1 ? 0 : static_cast<std::size_t>(position - 1);
    if (start < bytes.size() && count > 0) {
      field = bytes.substr(start, static_cast<std::size_t>(count));
    }
  }
  return std::u16string(TrimSpaces(DecodeCp932(field)));
}

std::string_view TrimTrailingSpaces(std::string_view bytes) {
  const auto last = bytes.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : bytes.substr(0, last + 1);
}

std::u16string QuestionOf(std::string_view line) {
  return AnsiField(TrimTrailingSpaces(line), kQuestionBytes, 0);
}

std::u16string AnswerOf(std::string_view line) {
  return AnsiField(TrimTrailingSpaces(line), kAnswerPosition, kAnswerBytes);
}

}  // namespace kx
