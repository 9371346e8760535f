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
std::vector<std::string> Refusals(std::string_view input, char delimiter = ',') {
  std::vector<std::string> lines;
  for (const Refusal& refusal : BuildQuiz(input, delimiter).refusals) {
    lines.push_back(FormatRefusal("in.csv", refusal));
  }
  return lines;
}

bool Accepted(std::string_view input) { return BuildQuiz(input, ',').refusals.empty(); }

TEST(KxdBuild, RecordsHaveTheFixedLayout) {
  const BuiltQuiz quiz = BuildQuiz("荒川の問題,荒川\nQ2,A2\n", ',');
  ASSERT_TRUE(quiz.refusals.empty());
  ASSERT_EQ(quiz.recordCount, 2u);
  ASSERT_EQ(quiz.records.size(), 2u * kRecordSize);
  const std::string_view first = std::string_view(quiz.records).substr(0, kRecordSize);
  EXPECT_EQ(first.substr(0, 10), "\x8D\x72\x90\xEC\x82\xCC\x96\xE2\x91\xE8");
  EXPECT_EQ(first.substr(10, 278), std::string(278, ' '));
  EXPECT_EQ(first.substr(288, 4), "\x8D\x72\x90\xEC");
  EXPECT_EQ(first.substr(292, 56), std::string(56, ' '));
  EXPECT_EQ(first.substr(348), " \r\n");
}

TEST(KxdBuild, DumpGivesTheInputBack) {
  const std::string rows =
      "ＭＳ ゴシック ﾌｧｲﾙ abc 一〇九？,ﾃﾞｰﾀ 123\n"
      "\"commas, inside\",\"say \"\"hi\"\"\"\n"
      "「ＪＩＳ」～①Ⅱ㈱,≒∵\n";
  const BuiltQuiz quiz = BuildQuiz(rows, ',');
  ASSERT_TRUE(quiz.refusals.empty()) << quiz.refusals[0].message;
  const DumpedQuiz dump = DumpQuiz(quiz.records);
  EXPECT_EQ(dump.recordCount, 3u);
  EXPECT_EQ(dump.csv, "question,answer\n" + rows);
  // And the dump builds into the same bytes again.
  EXPECT_EQ(BuildQuiz(dump.csv, ',').records, quiz.records);
}

TEST(KxdBuild, ByteLimitsCountCodePage932Bytes) {
  // 2 + 143 x 2 = 288 bytes, the last character double-byte and ending on byte 288.
  const std::string longest = "ab" + Repeat("あ", 143);
  const BuiltQuiz quiz = BuildQuiz(longest + "," + Repeat("い", 30) + "\n", ',');
  ASSERT_TRUE(quiz.refusals.empty());
  EXPECT_EQ(quiz.records.substr(286, 2), "\x82\xA0");
  EXPECT_EQ(quiz.records.substr(288, 2), "\x82\xA2");
  EXPECT_EQ(DumpQuiz(quiz.records).csv,
            "question,answer\n" + longest + "," + Repeat("い", 30) + "\n");

  EXPECT_EQ(Refusals("abc" + Repeat("あ", 143) + ",a\n"),
            std::vector<std::string>{"in.csv:1: question: 289 bytes in code page 932; at most 288 "
                                     "fit (144 full-width characters)"});
  EXPECT_TRUE(Accepted("q," + Repeat("ｱ", 60) + "\n"));  // half-width katakana take one byte
  EXPECT_EQ(Refusals("q,a" + Repeat("ア", 30) + "\n"),
            std::vector<std::string>{
                "in.csv:1: answer: 61 bytes in code page 932; at most 60 fit (30 full-width "
                "characters)"});
}

TEST(KxdBuild, CharactersWithoutACodePage932FormAreNamed) {
  EXPECT_EQ(Refusals("q1,a1\nq2 café,a2\nq3,😀\n"),
            (std::vector<std::string>{"in.csv:2: question: U+00E9 'é' has no code page 932 form",
                                      "in.csv:3: answer: U+1F600 '😀' has no code page 932 form"}));
  // Look-alikes that one converter maps onto another character are refused
  // too, so what the ticker shows is what was written.
  EXPECT_EQ(Refusals("東京〜大阪,a\n"),
            std::vector<std::string>{"in.csv:1: question: U+301C '〜' has no code page 932 form; "
                                     "write U+FF5E '～' instead"});
  EXPECT_EQ(Refusals("q,¥100\n").size(), 1u);
}

TEST(KxdBuild, FieldsThatCannotBeOneLineOfTextAreRefused) {
  EXPECT_EQ(Refusals("\"two\nlines\",a\nq,a\nq,\"x\r\ny\"\n"),
            (std::vector<std::string>{
                "in.csv:1: question: holds a line break (U+000A); a record holds one line",
                "in.csv:4: answer: holds a line break (U+000D); a record holds one line"}));
  EXPECT_EQ(Refusals("q\x01,a\n"),
            std::vector<std::string>{"in.csv:1: question: holds the control character U+0001"});
  EXPECT_EQ(Refusals("q\xFF,a\n"),
            std::vector<std::string>{
                "in.csv:1: question: invalid UTF-8: byte 0xFF at byte 2 of the field"});
  EXPECT_EQ(Refusals("q,\xE3\x81\n").size(), 1u);  // cut short at the line end
}

TEST(KxdBuild, EmptyFieldsAndBadRowsAreRefusedTogether) {
  EXPECT_EQ(
      Refusals(",a\nq,   \nonly one\nq,a,extra\n\"open,a\n"),
      (std::vector<std::string>{"in.csv:1: question: empty; the ticker would have nothing to show",
                                "in.csv:3: expected 2 fields (question, answer), found 1",
                                "in.csv:4: expected 2 fields (question, answer), found 3",
                                "in.csv:5: a quoted field that starts here is never closed"}));
  EXPECT_EQ(Refusals("\"q\"x,a\n"),
            std::vector<std::string>{"in.csv:1: text after the closing quote of a field (inside "
                                     "quotes, write a quote as two quotes)"});
  EXPECT_EQ(Refusals(""), std::vector<std::string>{"in.csv: no questions in the file"});
  EXPECT_EQ(Refusals("question,answer\n"),
            std::vector<std::string>{"in.csv: no questions in the file"});
}

TEST(KxdBuild, ToleratesWhatSpreadsheetsWrite) {
  // Byte order mark, a header in either language, CR LF, blank rows, a
  // trailing empty column and spaces around fields.
  EXPECT_EQ(BuildQuiz("\xEF\xBB\xBFquestion,answer\r\nq,a\r\n", ',').recordCount, 1u);
  EXPECT_EQ(BuildQuiz("問題,解答\n\n q , a \n,\nq2,a2,\n", ',').recordCount, 2u);
  EXPECT_EQ(DumpQuiz(BuildQuiz(" q , a \nfact,  \n", ',').records).csv,
            "question,answer\nq,a\nfact,\n");
  // Rows keep their own line numbers past blank lines and quoted breaks.
  EXPECT_EQ(Refusals("\n\"a\"\"b\",c\n\nq,é\n"),
            std::vector<std::string>{"in.csv:4: answer: U+00E9 'é' has no code page 932 form"});
  // A header only counts as the first row.
  EXPECT_EQ(BuildQuiz("q,a\nquestion,answer\n", ',').recordCount, 2u);
}

TEST(KxdBuild, TabSeparatedInput) {
  EXPECT_EQ(DetectDelimiter("quiz.TSV", "a,b,c"), '\t');
  EXPECT_EQ(DetectDelimiter("quiz.txt", "問題\t解答\nq\ta"), '\t');
  EXPECT_EQ(DetectDelimiter("quiz.csv", "a,b\tc,d"), ',');
  const BuiltQuiz quiz = BuildQuiz("問題\t解答\nq, with comma\t\"a\tb\"\n", '\t');
  ASSERT_EQ(quiz.refusals.size(), 1u);  // the quoted tab is a control character
  EXPECT_EQ(quiz.refusals[0].column, QuizColumn::kAnswer);
  const BuiltQuiz good = BuildQuiz("q, with comma\ta\n", '\t');
  EXPECT_EQ(DumpQuiz(good.records).csv, "question,answer\n\"q, with comma\",a\n");
}

}  // namespace
}  // namespace kx
