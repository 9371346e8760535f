#pragma once
// Rows of a CSV or TSV file, one at a time: RFC 4180 quoting with either
// delimiter, CR LF or LF line ends, a UTF-8 byte order mark skipped. Fields
// stay raw bytes here; whether they are good UTF-8 is the caller's question.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kxd_messages.h"

namespace kx {

struct DelimitedRow {
  std::size_t line = 0;  // 1-based line of the input where the row starts
  std::size_t end = 0;   // past the row's bytes in the input, line end included
  std::vector<std::string> fields;
  std::string problem;      // a quoting fault; then the fields mean nothing
  bool unreadable = false;  // the fault swallowed the rest of the file
};

class DelimitedReader {
 public:
  DelimitedReader(std::string_view bytes, char delimiter, Language language = Language::kEnglish);

  // The next row into `row` (its storage reused); false after the last.
  bool Next(DelimitedRow& row);
  std::size_t Line() const { return line_; }  // where the reading stands

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();
  void ReadUnquoted(std::string& field);
  bool ReadQuoted(std::string& field, DelimitedRow& row);

  std::string_view bytes_;
  char delimiter_;
  Language language_;  // of the quoting faults
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
};

// Tab for a name ending in ".tsv". Otherwise the first line that holds
// anything decides, counting outside quotes: tab when it holds more tabs
// than commas, or any tab at all in a deck export, whose notes are
// tab-separated unless its header says otherwise.
char DetectDelimiter(std::string_view fileName, std::string_view bytes, bool deck);

}  // namespace kx
