#include "questions/question_lines.h"

#include <gtest/gtest.h>

#include <vector>

#include "question_test_records.h"
#include "text/cp932.h"

namespace kx {
namespace {

std::vector<std::string> Lines(const QuestionLines& lines) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < lines.size(); ++i) out.emplace_back(lines[i]);
  return out;
}

// What the lines must equal: the whole file decoded, then split at CR LF.
std::vector<std::u16string> DecodeThenSplit(std::string_view bytes) {
  std::vector<std::u16string> pieces;
  const std::u16string text = DecodeCp932(bytes);
  if (text.empty()) return pieces;
  std::size_t start = 0;
  for (std::size_t pos = text.find(u"\r\n"); pos != std::u16string::npos;
       pos = text.find(u"\r\n", start)) {
    pieces.push_back(text.substr(start, pos - start));
    start = pos + 2;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

TEST(QuestionLines, SplitsAtCrLfOnly) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines(QuestionLines::FromBytes("")), V{});
  EXPECT_EQ(Lines(QuestionLines::FromBytes("abc")), V{"abc"});
  EXPECT_EQ(Lines(QuestionLines::FromBytes("a\r\nb\r\n")), (V{"a", "b", ""}));
  EXPECT_EQ(Lines(QuestionLines::FromBytes("a\rb\nc")), V{"a\rb\nc"});
  EXPECT_EQ(Lines(QuestionLines::FromBytes("\r\n\r\n")), (V{"", "", ""}));
  EXPECT_EQ(Lines(QuestionLines::FromBytes("\r\r\n\n")), (V{"\r", "\n"}));
  EXPECT_EQ(Lines(QuestionLines::FromBytes("x\r")), V{"x\r"});
}

TEST(QuestionLines, GivesWhatDecodingTheWholeFileWouldGive) {
  std::string file = testing::Record(u"全国には一級河川が", u"荒川") +
                     testing::Record(u"  ﾊﾝｶｸ and ＺＥＮＫＡＫＵ", u"表") +
                     testing::RecordLine(u"最後", u"") + "\r\n\r\n" + "tail\r";
  // Trail bytes that are also ASCII characters: 0x5C, 0x7C, 0x40.
  file += testing::Cp932(u"ソ表申") + "\r\n";
  const QuestionLines lines = QuestionLines::FromBytes(file);
  const std::vector<std::u16string> expected = DecodeThenSplit(file);
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines.Text(i), expected[i]) << "line " << i;
  }
}

}  // namespace
}  // namespace kx
