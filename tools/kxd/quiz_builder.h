#pragma once
// Turns the rows of a UTF-8 CSV or TSV file into question records: code page
// 932, the question padded to 288 bytes and the answer to 60, then a space and
// CR LF. Every row that cannot become a faithful record is refused with the
// reason; the records are only worth writing when nothing was refused.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

enum class QuizColumn { kNone, kQuestion, kAnswer };

struct Refusal {
  std::size_t line = 0;  // 1-based line of the input; 0 for the file as a whole
  QuizColumn column = QuizColumn::kNone;
  std::string message;  // UTF-8
};

struct BuiltQuiz {
  std::string records;  // code page 932 bytes, kRecordSize per record
  std::size_t recordCount = 0;
  std::vector<Refusal> refusals;  // in input order
};

BuiltQuiz BuildQuiz(std::string_view input, char delimiter);

// "NAME:LINE: question: message", the way compilers point at a place.
std::string FormatRefusal(std::string_view inputName, const Refusal& refusal);

}  // namespace kx
