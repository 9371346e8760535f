#pragma once
// Question records for the tests, in code page 932 in the record layout.

#include <gtest/gtest.h>

#include <string>

#include "questions/record_format.h"
#include "text/cp932.h"

namespace kx::testing {

inline std::string Cp932(std::u16string_view text) {
  const auto bytes = EncodeCp932(text);
  EXPECT_TRUE(bytes.has_value()) << "test text without a code page 932 form";
  return bytes.value_or(std::string());
}

// A record from raw bytes, which may be no characters at all; `end` is byte
// 349 and the line end.
inline std::string RawRecord(std::string question, std::string_view answer,
                             std::string_view end = " \r\n") {
  question.resize(kQuestionBytes, ' ');
  question += answer;
  question.resize(kLineBytes - 1, ' ');
  return question += end;
}

inline std::string Record(std::u16string_view question, std::u16string_view answer,
                          std::string_view end = " \r\n") {
  return RawRecord(Cp932(question), Cp932(answer), end);
}

}  // namespace kx::testing
