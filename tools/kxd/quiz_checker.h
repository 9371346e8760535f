#pragma once
// Finds what is wrong with a question file (code page 932 records of 351
// bytes): the file length, line ends, characters cut or invalid, empty
// fields. Records are taken at their fixed places, so one fault is reported
// where it is instead of shifting every record after it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kxd_messages.h"

namespace kx {

struct QuizProblem {
  std::size_t record = 0;  // 1-based; 0 for the file as a whole
  std::string message;     // UTF-8
};

// `language` is that of the messages.
std::vector<QuizProblem> CheckQuiz(std::string_view bytes, Language language = Language::kEnglish);

// "NAME: record 3: message"
std::string FormatProblem(std::string_view fileName, const QuizProblem& problem,
                          Language language = Language::kEnglish);

}  // namespace kx
