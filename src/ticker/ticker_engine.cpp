#include "ticker/ticker_engine.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <string_view>

#include "questions/record_format.h"

namespace kx {
namespace {

bool InTable(std::int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < ColorTable.size();
}

}  // namespace

Color TextColor(std::int32_t index, std::int32_t fallback) {
  assert(InTable(index) && "colour index outside ColorTable");
  assert(InTable(fallback) && "fallback colour index outside ColorTable");
  if (InTable(index)) return ColorTable[static_cast<std::size_t>(index)];
  return InTable(fallback) ? ColorTable[static_cast<std::size_t>(fallback)] : ColorTable[0];
}

std::int32_t PickQuestionIndex(float r, std::int32_t questionCount, std::size_t lineCount) {
  if (questionCount <= 0 || lineCount == 0 || !(r > 0.0f)) return 0;
  const double product = std::floor(static_cast<double>(r) * questionCount);
  // r < 1 keeps the product below questionCount; the clamps hold even for a
  // generator or a list that breaks its promise.
  const std::int32_t last = questionCount - 1;
  std::int32_t index = product >= last ? last : static_cast<std::int32_t>(product);
  if (static_cast<std::size_t>(index) >= lineCount)
    index = static_cast<std::int32_t>(lineCount - 1);
  return index;
}

TickerEngine::TickerEngine(Graphics& graphics, RandomSource& random, DisplayScale scale)
    : graphics_(graphics), random_(random) {
  MakeSurfaces(scale);
}

void TickerEngine::MakeSurfaces(DisplayScale scale) {
  step_ = std::max(1, scale.Of(2));
  canvas_ = Surface(scale.OfTwips(kPicture1Twips), scale.OfTwips(kPicture1Twips));
  picture1_ = canvas_;
  glyph_ = Surface(scale.OfTwips(kPicture2Twips), scale.OfTwips(kPicture2Twips));
}

void TickerEngine::Rescale(DisplayScale scale) {
  const int oldStep = step_;
  MakeSurfaces(scale);
  TickerFields& f = fields_;
  // A glyph wholly fed (or none yet) is followed by the next at the next tick.
  if (f.GlyphColumn > f.GlyphWidth || f.CurrentChar.empty()) return;
  f.GlyphColumn = f.GlyphColumn / oldStep * step_;
  f.GlyphWidth = graphics_.DrawGlyph(f.CurrentChar, f.CurrentColor, glyph_) - 1;
  const int fed = std::min(f.GlyphColumn, canvas_.Width());
  canvas_.CopyColumns(glyph_, f.GlyphColumn - fed, fed, canvas_.Width() - fed);
  picture1_ = canvas_;
}

void TickerEngine::ScrollAndPublish(const QuestionSet& questions, std::int32_t questionColor,
                                    std::int32_t answerColor) {
  if (fields_.GlyphColumn > fields_.GlyphWidth) NextGlyph(questions, questionColor, answerColor);
  canvas_.ShiftLeft(step_);
  canvas_.CopyColumns(glyph_, fields_.GlyphColumn, step_, canvas_.Width() - step_);
  // Same sizes: the copy reuses Picture1's pixels and allocates nothing.
  picture1_ = canvas_;
}

void TickerEngine::NextGlyph(const QuestionSet& questions, std::int32_t questionColor,
                             std::int32_t answerColor) {
  TickerFields& f = fields_;
  ++f.CharIndex;
  f.GlyphColumn = 0;
  switch (f.TickerState) {
    case kQuestionDue: {
      const QuestionLines& lines = questions.lines;
      f.QuestionIndex = PickQuestionIndex(random_.Next(), questions.count, lines.size());
      if (lines.empty()) {
        f.CurrentText.clear();
        pendingAnswer_.clear();
      } else {
        const std::string_view line = lines[static_cast<std::size_t>(f.QuestionIndex)];
        f.CurrentText = QuestionOf(line);
        pendingAnswer_ = AnswerOf(line);
      }
      f.CurrentColor = TextColor(questionColor, kDefaultQuestionColor);
      f.TickerState = kQuestionScrolling;
      break;
    }
    case kAnswerDue:
      f.CurrentText = pendingAnswer_;
      f.CurrentColor = TextColor(answerColor, kDefaultAnswerColor);
      f.TickerState = kAnswerScrolling;
      break;
    default: break;
  }
  if (f.CharIndex < 1 || static_cast<std::size_t>(f.CharIndex) > f.CurrentText.size()) {
    f.CharIndex = 0;
    f.CurrentChar.assign(1, kGapGlyph);
    f.TickerState = static_cast<std::uint8_t>((f.TickerState + 1) % 4);
  } else {
    f.CurrentChar.assign(1, f.CurrentText[static_cast<std::size_t>(f.CharIndex - 1)]);
  }
  glyph_.Fill(kBlack);
  f.GlyphWidth = graphics_.DrawGlyph(f.CurrentChar, f.CurrentColor, glyph_) - 1;
}

bool TickerEngine::SkipToAnswer() {
  if (fields_.TickerState != kQuestionScrolling) return false;
  fields_.TickerState = kAnswerDue;
  fields_.CharIndex = 0;
  fields_.GlyphColumn = fields_.GlyphWidth + 1;
  return true;
}

void TickerEngine::ResetForNewFile() {
  fields_.GlyphWidth = 0;
  fields_.CharIndex = 0;
  fields_.TickerState = kQuestionDue;
  fields_.GlyphColumn = 1;
}

}  // namespace kx
