#pragma once
// A question file back as CSV, each record as the ticker shows it, so that
// building the CSV again gives the same file.

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

struct DumpedQuiz {
  std::string csv;  // UTF-8, "問題,解答" header, CR LF line ends
  std::size_t recordCount = 0;
};

// The byte order mark by which Japanese Excel takes a file as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Only the records the ticker can pick: every line that a CR LF ends.
DumpedQuiz DumpQuiz(std::string_view bytes);

// Quotes a UTF-8 field when it holds a comma, a quote or a line break.
void AppendCsvField(std::string_view field, std::string& out);

}  // namespace kx
