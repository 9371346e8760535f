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
  Install(module, Record(u"AB", u"C") + Record(u"X", u"YZ") + Record(u"      ", u"W"));
  fake.random.values = {0.0f, 0.5f, 0.9f};
  questionColor = 2;  // colours come from the table by index
  answerColor = 3;
  const struct {
    std::uint8_t state;
    char16_t character;
  } expected[] = {
      {kQuestionScrolling, u'A'}, {kQuestionScrolling, u'B'}, {kAnswerDue, kGapGlyph},
      {kAnswerScrolling, u'C'},   {kQuestionDue, kGapGlyph},  {kQuestionScrolling, u'X'},
      {kAnswerDue, kGapGlyph},    {kAnswerScrolling, u'Y'},   {kAnswerScrolling, u'Z'},
      {kQuestionDue, kGapGlyph},  {kAnswerDue, kGapGlyph},  // a blank question: the gap only
      {kAnswerScrolling, u'W'},
  };
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    NextGlyph();
    EXPECT_EQ(F().TickerState, expected[i].state);
    EXPECT_EQ(F().CurrentChar, std::u16string(1, expected[i].character));
    const bool answer = F().TickerState == kAnswerScrolling || F().TickerState == kQuestionDue;
    EXPECT_EQ(engine.Picture2().At(0, 5), ColorTable[answer ? 3 : 2]);
  }
  EXPECT_EQ(F().QuestionIndex, 2);
#ifdef NDEBUG
  EXPECT_EQ(TextColor(4, kDefaultQuestionColor), ColorTable[0]);  // a hand-edited settings file
  EXPECT_EQ(TextColor(-1, kDefaultAnswerColor), ColorTable[1]);
#endif
}

TEST_F(TickerEngineTest, FirstTickDrawsAtOnceAndEachCharacterStaysItsWidthInTicks) {
  Install(module, Record(u"AB", u""));
  fake.graphics.widths = {{u"A", 15}, {u"B", 8}, {u"\u3000", 17}};
  Tick();
  ASSERT_EQ(fake.graphics.glyphsDrawn.size(), 1u);
  EXPECT_EQ(TicksUntilNextGlyph() + 1, 8);  // A, counting the first tick
  EXPECT_EQ(TicksUntilNextGlyph() + 1, 4);  // B
  EXPECT_EQ(TicksUntilNextGlyph() + 1, 9);  // the gap, 17 pixels
  EXPECT_EQ(engine.Picture1(), engine.TrayCanvas());
}

TEST_F(TickerEngineTest, SkipWorksOnlyWhileTheQuestionScrolls) {
  Install(module, Record(u"ABCD", u"XY"));
  EXPECT_FALSE(engine.SkipToAnswer());  // nothing due yet
  Tick();
  Tick();  // halfway through "A"
  EXPECT_TRUE(engine.SkipToAnswer());
  EXPECT_FALSE(engine.SkipToAnswer());  // a second click before the answer
  Tick();
  // The answer follows at once: no gap glyph, nothing more of the question.
  EXPECT_EQ(fake.graphics.glyphsDrawn, (std::vector<std::u16string>{u"A", u"X"}));
  EXPECT_FALSE(engine.SkipToAnswer());
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
  EXPECT_EQ(F().CurrentText, u"A2");  // the answer to the question on screen
  while (F().TickerState != kQuestionDue) NextGlyph();
  NextGlyph();
  EXPECT_EQ(F().CurrentText, u"S");
}

TEST_F(TickerEngineTest, EmptyListScrollsOnlyGaps) {
  for (int i = 0; i < 40; ++i) Tick();
  EXPECT_FALSE(fake.graphics.glyphsDrawn.empty());
  for (const auto& glyph : fake.graphics.glyphsDrawn) EXPECT_EQ(glyph, u"\u3000");
}

TEST(PickQuestionIndex, StaysInsideTheRecordsThatCanBePicked) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float r;
    std::int32_t count;
    std::size_t lines;
    std::int32_t index;
  } cases[] = {
      {kLargestRandom, 0, 1, 0},
      {0.3333f, 3, 4, 0},
      {0.3334f, 3, 4, 1},
      {kLargestRandom, 3, 4, 2},
      {kLargestRandom, 2'147'483'647, 2'147'483'648u, 2'147'483'519},
      // Broken promises: r outside [0, 1), a count the list does not hold.
      {1.0f, 3, 4, 2},
      {-0.5f, 3, 4, 0},
      {nan, 3, 4, 0},
      {0.9f, 5, 3, 2},
      {0.5f, -1, 1, 0},
      {0.5f, 3, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PickQuestionIndex(c.r, c.count, c.lines), c.index)
        << "r=" << c.r << " count=" << c.count << " lines=" << c.lines;
  }
}

}  // namespace
}  // namespace kx
