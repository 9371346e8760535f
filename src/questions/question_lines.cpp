#include "questions/question_lines.h"

#include <cassert>
#include <cstring>

namespace kx {

QuestionLines QuestionLines::FromBytes(std::string bytes) {
  QuestionLines lines;
  lines.bytes_ = std::move(bytes);
  if (lines.bytes_.empty()) return lines;
  const std::string_view all = lines.bytes_;
  lines.starts_.reserve(all.size() / 351 + 2);
  lines.starts_.push_back(0);
  for (std::size_t pos = all.find("\r\n"); pos != std::string_view::npos;
       pos = all.find("\r\n", pos + 2)) {
    lines.starts_.push_back(pos + 2);
  }
  return lines;
}

std::string_view QuestionLines::operator[](std::size_t index) const {
  assert(index < starts_.size() && "question line index outside the list");
  const std::size_t start = starts_[index];
  const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] - 2 : bytes_.size();
  return std::string_view(bytes_).substr(start, end - start);
}

}  // namespace kx
