#pragma once
// QuestionLines: the question file as read, code page 932 bytes, with the
// line boundaries found once. A line is decoded only when the ticker asks for
// it, so memory stays close to the file's size: no wide copy, no object per
// record.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

class QuestionLines {
 public:
  QuestionLines() = default;

  // Splits at every CR LF, left to right; CR or LF alone does not split.
  // The piece after the last CR LF is kept too (empty for a well-formed
  // file). Empty bytes give no pieces at all.
  static QuestionLines FromBytes(std::string bytes);

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  // Line `index` without its CR LF.
  std::string_view operator[](std::size_t index) const;

 private:
  std::string bytes_;
  std::vector<std::size_t> starts_;  // where each line begins in bytes_
};

}  // namespace kx
