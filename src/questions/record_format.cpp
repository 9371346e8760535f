#include "questions/record_format.h"

#include <cassert>

#include "text/cp932.h"
#include "text/spaces.h"

namespace kx {

std::string ToAnsiTrimmed(std::u16string_view text) {
  return EncodeCp932OrQuestionMark(TrimTrailingSpaces(text));
}

std::u16string AnsiField(std::string_view bytes, std::int16_t position, std::int16_t count) {
  assert(position >= 0 && count >= 0 && "field position and count are never negative");
  assert((count == 0 || position >= 1) && "field positions count from 1");
  std::string_view field;
  if (count == 0) {
    field = bytes.substr(0, static_cast<std::size_t>(position));
  } else if (const auto start = static_cast<std::size_t>(position - 1); start < bytes.size()) {
    field = bytes.substr(start, static_cast<std::size_t>(count));
  }
  return std::u16string(TrimSpaces(DecodeCp932(field)));
}

std::u16string QuestionOf(std::string_view line) {
  return AnsiField(TrimTrailingSpaces(line), kQuestionBytes, 0);
}

std::u16string AnswerOf(std::string_view line) {
  return AnsiField(TrimTrailingSpaces(line), kAnswerPosition, kAnswerBytes);
}

}  // namespace kx
