#pragma once
// The ticker: an endless stream of random questions and their answers, fed
// one character at a time into the right edge of a picture that moves a step
// to the left at every tick (two pixels at 96 dpi). All of it is pixel work
// on Surfaces; the platform only draws the one glyph being fed.

#include <array>
#include <cstdint>
#include <string>

#include "forms/graphics.h"
#include "forms/random_source.h"
#include "forms/screen_units.h"
#include "forms/surface.h"
#include "questions/question_set.h"
#include "settings/settings.h"

namespace kx {

// The four text colours the settings offer, by index.
inline constexpr std::array<Color, 4> ColorTable = {0x0000FF00, 0x0020C0FF, 0x006060FF, 0x00FF4040};
static_assert(ColorTable.size() == kColorCount, "the settings offer one colour per entry");

// ColorTable[index]; an index outside the table is a programmer error and
// gives ColorTable[fallback] in a release build.
Color TextColor(std::int32_t index, std::int32_t fallback);

// Sizes of the picture boxes in twips: the icon picture and the glyph box.
inline constexpr int kPicture1Twips = 240;
inline constexpr int kPicture2Twips = 300;

// The ideographic space between a question and its answer and between an
// answer and the next question.
inline constexpr char16_t kGapGlyph = u'\u3000';

// floor(r * questionCount), taken in double, kept inside 0 to
// questionCount - 1 and inside a list of `lineCount` lines; 0 when there is
// nothing to choose from.
std::int32_t PickQuestionIndex(float r, std::int32_t questionCount, std::size_t lineCount);

// Phases of the text stream.
enum : std::uint8_t {
  kQuestionDue = 0,
  kQuestionScrolling = 1,
  kAnswerDue = 2,
  kAnswerScrolling = 3,
};

// The ticker fields, with their start values.
struct TickerFields {
  std::uint8_t TickerState = kQuestionDue;
  std::int32_t QuestionIndex = 0;
  std::u16string CurrentText;  // UTF-16
  std::int32_t CharIndex = 0;  // 1-based in CurrentText; 0 after a text ended
  std::u16string CurrentChar;  // UTF-16, one character
  Color CurrentColor = kBlack;
  std::int32_t GlyphWidth = 0;   // measured width - 1
  std::int32_t GlyphColumn = 1;  // next column of the glyph surface to feed
};

class TickerEngine {
 public:
  // Surfaces of the picture boxes' twips at this scale: 16 x 16 and 20 x 20
  // at 96 dpi, as large as the shell's small icon at every scale.
  TickerEngine(Graphics& graphics, RandomSource& random, DisplayScale scale);

  // Steps of one tick before the icon is built: fetch the next glyph when the
  // current one is fed, move the canvas two pixels left, feed two glyph
  // columns into its right edge and publish it to Picture1.
  void ScrollAndPublish(const QuestionSet& questions, std::int32_t questionColor,
                        std::int32_t answerColor);
  // The tick's last step, after the icon has gone to the shell.
  void AdvanceColumn() { fields_.GlyphColumn += step_; }
  // A whole tick, for callers that build no icon.
  void Tick(const QuestionSet& questions, std::int32_t questionColor, std::int32_t answerColor) {
    ScrollAndPublish(questions, questionColor, answerColor);
    AdvanceColumn();
  }

  // Advances the text stream by one character and draws it into the glyph
  // surface.
  void NextGlyph(const QuestionSet& questions, std::int32_t questionColor,
                 std::int32_t answerColor);

  // Left click while a question scrolls: the rest of the question is dropped
  // and the answer starts at the next tick, without a gap. False (nothing
  // changed) in any other phase.
  bool SkipToAnswer();
  // A new question file was loaded: the next tick starts a new question.
  void ResetForNewFile();
  // The screen's scale changed: the surfaces and the step are made anew at
  // `scale` and the text goes on where it was, the character being fed
  // redrawn in the new glyph font as far in as its ticks had brought it.
  // What had scrolled further left is gone from the new canvas. Call it
  // after the glyph font was selected for the new scale.
  void Rescale(DisplayScale scale);

  const TickerFields& Fields() const { return fields_; }
  const Surface& TrayCanvas() const { return canvas_; }
  const Surface& Picture1() const { return picture1_; }
  const Surface& Picture2() const { return glyph_; }
  int CanvasWidth() const { return canvas_.Width(); }
  int CanvasHeight() const { return canvas_.Height(); }

 private:
  void MakeSurfaces(DisplayScale scale);

  Graphics& graphics_;
  RandomSource& random_;
  TickerFields fields_;
  // The answer of the question on screen, cut when the question is picked:
  // a list replaced while the ticker holds an index can then neither be read
  // out of range nor pair a question with another record's answer.
  std::u16string pendingAnswer_;
  // The glyph grows with the scale, and so does the step: a character then
  // passes in as many ticks as at 96 dpi, and the reading pace holds.
  int step_ = 2;
  Surface canvas_;
  Surface picture1_;
  Surface glyph_;
};

}  // namespace kx
