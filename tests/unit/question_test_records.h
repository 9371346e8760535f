#pragma once
// Building question records for the tests: code page 932 bytes in the
// record layout, from UTF-16 question and answer texts.

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

// One record line without its CR LF: 349 bytes when the texts fit.
inline std::string RecordLine(std::u16string_view question, std::u16string_view answer,
                              char byte349 = ' ') {
  std::string line = Cp932(question);
  line.resize(kQuestionBytes, ' ');
  line += Cp932(answer);
  line.resize(kQuestionBytes + kAnswerBytes, ' ');
  line += byte349;
  return line;
}

inline std::string Record(std::u16string_view question, std::u16string_view answer) {
  return RecordLine(question, answer) + "\r\n";
}

}  // namespace kx::testing
