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

TEST(RecordFields, FieldsEndAtTheirBytesAndByte349NeverBelongsToTheAnswer) {
  // 143 double-byte characters, then one more ending exactly at byte 288.
  const std::u16string question = std::u16string(143, u'問') + u'端';
  const std::u16string full(30, u'答');  // bytes 289-348
  for (const char byte349 : {'1', ' ', '\xB1'}) {
    for (const std::u16string& answer : {full, std::u16string(u"荒川")}) {
      const std::string line = RecordLine(question, answer, byte349);
      EXPECT_EQ(QuestionOf(line), question);
      EXPECT_EQ(AnswerOf(line), answer);
      EXPECT_EQ(QuestionTheLongWay(line), question);
      EXPECT_EQ(AnswerTheLongWay(line), answer);
    }
  }
}

TEST(RecordFields, BlankFieldsOuterSpacesAndShortLines) {
  EXPECT_EQ(AnswerOf(RecordLine(u"問い", u"", '9')), u"");
  EXPECT_EQ(QuestionOf(RecordLine(u"   leading ﾌｧｲﾙ", u"  a  ")), u"leading ﾌｧｲﾙ");
  EXPECT_EQ(AnswerOf(RecordLine(u"q", u"  a  ")), u"a");
  // The ideographic space is text, not padding.
  EXPECT_EQ(QuestionOf(RecordLine(u"\u3000字下げ\u3000", u"a")), u"\u3000字下げ\u3000");
  EXPECT_EQ(AnswerOf(""), u"");
  EXPECT_EQ(AnswerOf(std::string(288, 'q')), u"");
}

TEST(AnsiField, CountsOneBasedBytesAndStopsWhereTheBytesEnd) {
  const std::string bytes = std::string(288, ' ') + Cp932(u"荒川");  // bytes 289-292
  EXPECT_EQ(AnsiField(bytes, 291, 2), u"川");
  EXPECT_EQ(AnsiField(bytes, 293, 60), u"");
  EXPECT_EQ(AnsiField("ab cd", 3, 0), u"ab");
  EXPECT_EQ(AnsiField("ab", 0, 0), u"");
  EXPECT_EQ(AnsiLength(u"ＭＳ ゴシック   "), 13);
  EXPECT_EQ(ToAnsiTrimmed(u"aé😀b "), "a??b");  // no code page 932 form: one byte each
  EXPECT_EQ(AnsiLength(std::u16string(40000, u'x')), 32767);  // clamped, never negative
}

}  // namespace
}  // namespace kx
