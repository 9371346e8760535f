#pragma once
// Rows of a CSV or TSV file: RFC 4180 quoting with either delimiter, CR LF or
// LF line ends, a UTF-8 byte order mark skipped. Fields stay raw bytes here;
// whether they are good UTF-8 is the caller's question.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

struct DelimitedRow {
  std::size_t line = 0;  // 1-based line of the input where the row starts
  std::vector<std::string> fields;
};

struct DelimitedProblem {
  std::size_t line = 0;
  std::string message;
};

struct DelimitedTable {
  std::vector<DelimitedRow> rows;  // rows with a quoting problem are left out
  std::vector<DelimitedProblem> problems;
};

DelimitedTable ReadDelimited(std::string_view bytes, char delimiter);

// Tab for a name ending in ".tsv"; otherwise tab when the first line holds
// more tabs than commas, else comma.
char DetectDelimiter(std::string_view fileName, std::string_view bytes);

}  // namespace kx
