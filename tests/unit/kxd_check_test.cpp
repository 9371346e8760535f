// What the question-file check finds, one kind of defect at a time.
#include <gtest/gtest.h>

#include <string>

#include "questions/record_format.h"
#include "quiz_checker.h"

namespace kx {
namespace {

// A well-formed record from code page 932 bytes, with byte 349 and the
// line end as given.
std::string Record(std::string_view question, std::string_view answer, std::string end = " \r\n") {
  std::string record(question);
  record.resize(kQuestionBytes, ' ');
  record += answer;
  record.resize(kLineBytes - 1, ' ');
  return record + end;
}

TEST(KxdCheck, FindsEachKindOfDefect) {
  using Lines = std::vector<std::string>;
  const std::string x286(286, 'x');
  const struct {
    std::string bytes;
    Lines problems;
  } cases[] = {
      {Record("Q1", "A1") + Record("\x82\xA0\x82\xA2", "\xB1\xB2") + Record(x286 + "\x82\xA0", "a"),
       {}},
      {Record("Q", "A", "7\r\n"), {}},  // byte 349 is never read
      {Record("\x81\x45", "A"), {}},    // the converters' stand-in character is a real one
      {Record(x286 + "x\x82", "A"),
       {"q.kxd: record 1: question: a double-byte character is cut at byte 288 (lead byte 0x82)"}},
      {Record("Q", std::string(59, 'y') + "\x88"),
       {"q.kxd: record 1: answer: a double-byte character is cut at byte 348 (lead byte 0x88)"}},
      {Record("Q", std::string(58, 'a') + "\x82\x88", "\x82\r\n"),
       {"q.kxd: record 1: byte 349 (0x82) is not a single-byte character"}},
      {Record("a\x85\x40z\xFF", "A"),
       {"q.kxd: record 1: question: no code page 932 character: bytes 0x85 0x40 at byte 2 (and "
        "1 more)"}},
      {Record(std::string("Q\0\0", 3), "A"),
       {"q.kxd: record 1: question: control byte 0x00 at byte 2 (and 1 more)"}},
      {Record("Q", "") + Record("   ", "A"),
       {"q.kxd: record 2: question: empty"}},
      {Record("Q", "A", "   "), {"q.kxd: record 1: bytes 350-351 are not CR LF"}},
      {Record("Question\r\nwith a break", "A"),
       {"q.kxd: record 1: a CR LF at bytes 9-10 splits the record"}},
      {"", {"q.kxd: empty: no records (the ticker would show its built-in sample)"}},
      {Record("Q", "A") + "Q2",
       {"q.kxd: length 353 is not a multiple of 351",
        "q.kxd: record 2: cut short: 2 of 351 bytes"}},
  };
  for (const auto& c : cases) {
    Lines found;
    for (const QuizProblem& problem : CheckQuiz(c.bytes)) {
      found.push_back(FormatProblem("q.kxd", problem));
    }
    EXPECT_EQ(found, c.problems) << c.bytes.substr(0, 20);
  }
  const auto old = CheckQuiz(std::string(2 * 211, ' '));
  ASSERT_FALSE(old.empty());
  EXPECT_NE(FormatProblem("q.kxd", old[0]).find("multiple of 211, an older record size"),
            std::string::npos);
}

}  // namespace
}  // namespace kx
