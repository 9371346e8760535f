// Question files: the fields of a record, and what loading a file leaves.
#include <gtest/gtest.h>

#include "app/load_questions.h"
#include "fake/fake_platform.h"
#include "question_test_records.h"
#include "questions/record_format.h"

namespace kx {
namespace {

using testing::RawRecord;
using testing::Record;

TEST(RecordFields, FieldsEndAtTheirBytesAndByte349NeverBelongsToTheAnswer) {
  // 143 double-byte characters, then one more ending exactly at byte 288.
  const std::u16string question = std::u16string(143, u'問') + u'端';
  for (const char* byte349 : {"1", "\xB1"}) {
    for (const std::u16string& answer : {std::u16string(30, u'答'), std::u16string(u"荒川")}) {
      const std::string line = Record(question, answer, byte349);
      EXPECT_EQ(QuestionOf(line), question);
      EXPECT_EQ(AnswerOf(line), answer);
    }
  }
  EXPECT_EQ(AnswerOf(Record(u"問い", u"", "9")), u"");
  // Outer spaces are padding; the ideographic space is text.
  EXPECT_EQ(QuestionOf(Record(u"  \u3000字下げ\u3000 ", u"a")), u"\u3000字下げ\u3000");
  EXPECT_EQ(AnswerOf(std::string(288, 'q')), u"");
  const std::string bytes = std::string(288, ' ') + testing::Cp932(u"荒川");  // bytes 289-292
  EXPECT_EQ(AnsiField(bytes, 291, 2), u"川");
  EXPECT_EQ(AnsiField(bytes, 293, 60), u"");
  EXPECT_EQ(ToAnsiTrimmed(u"aé😀b "), "a??b");  // no code page 932 form: one byte each
  // Each line ends before its CR LF; what follows the last one is a line too.
  const QuestionLines l = QuestionLines::FromBytes("q\r\n\r\nab\r\nc");
  EXPECT_TRUE(l[0] == "q" && l[1].empty() && l[2] == "ab" && l[3] == "c");
}

// One element per CR LF and one for what follows the last; the count leaves
// out that last element. Files without a CR LF give the sample, silently;
// files that cannot be read give the message, with the sample in place
// while it is open.
TEST(LoadQuestions, CountsTheRecordsThatEndInCrLfOrGivesTheSample) {
  const std::u16string path = u"C:\\quiz\\q.kxd";
  fake::FakePlatform fake;
  basRuvoZava module;
  module.QuestionFilePath = path;
  const auto holdsTheSample = [&] {
    return module.Questions.count == 0 && module.Questions.lines.size() == 1 &&
           AnswerOf(module.Questions.lines[0]) == u"荒川" &&
           module.Questions.lines[0].size() == 347;
  };
  const std::string one = Record(u"一", u"1");
  const struct {
    std::string bytes;
    std::int32_t count;  // 0: the sample
    std::u16string answer;
  } cases[] = {
      {one + Record(u"  二問目", u"二") + Record(u"三", u""), 3, u"1"},
      {one + one + "\r\n\r\n" + Record(u"二", u"2", " "), 4, u"1"},
      {"", 0, u"荒川"},
      {Record(u"一つだけ", u"改行なし", " "), 0, u"荒川"},
      {RawRecord("q", "\x93\x9A").substr(0, 350), 0, u"荒川"},
      {RawRecord("q", "\x93\x9A") + "\x82", 1, u"答"},  // a lone lead byte at the end
      {RawRecord(std::string(287, 'a') + "\x82", "\x93\x9A"), 1, u"答"},
      {RawRecord(std::string("\x81\x7F\xA0\xFD\xFF\0a\rb\nc\n\r", 13), "\x93\x9A") + "\n\r", 1,
       u"答"},
      {std::string(4u << 20, 'x') + "\r\n", 1, std::u16string(60, u'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes.substr(0, 20));
    fake.files.contents[path] = c.bytes;
    EXPECT_TRUE(LoadQuestions(fake.Services(), module));
    EXPECT_EQ(module.Questions.count, c.count);
    ASSERT_EQ(module.Questions.lines.size(), static_cast<std::size_t>(c.count) + 1);
    EXPECT_EQ(AnswerOf(module.Questions.lines[0]), c.answer);
  }
  EXPECT_TRUE(fake.dialogs.messages.empty());
  fake.files.unreadable.insert(path);
  bool sampleWhileOpen = false;
  fake.dialogs.onMessage = [&] { sampleWhileOpen = holdsTheSample(); };
  EXPECT_FALSE(LoadQuestions(fake.Services(), module));
  EXPECT_TRUE(sampleWhileOpen);
  fake.files.huge.insert(path);  // as a file larger than memory allows makes reads fail
  EXPECT_FALSE(LoadQuestions(fake.Services(), module));
  EXPECT_TRUE(holdsTheSample());
  EXPECT_EQ(fake.dialogs.messages.size(), 2u);
  EXPECT_EQ(fake.files.writes, 0);  // the loader never creates a file
}

}  // namespace
}  // namespace kx
