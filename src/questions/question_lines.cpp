#include "questions/question_lines.h"

#include <cassert>
#include <utility>

#include "text/cp932.h"

namespace kx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::size_t CountLineEnds(std::string_view bytes) {
  std::size_t count = 0;
  for (std::size_t pos = bytes.find(kLineEnd); pos != std::string_view::npos;
       pos = bytes.find(kLineEnd, pos + kLineEnd.size())) {
    ++count;
  }
  return count;
}

}  // namespace

QuestionLines QuestionLines::FromBytes(std::string bytes) {
  assert(CanHold(bytes.size()) && "question file larger than the line index can address");
  QuestionLines lines;
  lines.bytes_ = std::move(bytes);
  if (lines.bytes_.empty()) return lines;
  const std::string_view all = lines.bytes_;
  // Counting first sizes the index exactly: a file of many short lines would
  // otherwise leave up to twice the room it needs.
  lines.starts_.reserve(CountLineEnds(all) + 1);
  lines.starts_.push_back(0);
  for (std::size_t pos = all.find(kLineEnd); pos != std::string_view::npos;
       pos = all.find(kLineEnd, pos + kLineEnd.size())) {
    lines.starts_.push_back(static_cast<std::uint32_t>(pos + kLineEnd.size()));
  }
  return lines;
}

QuestionLines QuestionLines::SingleLine(std::string bytes) {
  assert(CanHold(bytes.size()) && "line larger than the line index can address");
  assert(bytes.find(kLineEnd) == std::string::npos && "a single line holds no CR LF");
  QuestionLines lines;
  lines.bytes_ = std::move(bytes);
  lines.starts_.push_back(0);
  return lines;
}

std::string_view QuestionLines::operator[](std::size_t index) const {
  assert(index < starts_.size() && "question line index outside the list");
  // Checked: an index past the last line stops here instead of reading past the index.
  const std::size_t start = starts_.at(index);
  const std::size_t end =
      index + 1 < starts_.size() ? starts_.at(index + 1) - kLineEnd.size() : bytes_.size();
  return std::string_view(bytes_).substr(start, end - start);
}

std::u16string QuestionLines::Text(std::size_t index) const { return DecodeCp932((*this)[index]); }

}  // namespace kx
