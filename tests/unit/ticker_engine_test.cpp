#include "ticker/ticker_engine.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "fake/fake_platform.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;

void Install(QuestionSet& module, const std::string& bytes) {
  module.lines = QuestionLines::FromBytes(bytes);
  module.count = static_cast<std::int32_t>(module.lines.size()) - 1;
}

class TickerEngineTest : public ::testing::Test {
 protected:
  void NextGlyph() { engine.NextGlyph(module, 2, 0); }
  const TickerFields& F() const { return engine.Fields(); }

  fake::FakePlatform fake;
  QuestionSet module;
  TickerEngine engine{fake.graphics, fake.random, DisplayScale{}};
};

// The canvas is the shell's small icon at each scale; the step grows with
// the glyph so that a character passes in the same number of ticks.
TEST_F(TickerEngineTest, CanvasAndStepFollowTheScale) {
  const struct {
    int dpi, canvas, step;
  } cases[] = {{96, 16, 2}, {120, 20, 2}, {144, 24, 3}, {192, 32, 4}};
  Install(module, Record(u"A", u"B"));
  for (const auto& c : cases) {
    TickerEngine e(fake.graphics, fake.random, DisplayScale{c.dpi});
    e.Tick(module, 0, 1);  // the glyph's first `step` columns come in
    EXPECT_EQ(e.TrayCanvas().At(c.canvas - c.step, 5), ColorTable[0]) << c.dpi;
    EXPECT_EQ(e.TrayCanvas().At(c.canvas - c.step - 1, 5), kBlack) << c.dpi;
    EXPECT_TRUE(e.CanvasWidth() == c.canvas && e.CanvasHeight() == c.canvas) << c.dpi;
  }
}

// A new scale while a character comes in: the text goes on where it was,
// as an engine started at that scale shows the same ticks of it.
TEST_F(TickerEngineTest, ANewScaleGoesOnWithTheCharacterWhereItWas) {
  Install(module, Record(u"AB", u"C"));
  TickerEngine fresh(fake.graphics, fake.random, DisplayScale{192});
  for (int tick = 0; tick < 2; ++tick) {
    engine.Tick(module, 0, 1);
    fresh.Tick(module, 0, 1);
  }
  engine.Rescale(DisplayScale{192});
  for (int tick = 0; tick < 12; ++tick) {
    ASSERT_EQ(engine.Picture1(), fresh.Picture1()) << tick;
    ASSERT_EQ(engine.Fields().CurrentChar, fresh.Fields().CurrentChar) << tick;
    engine.Tick(module, 0, 1);
    fresh.Tick(module, 0, 1);
  }
  for (const int ticks : {4, 15}) {
    TickerEngine e(fake.graphics, fake.random, DisplayScale{});
    for (int tick = 0; tick < ticks; ++tick) e.Tick(module, 0, 1);
    e.Rescale(DisplayScale{192});
    EXPECT_EQ(e.Picture1() == Surface(32, 32), ticks == 4) << ticks;  // empty between glyphs
  }
}

// Two columns a tick: an 8-pixel character passes in 4 ticks, the 15-pixel
// gap in 8; each leaves its last columns black.
TEST_F(TickerEngineTest, CharactersScrollInAtTheirOwnWidth) {
  Install(module, Record(u"AB", u"C"));
  for (const std::string expected : {"qqqqqqq.qqqqqqq.", "qqqqqqqqqqqqqq..", "qqqqqqq.qqqqqqqq"}) {
    for (int tick = 0; tick < 8; ++tick) engine.Tick(module, 0, 0);
    std::string row;
    for (int x = 0; x < 16; ++x) row += engine.TrayCanvas().At(x, 5) == ColorTable[0] ? 'q' : '.';
    EXPECT_EQ(row, expected);
  }
}

// Question, gap, answer, gap, next question; a blank question shows only
// its gap. Each glyph in the colour of the text it belongs to.
TEST_F(TickerEngineTest, StreamRunsQuestionGapAnswerGapNextQuestionInTheirColours) {
  Install(module, Record(u"AB", u"C") + Record(u"X", u"YZ") + Record(u"      ", u"W"));
  fake.random.values = {0.0f, 0.5f, 0.9f};
  const std::u16string glyphs = u"AB\u3000C\u3000X\u3000YZ\u3000\u3000W";
  const std::string colours = "qqqaaqqaaaqa";
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    NextGlyph();
    EXPECT_EQ(F().CurrentChar, glyphs.substr(i, 1)) << i;
    EXPECT_EQ(engine.Picture2().At(0, 5), ColorTable[colours[i] == 'a' ? 0 : 2]) << i;
  }
}

// A skip drops the rest of the question for its answer at once, and only
// while a question scrolls. After a failed load the list may shrink to the
// sample record while the ticker holds an index into the old list; the
// answer on screen still belongs to its question, and a new file starts over.
// Picks stay inside the list even for a draw of 1 or a list of another length.
TEST_F(TickerEngineTest, SkipShrinkAndResetKeepQuestionAndAnswerTogether) {
  Install(module, Record(u"Q0", u"A0") + Record(u"Q1", u"A1") + Record(u"Q2", u"A2"));
  fake.random.values = {kLargestRandom};
  EXPECT_FALSE(engine.SkipToAnswer());  // nothing due yet
  NextGlyph();
  ASSERT_EQ(F().QuestionIndex, 2);
  module.lines = QuestionLines::FromBytes(Record(u"S", u"T", " "));
  module.count = 0;
  ASSERT_TRUE(engine.SkipToAnswer());
  EXPECT_FALSE(engine.SkipToAnswer());  // a second click before the answer
  NextGlyph();
  EXPECT_EQ(F().CurrentText, u"A2");
  EXPECT_EQ(F().CurrentChar, u"A");  // no gap first
  EXPECT_FALSE(engine.SkipToAnswer());
  engine.ResetForNewFile();
  NextGlyph();
  EXPECT_TRUE(F().CurrentText == u"S" && F().CurrentChar == u"S");
  for (const auto& [r, count, lines, index] : {std::tuple{0.5f, 0, std::size_t{3}, 0},
                                               {1.0f, 3, std::size_t{4}, 2},
                                               {0.9f, 3, std::size_t{2}, 1}})
    EXPECT_EQ(PickQuestionIndex(r, count, lines), index) << r << count << lines;
}

}  // namespace
}  // namespace kx
