#include "questions/question_lines.h"

#include <gtest/gtest.h>

#include <vector>

#include "question_test_records.h"
#include "text/cp932.h"

namespace kx {
namespace {

// What the lines must equal: the whole file decoded, then split at CR LF
// only, with one line after the last CR LF.
TEST(QuestionLines, GiveWhatDecodingTheWholeFileThenSplittingWouldGive) {
  // Trail bytes that are also ASCII characters: 0x5C, 0x7C, 0x40.
  const std::string trails = testing::Cp932(u"ソ表申");
  for (const std::string& file :
       {std::string(), std::string("abc"), std::string("\r\n\r\n"), std::string("\r\r\n\n"),
        std::string("a\rb\nc\r"),
        testing::Record(u"全国には一級河川が", u"荒川") + testing::RecordLine(u"最後", u"") +
            "\r\n\r\n" + trails + "\r\n" + trails}) {
    const QuestionLines lines = QuestionLines::FromBytes(file);
    std::vector<std::u16string> expected;
    const std::u16string text = DecodeCp932(file);
    for (std::size_t start = 0; !text.empty();) {
      const std::size_t end = text.find(u"\r\n", start);
      expected.push_back(text.substr(start, end - start));
      if (end == std::u16string::npos) break;
      start = end + 2;
    }
    ASSERT_EQ(lines.size(), expected.size()) << file;
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines.Text(i), expected[i]) << i;
  }
}

}  // namespace
}  // namespace kx
