#include "window/settings_pictures.h"

#include <cassert>
#include <string>

#include "text/spaces.h"
#include "window/edge_drawing.h"
#include "window/slider_arithmetic.h"

namespace kx {

namespace {

// In pixels of the 96-dpi design.
constexpr Rect kGroove{4, 7, 118, 10};
constexpr Point kScaleTextAt{2, 25};
constexpr int kFirstTick = 4;
constexpr int kTickStep = 56;
constexpr int kLastTick = 116;
constexpr int kTickTop = 18;
constexpr int kTickLength = 4;
constexpr int kKnobStep = 56;
constexpr int kKnobTop = 1;
constexpr int kFrameCaptionIndent = 8;
constexpr int kFrameCaptionPad = 2;
constexpr int kColorMarkWidth = 2;

// Width of `text` in the window font, measured by drawing it aside.
int MeasureText(Graphics& graphics, std::u16string_view text, DisplayScale scale) {
  const int line = scale.Of(kWindowFontPixels);
  Surface scratch(static_cast<int>(text.size()) * 2 * line + 1, line);
  return graphics.DrawText(scratch, Point{0, 0}, text, kBlack);
}

}  // namespace

Color TitleBandColor(int index) {
  return Rgb(255, static_cast<std::uint8_t>(64 + index), static_cast<std::uint8_t>(index));
}

void SettingsPictures::SetUp(const WindowLayout& layout, const SystemColors& colors) {
  layout_ = layout;
  colors_ = colors;
  window_ = Surface(layout.clientWidth, layout.clientHeight, colors.face);
  speedBox_ = Surface(layout.speedBox.Width(), layout.speedBox.Height(), colors.face);
  for (int box = 0; box < 2; ++box) {
    const Rect area = layout.colorAreas[box];
    colorAreas_[box] = Surface(area.Width(), area.Height(), kBlack);
    DrawSunkenEdge(window_, layout.colorBoxes[box], colors, layout.scale.Line());
  }
  linkText_.clear();
  linkWidth_ = 0;
  linkColor_ = kLinkBlue;
}

void SettingsPictures::PaintTitleBand(Graphics& graphics, int outerWidthTwips,
                                      std::u16string_view versionTitle) {
  // Boxes are placed in twips, so the gradient stretches with the window and
  // the last boxes fall beyond its right edge.
  const int step = outerWidthTwips / 128 + 1;
  const DisplayScale scale = layout_.scale;
  const int band = scale.Of(kTitleBandPixels);
  for (int i = 0; i < kTitleBandBoxes; ++i) {
    window_.FillRect(Rect{scale.OfTwips(step * i), 0, scale.OfTwips(step * (i + 1)) + 1, band},
                     TitleBandColor(i));
  }
  window_.FillRect(Rect{0, band, layout_.clientWidth, scale.Of(kTitleBandPixels + 1)}, kBlack);
  graphics.DrawText(window_, scale.Of(kVersionTitleAt), TrimTrailingSpaces(versionTitle), kWhite);
}

void SettingsPictures::PaintFrame(Graphics& graphics, Rect frame, std::u16string_view caption) {
  // The border runs through the middle of the caption's line, and the
  // caption sits on a gap cut out of it.
  const DisplayScale scale = layout_.scale;
  const int line = scale.Of(kWindowFontPixels);
  DrawEtchedEdge(window_, Rect{frame.left, frame.top + line / 2, frame.right, frame.bottom},
                 colors_, scale.Line());
  const int width = MeasureText(graphics, caption, scale);
  const int captionLeft = frame.left + scale.Of(kFrameCaptionIndent);
  const int pad = scale.Of(kFrameCaptionPad);
  window_.FillRect(Rect{captionLeft - pad, frame.top, captionLeft + width + pad, frame.top + line},
                   colors_.face);
  graphics.DrawText(window_, Point{captionLeft, frame.top}, caption, colors_.buttonText);
}

void SettingsPictures::PaintFramesAndLabels(Graphics& graphics, const Surface& emblem) {
  PaintFrame(graphics, layout_.speedFrame, u"スピード");
  PaintFrame(graphics, layout_.colorFrame, u"色");
  graphics.DrawText(window_, Point{layout_.questionLabel.left, layout_.questionLabel.top}, u"問題",
                    colors_.buttonText);
  graphics.DrawText(window_, Point{layout_.answerLabel.left, layout_.answerLabel.top}, u"解答",
                    colors_.buttonText);
  // An emblem on an even pitch may be smaller than its place: centred there.
  const Rect at = layout_.icon;
  window_.Blit(emblem, 0, 0, emblem.Width(), emblem.Height(),
               at.left + (at.Width() - emblem.Width()) / 2,
               at.top + (at.Height() - emblem.Height()) / 2);
}

void SettingsPictures::PaintLink(Graphics& graphics) {
  window_.FillRect(
      Rect{layout_.linkOrigin.x, layout_.linkOrigin.y, layout_.linkOrigin.x + linkWidth_,
           layout_.linkOrigin.y + layout_.linkHeight},
      colors_.face);
  linkWidth_ = graphics.DrawText(window_, layout_.linkOrigin, linkText_, linkColor_);
}

void SettingsPictures::SetLinkText(Graphics& graphics, std::u16string_view text) {
  linkText_ = text;
  PaintLink(graphics);
}

bool SettingsPictures::SetLinkColor(Graphics& graphics, Color color) {
  if (color == linkColor_) return false;
  linkColor_ = color;
  if (!window_.Empty()) PaintLink(graphics);
  return true;
}

void SettingsPictures::SetColorCellsPicture(const Surface& cells) { colorCells_ = cells; }

void SettingsPictures::DrawSpeedBar(Graphics& graphics, std::int16_t level,
                                    const Surface& knobImage, std::u16string_view scaleText) {
  const DisplayScale scale = layout_.scale;
  const int line = scale.Line();
  speedBox_.Fill(colors_.face);
  DrawSunkenEdge(speedBox_, scale.Of(kGroove), colors_, line);
  graphics.DrawText(speedBox_, scale.Of(kScaleTextAt), TrimTrailingSpaces(scaleText),
                    colors_.windowText);
  for (int x = kFirstTick; x <= kLastTick; x += kTickStep) {
    speedBox_.FillRect(
        Rect{scale.Of(x), scale.Of(kTickTop), scale.Of(x) + line, scale.Of(kTickTop + kTickLength)},
        kBlack);
  }
  // Mask first: it whitens the knob's shape; the knob's own half then paints
  // into that and leaves the rest of the box as it was. The knob image is
  // drawn for this scale.
  const int knobLeft = scale.Of(level * kKnobStep);
  const int knobTop = scale.Of(kKnobTop);
  const int knobWidth = knobImage.Width() / 2;
  speedBox_.Blit(knobImage, knobWidth, 0, knobWidth, knobImage.Height(), knobLeft, knobTop,
                 RasterOp::kOr);
  speedBox_.Blit(knobImage, 0, 0, knobWidth, knobImage.Height(), knobLeft, knobTop, RasterOp::kAnd);
}

const Surface& SettingsPictures::ColorArea(int box) const {
  assert((box == 0 || box == 1) && "there are two colour boxes");
  return colorAreas_[box];
}

void SettingsPictures::DrawColorMark(int box, std::int32_t cell) {
  assert((box == 0 || box == 1) && "there are two colour boxes");
  Surface& area = colorAreas_[box];
  // Beyond the cells picture the blit writes black: every pixel is written.
  area.Blit(colorCells_, 0, 0, area.Width(), area.Height(), 0, 0);
  const DisplayScale scale = layout_.scale;
  const int left = cell * kColorCellWidth + 1;
  // Drawn inwards, so the frame stays within its cell; at two pixels it
  // stands out against the dots where a hairline did not.
  DrawOutline(area, scale.Of(Point{left, 1}),
              Point{scale.Of(left + kColorCellWidth) - 1, scale.Of(16) - 1}, kColorMarkGreen,
              kColorMarkWidth * scale.Line());
}

const Surface& SettingsPictures::Client() const {
  client_ = window_;
  client_.Blit(speedBox_, 0, 0, speedBox_.Width(), speedBox_.Height(), layout_.speedBox.left,
               layout_.speedBox.top);
  for (int box = 0; box < 2; ++box) {
    const Surface& area = colorAreas_[box];
    client_.Blit(area, 0, 0, area.Width(), area.Height(), layout_.colorAreas[box].left,
                 layout_.colorAreas[box].top);
  }
  return client_;
}

}  // namespace kx
