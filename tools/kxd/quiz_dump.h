#pragma once
// A question file back as CSV, each record as the ticker shows it, so that
// building the CSV again gives the same file. Shaped for Japanese Excel,
// which takes a file as UTF-8 only by its byte order mark.

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

struct DumpedQuiz {
  std::string csv;  // UTF-8 with a byte order mark, "問題,解答" header, CR LF line ends
  std::size_t recordCount = 0;
};

// Only the records the ticker can pick: every line that a CR LF ends.
DumpedQuiz DumpQuiz(std::string_view bytes);

// Quotes a UTF-8 field when it holds a comma, a quote or a line break.
void AppendCsvField(std::string_view field, std::string& out);

}  // namespace kx
