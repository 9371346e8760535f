#pragma once
// QuestionLines: the question file as read, code page 932 bytes, with the
// line boundaries found once. A line is decoded only when the ticker asks for
// it, so memory stays close to the file's size: no wide copy, no object per
// record. The results are those of decoding the whole file and splitting the
// text at CR LF: in code page 932 neither 0x0D nor 0x0A is ever the second
// byte of a double-byte character, so the byte split finds the same lines.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

class QuestionLines {
 public:
  // Line offsets are 32-bit: a larger file could not be held on the 32-bit
  // target anyway.
  static constexpr bool CanHold(std::size_t bytes) {
    return static_cast<std::uint64_t>(bytes) <= std::numeric_limits<std::uint32_t>::max();
  }

  QuestionLines() = default;
  QuestionLines(QuestionLines&&) noexcept = default;
  QuestionLines& operator=(QuestionLines&&) noexcept = default;
  QuestionLines(const QuestionLines&) = delete;
  QuestionLines& operator=(const QuestionLines&) = delete;

  // Splits code page 932 bytes at every CR LF, left to right; CR or LF alone
  // does not split. The piece after the last CR LF is kept too (empty for a
  // well-formed file). Empty bytes give no pieces at all. CanHold(bytes.size()).
  // Throws std::bad_alloc when the line index cannot be held.
  static QuestionLines FromBytes(std::string bytes);

  // Exactly one line holding `bytes` (code page 932, without CR LF): the
  // built-in sample record.
  static QuestionLines SingleLine(std::string bytes);

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }

  // Line `index` as code page 932 bytes, without its CR LF. Valid until this
  // object is replaced; copy what must outlive the next load.
  std::string_view operator[](std::size_t index) const;
  // Line `index` decoded to UTF-16.
  std::u16string Text(std::size_t index) const;

 private:
  std::string bytes_;
  std::vector<std::uint32_t> starts_;  // where each line begins in bytes_
};

}  // namespace kx
