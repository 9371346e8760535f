// Building question records from CSV and TSV rows, and reading them back.
#include <gtest/gtest.h>

#include <string>

#include "delimited_reader.h"
#include "questions/record_format.h"
#include "quiz_builder.h"
#include "quiz_dump.h"

namespace kx {
namespace {

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// The refusals as the command prints them, one string each.
std::vector<std::string> Refusals(std::string_view input) {
  std::vector<std::string> lines;
  for (const Refusal& refusal : BuildQuiz(input, ',').refusals) {
    lines.push_back(FormatRefusal("in.csv", refusal));
  }
  return lines;
}

TEST(KxdBuild, RecordsHaveTheFixedLayoutAndDumpGivesTheInputBack) {
  // 2 + 143 x 2 = 288 bytes, the last character double-byte and ending on byte 288.
  const std::string longest = "ab" + Repeat("あ", 143);
  const std::string rows = longest + "," + Repeat("ｱ", 60) + "\n" +
                           "\"commas, inside\",\"say \"\"hi\"\"\"\n"
                           "「ＪＩＳ」～①Ⅱ㈱,≒∵\n";
  const BuiltQuiz quiz = BuildQuiz(rows, ',');
  ASSERT_TRUE(quiz.refusals.empty()) << quiz.refusals[0].message;
  ASSERT_EQ(quiz.records.size(), 3u * kRecordSize);
  EXPECT_EQ(quiz.records.substr(286, 2), "\x82\xA0");
  EXPECT_EQ(quiz.records.substr(288, 60), std::string(60, '\xB1'));
  EXPECT_EQ(quiz.records.substr(348, 3), " \r\n");
  const DumpedQuiz dump = DumpQuiz(quiz.records);
  EXPECT_EQ(dump.csv, "question,answer\n" + rows);
  EXPECT_EQ(BuildQuiz(dump.csv, ',').records, quiz.records);
}

TEST(KxdBuild, RefusalsNameTheRowTheFieldAndTheReason) {
  const struct {
    std::string input;
    std::vector<std::string> refusals;
  } cases[] = {
      {"abc" + Repeat("あ", 143) + ",a\n",
       {"in.csv:1: question: 289 bytes in code page 932; at most 288 fit (144 full-width "
        "characters)"}},
      {"q,a" + Repeat("ア", 30) + "\n",
       {"in.csv:1: answer: 61 bytes in code page 932; at most 60 fit (30 full-width characters)"}},
      {"q1,a1\nq2 café,a2\nq3,😀\n",
       {"in.csv:2: question: U+00E9 'é' has no code page 932 form",
        "in.csv:3: answer: U+1F600 '😀' has no code page 932 form"}},
      {"東京〜大阪,a\n",
       {"in.csv:1: question: U+301C '〜' has no code page 932 form; write U+FF5E '～' instead"}},
      {"\"two\nlines\",a\nq,\x01\n",
       {"in.csv:1: question: holds a line break (U+000A); a record holds one line",
        "in.csv:3: answer: holds the control character U+0001"}},
      {"q\xFF,a\n", {"in.csv:1: question: invalid UTF-8: byte 0xFF at byte 2 of the field"}},
      {",a\nq,   \nonly one\nq,a,extra\n\"open,a\n",
       {"in.csv:1: question: empty; the ticker would have nothing to show",
        "in.csv:3: expected 2 fields (question, answer), found 1",
        "in.csv:4: expected 2 fields (question, answer), found 3",
        "in.csv:5: a quoted field that starts here is never closed"}},
      {"question,answer\n", {"in.csv: no questions in the file"}},
      // Rows keep their own line numbers past blank lines and quoted breaks.
      {"\n\"a\"\"b\",c\n\nq,é\n", {"in.csv:4: answer: U+00E9 'é' has no code page 932 form"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Refusals(c.input), c.refusals) << c.input;
}

TEST(KxdBuild, ToleratesWhatSpreadsheetsWrite) {
  // Byte order mark, a header in either language, CR LF, blank rows, a
  // trailing empty column and spaces around fields.
  EXPECT_EQ(BuildQuiz("\xEF\xBB\xBFquestion,answer\r\nq,a\r\n", ',').recordCount, 1u);
  EXPECT_EQ(DumpQuiz(BuildQuiz("問題,解答\n\n q , a \n,\nq2,a2,\n", ',').records).csv,
            "question,answer\nq,a\nq2,a2\n");
  EXPECT_EQ(BuildQuiz("q,a\nquestion,answer\n", ',').recordCount, 2u);  // only a first row heads
  // An empty answer makes a statement: the question shows alone.
  EXPECT_EQ(DumpQuiz(BuildQuiz("fact,  \n", ',').records).csv, "question,answer\nfact,\n");
  EXPECT_EQ(DetectDelimiter("quiz.TSV", "a,b,c"), '\t');
  EXPECT_EQ(DetectDelimiter("quiz.txt", "問題\t解答\nq\ta"), '\t');
  EXPECT_EQ(DetectDelimiter("quiz.csv", "a,b\tc,d"), ',');
  EXPECT_EQ(DumpQuiz(BuildQuiz("q, with comma\ta\n", '\t').records).csv,
            "question,answer\n\"q, with comma\",a\n");
}

}  // namespace
}  // namespace kx
