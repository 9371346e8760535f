#include "ticker/ticker_engine.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;
using testing::RecordLine;

constexpr Color kGreen = 0x0000FF00;
constexpr Color kOrange = 0x0020C0FF;
constexpr Color kLightRed = 0x006060FF;
constexpr Color kBlue = 0x00FF4040;

void Install(QuestionSet& module, const std::string& bytes) {
  module.lines = QuestionLines::FromBytes(bytes);
  module.count = static_cast<std::int32_t>(module.lines.size()) - 1;
}

class TickerEngineTest : public ::testing::Test {
 protected:
  void Tick() { engine.Tick(module, questionColor, answerColor); }
  void NextGlyph() { engine.NextGlyph(module, questionColor, answerColor); }
  // Ticks until a glyph is drawn; returns how many ticks the previous one took.
  int TicksUntilNextGlyph() {
    const std::size_t drawn = fake.graphics.glyphsDrawn.size();
    int ticks = 0;
    do {
      Tick();
      ++ticks;
    } while (fake.graphics.glyphsDrawn.size() == drawn && ticks < 1000);
    return ticks - 1;
  }
  const TickerFields& F() const { return engine.Fields(); }

  fake::FakePlatform fake;
  QuestionSet module;
  std::int32_t questionColor = kDefaultQuestionColor;
  std::int32_t answerColor = kDefaultAnswerColor;
  TickerEngine engine{fake.graphics, fake.random, DisplayScale{}};
};

// The shell's small-icon size at each scale, and a step that grows with the
// glyph so that a character passes in the same number of ticks.
TEST_F(TickerEngineTest, SurfacesAndStepFollowTheScale) {
  const struct {
    int dpi, canvas, glyph, step;
  } cases[] = {{96, 16, 20, 2}, {120, 20, 25, 2}, {144, 24, 30, 3}, {192, 32, 40, 4}};
  Install(module, Record(u"A", u"B"));
  for (const auto& c : cases) {
    TickerEngine e(fake.graphics, fake.random, DisplayScale{c.dpi});
    e.Tick(module, questionColor, answerColor);  // the glyph's first `step` columns come in
    EXPECT_EQ(e.TrayCanvas().At(c.canvas - c.step, 5), kGreen) << c.dpi;
    EXPECT_EQ(e.TrayCanvas().At(c.canvas - c.step - 1, 5), kBlack) << c.dpi;
    EXPECT_EQ(e.CanvasWidth(), c.canvas) << c.dpi;
    EXPECT_EQ(e.CanvasHeight(), c.canvas) << c.dpi;
    EXPECT_EQ(e.Picture2().Width(), c.glyph) << c.dpi;
    EXPECT_EQ(e.Picture2().Height(), c.glyph) << c.dpi;
    EXPECT_EQ(e.Step(), c.step) << c.dpi;
  }
}

TEST_F(TickerEngineTest, StreamRunsQuestionGapAnswerGapNextQuestion) {
  Install(module, Record(u"AB", u"C") + Record(u"X", u"YZ"));
  fake.random.values = {0.0f, 0.9f};
  questionColor = 2;  // colours come from the table by index
  answerColor = 3;
  struct Step {
    std::uint8_t state;
    std::int32_t charIndex;
    char16_t character;
    Color color;
  };
  const std::vector<Step> expected = {
      {kQuestionScrolling, 1, u'A', kLightRed}, {kQuestionScrolling, 2, u'B', kLightRed},
      {kAnswerDue, 0, kGapGlyph, kLightRed},    {kAnswerScrolling, 1, u'C', kBlue},
      {kQuestionDue, 0, kGapGlyph, kBlue},      {kQuestionScrolling, 1, u'X', kLightRed},
      {kAnswerDue, 0, kGapGlyph, kLightRed},    {kAnswerScrolling, 1, u'Y', kBlue},
      {kAnswerScrolling, 2, u'Z', kBlue},       {kQuestionDue, 0, kGapGlyph, kBlue},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    NextGlyph();
    EXPECT_EQ(F().TickerState, expected[i].state);
    EXPECT_EQ(F().CharIndex, expected[i].charIndex);
    EXPECT_EQ(F().CurrentChar, std::u16string(1, expected[i].character));
    EXPECT_EQ(F().CurrentColor, expected[i].color);
    EXPECT_EQ(F().GlyphColumn, 0);
    // The glyph surface holds the character in its colour, on black.
    EXPECT_EQ(engine.Picture2().At(0, 5), expected[i].color);
    EXPECT_EQ(engine.Picture2().At(0, 1), kBlack);
  }
  EXPECT_EQ(F().QuestionIndex, 1);
}

#ifdef NDEBUG
TEST_F(TickerEngineTest, ColourIndexOutsideTheTableFallsBackToTheDefault) {
  EXPECT_EQ(TextColor(4, kDefaultQuestionColor), kGreen);
  EXPECT_EQ(TextColor(-1, kDefaultAnswerColor), kOrange);
  EXPECT_EQ(TextColor(9, 9), kGreen);
}
#endif

TEST_F(TickerEngineTest, FirstTickDrawsAtOnceAndEachCharacterStaysItsWidthInTicks) {
  Install(module, Record(u"AB", u""));
  fake.graphics.widths = {{u"A", 15}, {u"B", 8}, {u"\u3000", 17}};
  Tick();
  ASSERT_EQ(fake.graphics.glyphsDrawn.size(), 1u);
  EXPECT_EQ(TicksUntilNextGlyph() + 1, 8);  // A, counting the first tick
  EXPECT_EQ(TicksUntilNextGlyph() + 1, 4);  // B
  EXPECT_EQ(TicksUntilNextGlyph() + 1, 9);  // the gap, 17 pixels
  EXPECT_EQ(fake.graphics.glyphsDrawn,
            (std::vector<std::u16string>{u"A", u"B", u"\u3000", u"\u3000"}));
}

TEST_F(TickerEngineTest, TwoGlyphColumnsEnterAtTheRightAndMoveLeftEachTick) {
  Install(module, Record(u"A", u""));
  fake.graphics.widths = {{u"A", 8}};  // the fake paints columns 0-6 of rows 2-13
  Tick();
  for (int y = 0; y < 16; ++y) {
    const Color ink = y >= 2 && y < 14 ? kGreen : kBlack;
    EXPECT_EQ(engine.TrayCanvas().At(14, y), ink) << y;
    EXPECT_EQ(engine.TrayCanvas().At(15, y), ink) << y;
    EXPECT_EQ(engine.TrayCanvas().At(13, y), kBlack) << y;
  }
  for (int i = 0; i < 3; ++i) Tick();
  // The whole 8-pixel character now stands in columns 8-15, its dark last
  // column at 15.
  for (int x = 0; x < 16; ++x) {
    const Color ink = x >= 8 && x < 15 ? kGreen : kBlack;
    EXPECT_EQ(engine.TrayCanvas().At(x, 7), ink) << x;
  }
  EXPECT_EQ(engine.Picture1(), engine.TrayCanvas());
  Tick();  // the gap begins: the character moves on by two
  EXPECT_EQ(engine.TrayCanvas().At(6, 7), kGreen);
  EXPECT_EQ(engine.TrayCanvas().At(12, 7), kGreen);
  EXPECT_EQ(engine.TrayCanvas().At(13, 7), kBlack);
}

TEST_F(TickerEngineTest, SkipWorksOnlyWhileTheQuestionScrolls) {
  Install(module, Record(u"ABCD", u"XY"));
  EXPECT_FALSE(engine.SkipToAnswer());  // state 0: nothing due yet
  EXPECT_EQ(F().TickerState, kQuestionDue);
  Tick();
  Tick();  // halfway through "A"
  ASSERT_EQ(F().TickerState, kQuestionScrolling);
  EXPECT_TRUE(engine.SkipToAnswer());
  EXPECT_EQ(F().TickerState, kAnswerDue);
  EXPECT_EQ(F().CharIndex, 0);
  EXPECT_EQ(F().GlyphColumn, F().GlyphWidth + 1);
  EXPECT_FALSE(engine.SkipToAnswer());  // a second click before the answer
  Tick();
  // The answer follows at once: no gap glyph, nothing more of the question.
  EXPECT_EQ(fake.graphics.glyphsDrawn, (std::vector<std::u16string>{u"A", u"X"}));
  EXPECT_EQ(F().TickerState, kAnswerScrolling);
  EXPECT_FALSE(engine.SkipToAnswer());
  EXPECT_EQ(F().TickerState, kAnswerScrolling);
}

TEST_F(TickerEngineTest, BlankQuestionFeedsTheGapThenTheAnswer) {
  Install(module, Record(u"      ", u"Z"));
  NextGlyph();
  EXPECT_EQ(F().CurrentText, u"");
  EXPECT_EQ(F().CurrentChar, u"\u3000");
  EXPECT_EQ(F().TickerState, kAnswerDue);
  NextGlyph();
  EXPECT_EQ(F().CurrentChar, u"Z");
}

// After a failed load the list may shrink to the sample record while the
// ticker still holds an index into the old list, and a cancel resumes it.
TEST_F(TickerEngineTest, ListReplacedUnderAHeldIndexIsNeverReadOutOfRange) {
  Install(module, Record(u"Q0", u"A0") + Record(u"Q1", u"A1") + Record(u"Q2", u"A2"));
  fake.random.values = {kLargestRandom};
  NextGlyph();
  ASSERT_EQ(F().QuestionIndex, 2);
  module.lines = QuestionLines::FromBytes(RecordLine(u"S", u"T"));
  module.count = 0;
  ASSERT_TRUE(engine.SkipToAnswer());
  NextGlyph();
  // The answer that belongs to the question on screen.
  EXPECT_EQ(F().CurrentText, u"A2");
  while (F().TickerState != kQuestionDue) NextGlyph();
  NextGlyph();
  EXPECT_EQ(F().QuestionIndex, 0);
  EXPECT_EQ(F().CurrentText, u"S");
}

TEST_F(TickerEngineTest, EmptyListScrollsOnlyGaps) {
  for (int i = 0; i < 40; ++i) Tick();
  EXPECT_FALSE(fake.graphics.glyphsDrawn.empty());
  for (const auto& glyph : fake.graphics.glyphsDrawn) EXPECT_EQ(glyph, u"\u3000");
}

TEST(PickQuestionIndex, StaysInsideTheRecordsThatCanBePicked) {
  struct Case {
    float r;
    std::int32_t count;
    std::size_t lines;
    std::int32_t index;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {0.0f, 0, 1, 0},
      {kLargestRandom, 0, 1, 0},
      {0.0f, 3, 4, 0},
      {0.3333f, 3, 4, 0},
      {0.3334f, 3, 4, 1},
      {0.67f, 3, 4, 2},
      {kLargestRandom, 3, 4, 2},
      {kLargestRandom, 1, 2, 0},
      {0.5f, 2'000'000'000, 2'000'000'001, 1'000'000'000},
      {kLargestRandom, 2'147'483'647, 2'147'483'648u, 2'147'483'519},
      // Broken promises: r outside [0, 1), a count the list does not hold.
      {1.0f, 3, 4, 2},
      {-0.5f, 3, 4, 0},
      {nan, 3, 4, 0},
      {0.9f, 5, 1, 0},
      {0.9f, 5, 3, 2},
      {0.5f, -1, 1, 0},
      {0.5f, 3, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PickQuestionIndex(c.r, c.count, c.lines), c.index)
        << "r=" << c.r << " count=" << c.count << " lines=" << c.lines;
  }
}

}  // namespace
}  // namespace kx
