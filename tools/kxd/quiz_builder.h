#pragma once
// Turns the rows of a CSV or TSV file into question records: code page
// 932, the question padded to 288 bytes and the answer to 60, then a space and
// CR LF. Every row that cannot become a faithful record is refused with the
// reason; the records are only worth writing when nothing was refused.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "input_encoding.h"
#include "kxd_messages.h"

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
  // Some part of the file could not be read as rows: nothing is worth
  // writing, not even the rows that fit.
  bool unreadable = false;
};

struct BuildOptions {
  char delimiter = ',';
  // Fields in code page 932 rather than UTF-8: only to name the bad byte of
  // a file that was to be read in it.
  bool cp932Fields = false;
  // The 0-based fields holding the question and the answer; without them a
  // row holds exactly those two.
  std::optional<std::pair<std::size_t, std::size_t>> fields;
  std::vector<std::size_t> otherColumns;   // 0-based columns that hold no field
  bool html = false;                       // fields are HTML
  bool cardText = false;                   // fields hold sound references and furigana
  bool keepReading = false;                // furigana keep their reading in parentheses
  std::span<const TextFault> textFaults;   // from decoding the input, by offset
  Language language = Language::kEnglish;  // of the refusals
};

BuiltQuiz BuildQuiz(std::string_view input, const BuildOptions& options);

inline BuiltQuiz BuildQuiz(std::string_view input, char delimiter) {
  BuildOptions options;
  options.delimiter = delimiter;
  return BuildQuiz(input, options);
}

// "NAME:LINE: question: message", the way compilers point at a place; in
// Japanese "NAME LINE行目: 問題: message".
std::string FormatRefusal(std::string_view inputName, const Refusal& refusal,
                          Language language = Language::kEnglish);

}  // namespace kx
