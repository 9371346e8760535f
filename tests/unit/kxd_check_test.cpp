// What the question-file check finds, one kind of defect at a time.
#include <gtest/gtest.h>

#include <string>

#include "questions/record_format.h"
#include "quiz_checker.h"

namespace kx {
namespace {

// A well-formed record from code page 932 bytes.
std::string Record(std::string_view question, std::string_view answer) {
  std::string record(question);
  record.resize(kQuestionBytes, ' ');
  record += answer;
  record.resize(kLineBytes, ' ');
  return record + "\r\n";
}

std::vector<std::string> Problems(std::string_view bytes) {
  std::vector<std::string> lines;
  for (const QuizProblem& problem : CheckQuiz(bytes)) {
    lines.push_back(FormatProblem("q.kxd", problem));
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(KxdCheck, WellFormedFilesAreClean) {
  const std::string hiragana = "\x82\xA0\x82\xA2";  // two double-byte characters
  EXPECT_TRUE(
      Problems(Record("Q1", "A1") + Record(hiragana, "\xB1\xB2") + Record("Q3", "A3")).empty());
  // A question that ends with a whole double-byte character on byte 288.
  EXPECT_TRUE(Problems(Record(std::string(286, 'x') + "\x82\xA0", "a")).empty());
  std::string digit349 = Record("Q", "A");
  digit349[348] = '7';  // byte 349 is never read
  EXPECT_TRUE(Problems(digit349).empty());
}

TEST(KxdCheck, FieldEndsThatCutADoubleByteCharacter) {
  std::string question(287, 'x');
  question += "\x82";
  EXPECT_EQ(Problems(Record(question, "A")),
            Lines{"q.kxd: record 1: question: a double-byte character is cut at byte 288 (lead "
                  "byte 0x82)"});
  std::string record = Record(std::string(286, 'x') + "\x82\xA0", std::string(59, 'y') + "\x88");
  EXPECT_EQ(Problems(record),
            Lines{"q.kxd: record 1: answer: a double-byte character is cut at byte 348 (lead byte "
                  "0x88)"});
}

TEST(KxdCheck, BytesThatAreNoCharacters) {
  std::string leadAt349 = Record("Q", "A");
  leadAt349[348] = '\x82';
  EXPECT_EQ(Problems(leadAt349),
            Lines{"q.kxd: record 1: byte 349 (0x82) is not a single-byte character"});
  // Also when the answer ends in a character whose second byte could lead.
  leadAt349 = Record("Q", std::string(58, 'a') + "\x82\x88");
  leadAt349[348] = '\x82';
  EXPECT_EQ(Problems(leadAt349),
            Lines{"q.kxd: record 1: byte 349 (0x82) is not a single-byte character"});
  EXPECT_EQ(Problems(Record("a\x85\x40z\xFF", "A")),
            Lines{"q.kxd: record 1: question: no code page 932 character: bytes 0x85 0x40 at byte "
                  "2 (and 1 more)"});
  EXPECT_EQ(Problems(Record("Q", "\x82\x20x")),
            Lines{"q.kxd: record 1: answer: no code page 932 character: bytes 0x82 0x20 at byte "
                  "289"});
  EXPECT_EQ(Problems(Record(std::string("Q\0\0", 3), "A")),
            Lines{"q.kxd: record 1: question: control byte 0x00 at byte 2 (and 1 more)"});
  // The converters' stand-in character is a real one.
  EXPECT_TRUE(Problems(Record("\x81\x45", "A")).empty());
}

TEST(KxdCheck, EmptyFields) {
  EXPECT_EQ(Problems(Record("Q", "") + Record("   ", "A")),
            (Lines{"q.kxd: record 2: question: empty"}));
}

TEST(KxdCheck, LineEnds) {
  std::string record = Record("Q", "A");
  record[349] = ' ';
  record[350] = ' ';
  EXPECT_EQ(Problems(record), Lines{"q.kxd: record 1: bytes 350-351 are not CR LF"});
  record = Record("Question\r\nwith a break", "A");
  EXPECT_EQ(Problems(record), Lines{"q.kxd: record 1: a CR LF at bytes 9-10 splits the record"});
  record = Record("Q", "A");
  record[348] = '\r';  // bytes 349-350 now read as a line end
  record[349] = '\n';
  EXPECT_EQ(Problems(record),
            (Lines{"q.kxd: record 1: bytes 350-351 are not CR LF",
                   "q.kxd: record 1: a CR LF at bytes 349-350 splits the record"}));
}

TEST(KxdCheck, FileLengths) {
  EXPECT_EQ(Problems(""),
            Lines{"q.kxd: empty: no records (the ticker would show its built-in sample)"});
  const std::string good = Record("Q", "A");
  EXPECT_EQ(Problems(good + "Q2"), (Lines{"q.kxd: length 353 is not a multiple of 351",
                                          "q.kxd: record 2: cut short: 2 of 351 bytes"}));
  EXPECT_EQ(Problems(good.substr(0, 349)), Lines{"q.kxd: length 349 is not a multiple of 351"});
  const auto old = Problems(std::string(279, ' '));
  ASSERT_EQ(old.size(), 1u);
  EXPECT_NE(old[0].find("multiple of 279, an older record size"), std::string::npos);
  const auto older = Problems(std::string(2 * 211, ' '));
  ASSERT_FALSE(older.empty());
  EXPECT_NE(older[0].find("multiple of 211, an older record size"), std::string::npos);
}

}  // namespace
}  // namespace kx
