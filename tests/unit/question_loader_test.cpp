#include "app/load_questions.h"

#include <gtest/gtest.h>

#include <new>

#include "fake/fake_platform.h"
#include "question_test_records.h"
#include "questions/record_format.h"

namespace kx {
namespace {

using testing::Record;
using testing::RecordLine;

const std::u16string kPath = u"C:\\quiz\\q.kxd";

// A record from raw code page 932 bytes, which may be no characters at all.
std::string RawRecord(std::string question, std::string_view answer) {
  question.resize(static_cast<std::size_t>(kQuestionBytes), ' ');
  question += answer;
  question.resize(static_cast<std::size_t>(kLineBytes), ' ');
  return question + "\r\n";
}

// Reads fail the way a file larger than memory allows makes them fail.
class OutOfMemoryFiles final : public Files {
 public:
  std::optional<std::string> ReadWhole(std::u16string_view) override { throw std::bad_alloc(); }
  std::optional<std::uint64_t> Length(std::u16string_view) override { return 1ull << 40; }
  bool IsExistingFile(std::u16string_view) override { return true; }
  bool ReplaceWhole(std::u16string_view, std::string_view) override { return false; }
};

class LoadQuestionsTest : public ::testing::Test {
 protected:
  LoadQuestionsTest() { module.QuestionFilePath = kPath; }
  bool HoldsTheSample() const {
    return module.Questions.count == 0 && module.Questions.lines.size() == 1 &&
           AnswerOf(module.Questions.lines[0]) == u"荒川" && module.Questions.lines[0].size() == 347;
  }

  fake::FakePlatform fake;
  basRuvoZava module;
};

// One element per CR LF and one for what follows the last; the count leaves
// out that last element. Files without a CR LF give the sample, silently.
TEST_F(LoadQuestionsTest, CountsTheRecordsThatEndInCrLfAndKeepsEachAnswerInPlace) {
  const std::string one = Record(u"一", u"1");
  const std::string kAnswer = "\x93\x9A";  // 答
  const std::string giant(4u << 20, 'x');
  const struct {
    const char* what;
    std::string bytes;
    std::int32_t count;  // 0: the sample
    std::u16string answer;
  } cases[] = {
      {"three", one + Record(u"  二問目", u"二") + Record(u"三", u""), 3, u"1"},
      {"no last line end", one + RecordLine(u"二", u"2"), 1, u"1"},
      {"empty lines", one + one + "\r\n\r\n", 4, u"1"},
      {"empty", "", 0, u"荒川"},
      {"one without line end", RecordLine(u"一つだけ", u"改行なし"), 0, u"荒川"},
      {"350 bytes", RawRecord("q", kAnswer).substr(0, 350), 0, u"荒川"},
      {"352 bytes", RawRecord("q", kAnswer) + "x", 1, u"答"},
      {"lone lead byte at the end", RawRecord("q", kAnswer) + "\x82", 1, u"答"},
      {"lead byte ending the question", RawRecord(std::string(287, 'a') + "\x82", kAnswer), 1,
       u"答"},
      {"invalid pairs", RawRecord("\x81\x7F\xA0\xFD\xFF\x82", kAnswer), 1, u"答"},
      {"NUL bytes", RawRecord(std::string("\0q\0", 3), kAnswer), 1, u"答"},
      {"CR and LF alone", RawRecord("a\rb\nc\n\r", kAnswer) + "\n\r", 1, u"答"},
      {"one giant line", giant, 0, u"荒川"},
      {"one giant record", giant + "\r\n", 1, std::u16string(60, u'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fake.files.contents[kPath] = c.bytes;
    EXPECT_TRUE(LoadQuestions(fake.Services(), module));
    EXPECT_EQ(module.Questions.count, c.count);
    ASSERT_EQ(module.Questions.lines.size(), static_cast<std::size_t>(c.count) + 1);
    EXPECT_EQ(AnswerOf(module.Questions.lines[0]), c.answer);
  }
  EXPECT_TRUE(fake.dialogs.messages.empty());
  fake.files.contents[kPath] = cases[0].bytes;
  LoadQuestions(fake.Services(), module);
  EXPECT_EQ(QuestionOf(module.Questions.lines[1]), u"二問目");
  EXPECT_EQ(module.Questions.lines[3], "");
}

// Missing, unreadable, or too large to hold: the message, and the sample in
// place while it is open.
TEST_F(LoadQuestionsTest, AFileThatCannotBeReadShowsTheMessageAndGivesTheSample) {
  fake.files.contents[kPath] = Record(u"古い", u"1") + Record(u"古い", u"2");
  ASSERT_TRUE(LoadQuestions(fake.Services(), module));
  fake.files.unreadable.insert(kPath);
  bool sampleWhileOpen = false;
  fake.dialogs.onMessage = [&](const fake::ShownMessage&) { sampleWhileOpen = HoldsTheSample(); };
  EXPECT_FALSE(LoadQuestions(fake.Services(), module));
  EXPECT_TRUE(sampleWhileOpen);
  EXPECT_EQ(module.QuestionFilePath, kPath);
  OutOfMemoryFiles huge;
  EXPECT_FALSE(LoadQuestions(fake.With(huge), module));
  EXPECT_TRUE(HoldsTheSample());
  ASSERT_EQ(fake.dialogs.messages.size(), 2u);
  EXPECT_EQ(fake.dialogs.messages[0].text,
            u"指定されたFileは存在しません、\r\nFileを指定し直して下さい。");
  EXPECT_EQ(fake.files.writes, 0);  // the loader never creates a file
}

}  // namespace
}  // namespace kx
