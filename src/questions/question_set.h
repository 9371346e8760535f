#pragma once
// The records in memory: the file's lines and the index of the last one,
// kept together so that every index a pick can give (0 to count - 1, or 0
// when count is 0) lies inside the lines.

#include <cstdint>
#include <optional>
#include <string_view>

#include "forms/files.h"
#include "questions/question_lines.h"

namespace kx {

struct QuestionSet {
  QuestionLines lines;
  std::int32_t count = 0;  // lines.size() - 1, never below 0 once loaded
};

// The file's records: every CR LF ends a record. Nothing when the file
// cannot be read or held (a file too large is a read failure, never an
// exception), and nothing usable when it holds no whole record: the caller
// then takes the sample record.
std::optional<QuestionSet> ReadQuestionSet(Files& files, std::u16string_view path);

// The built-in sample record alone; `sampleText` must be code page 932 text.
QuestionSet SampleQuestionSet(std::u16string_view sampleText);

}  // namespace kx
