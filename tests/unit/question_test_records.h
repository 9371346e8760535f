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

// One record without its CR LF: 349 bytes when the texts fit.
inline std::string RecordLine(std::u16string_view question, std::u16string_view answer,
                              char byte349 = ' ') {
  std::string line = Cp932(question);
  line.resize(kQuestionBytes, ' ');
  line += Cp932(answer);
  line.resize(kQuestionBytes + kAnswerBytes, ' ');
  return line + byte349;
}

inline std::string Record(std::u16string_view question, std::u16string_view answer) {
  return RecordLine(question, answer) + "\r\n";
}

}  // namespace kx::testing
