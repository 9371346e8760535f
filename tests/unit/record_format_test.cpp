#include "questions/record_format.h"

#include <gtest/gtest.h>

#include "question_test_records.h"
#include "text/cp932.h"

namespace kx {
namespace {

using testing::Cp932;
using testing::RecordLine;

// The long way round, as the ticker's fields are defined: decode the line,
// drop trailing spaces, encode, cut.
std::u16string QuestionTheLongWay(std::string_view line) {
  return AnsiField(ToAnsiTrimmed(DecodeCp932(line)), kQuestionBytes, 0);
}
std::u16string AnswerTheLongWay(std::string_view line) {
  return AnsiField(ToAnsiTrimmed(DecodeCp932(line)), kAnswerPosition, kAnswerBytes);
}

TEST(RecordFields, DoubleByteCharactersAtTheFieldBoundaryStayWhole) {
  // 143 double-byte characters, then one more ending exactly at byte 288.
  const std::u16string question = std::u16string(143, u'問') + u'端';
  const std::u16string answer = u"川" + std::u16string(29, u'あ');  // bytes 289-348
  const std::string line = RecordLine(question, answer, '7');
  ASSERT_EQ(line.size(), 349u);
  EXPECT_EQ(QuestionOf(line), question);
  EXPECT_EQ(AnswerOf(line), answer);
  EXPECT_EQ(QuestionTheLongWay(line), question);
  EXPECT_EQ(AnswerTheLongWay(line), answer);
}

TEST(RecordFields, Byte349NeverBelongsToTheAnswer) {
  for (const char byte349 : {'1', 'x', ' ', '\xB1'}) {
    SCOPED_TRACE(static_cast<int>(byte349));
    const std::string shortAnswer = RecordLine(u"問い", u"荒川", byte349);
    EXPECT_EQ(AnswerOf(shortAnswer), u"荒川");
    EXPECT_EQ(AnswerTheLongWay(shortAnswer), u"荒川");
    const std::u16string full(30, u'答');
    EXPECT_EQ(AnswerOf(RecordLine(u"問い", full, byte349)), full);
  }
}

TEST(RecordFields, BlankFieldsAndOuterSpaces) {
  EXPECT_EQ(AnswerOf(RecordLine(u"問い", u"")), u"");
  EXPECT_EQ(AnswerOf(RecordLine(u"問い", u"", '9')), u"");
  EXPECT_EQ(QuestionOf(RecordLine(u"", u"答え")), u"");
  EXPECT_EQ(QuestionOf(RecordLine(u"   leading ﾌｧｲﾙ", u"  a  ")), u"leading ﾌｧｲﾙ");
  EXPECT_EQ(AnswerOf(RecordLine(u"q", u"  a  ")), u"a");
  // The ideographic space is text, not padding.
  EXPECT_EQ(QuestionOf(RecordLine(u"\u3000字下げ\u3000", u"a")), u"\u3000字下げ\u3000");
  // Empty and short lines have no answer; they are never out of range.
  EXPECT_EQ(QuestionOf(""), u"");
  EXPECT_EQ(AnswerOf(""), u"");
  EXPECT_EQ(AnswerOf(std::string(288, 'q')), u"");
}

TEST(AnsiField, CountsOneBasedBytesAndStopsWhereTheBytesEnd) {
  std::string bytes(288, ' ');
  bytes += Cp932(u"荒川");  // bytes 289-292
  ASSERT_EQ(bytes.size(), 292u);
  EXPECT_EQ(AnsiField(bytes, 289, 60), u"荒川");
  EXPECT_EQ(AnsiField(bytes, 291, 2), u"川");
  EXPECT_EQ(AnsiField(bytes, 293, 60), u"");
  EXPECT_EQ(AnsiField(bytes, 300, 60), u"");
  EXPECT_EQ(AnsiField("ab cd", 3, 0), u"ab");
  EXPECT_EQ(AnsiField("ab", 288, 0), u"ab");
  EXPECT_EQ(AnsiField("ab", 0, 0), u"");
}

TEST(AnsiLength, CountsCodePage932BytesWithoutTrailingSpaces) {
  EXPECT_EQ(AnsiLength(u"ＭＳ ゴシック"), 13);
  EXPECT_EQ(AnsiLength(u"abc   "), 3);
  EXPECT_EQ(AnsiLength(u"   "), 0);
  EXPECT_EQ(AnsiLength(u"  ｱｲ"), 4);
  EXPECT_EQ(AnsiLength(u"Fast         Slow"), 17);
  // A character without a code page 932 form still counts, as one byte.
  EXPECT_EQ(ToAnsiTrimmed(u"aé😀b "), "a??b");
  // Too long for a 16-bit count: clamped, never negative.
  EXPECT_EQ(AnsiLength(std::u16string(40000, u'x')), 32767);
}

}  // namespace
}  // namespace kx
