#pragma once
// The settings window as pixels: the window's own persistent picture (title
// band, frames, labels, emblem, link) and the pictures of its three boxes,
// composed into one client-area picture that the platform paints as it is.
// Texts are UTF-16; the platform rasterises them in the window font.

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/environment.h"
#include "forms/graphics.h"
#include "forms/surface.h"
#include "window/window_layout.h"

namespace kx {

inline constexpr int kTitleBandBoxes = 129;
inline constexpr Point kVersionTitleAt{24, 2};
inline constexpr Color kLinkBlue = 0x00FF0000;
inline constexpr Color kLinkMagenta = 0x00FF00FF;
inline constexpr Color kColorMarkGreen = 0x0000FF00;

// Colour of title band box `index`: red 255, green 64 + index, blue index.
Color TitleBandColor(int index);

class SettingsPictures {
 public:
  // Everything back to the window's background at this layout.
  void SetUp(const WindowLayout& layout, const SystemColors& colors);

  // The title band across `outerWidthTwips` (the window's outer width), its
  // black underline and the version title in white.
  void PaintTitleBand(Graphics& graphics, int outerWidthTwips, std::u16string_view versionTitle);
  // The frames with their captions, the two labels and the emblem.
  void PaintFramesAndLabels(Graphics& graphics, const Surface& emblem);
  // The link's text; blue until SetLinkColor says otherwise.
  void SetLinkText(Graphics& graphics, std::u16string_view text);
  // Redraws the link only when its colour changes; returns whether it did.
  bool SetLinkColor(Graphics& graphics, Color color);

  // The picture both colour boxes show under their marks.
  void SetColorCellsPicture(const Surface& cells);

  // picSpeed from scratch: groove, scale text, ticks, and the knob at
  // `level` (outside the box where the level is out of range).
  void DrawSpeedBar(Graphics& graphics, std::int16_t level, const Surface& knobImage,
                    std::u16string_view scaleText);
  // picColorType(box): its picture with a green frame, two pixels wide,
  // around `cell`.
  void DrawColorMark(int box, std::int32_t cell);

  // Composed afresh each time, so no change is ever left out of it.
  const Surface& Client() const;
  const Surface& SpeedBox() const { return speedBox_; }
  const Surface& ColorArea(int box) const;
  const WindowLayout& Layout() const { return layout_; }
  int LinkWidth() const { return linkWidth_; }
  const std::u16string& LinkText() const { return linkText_; }

 private:
  void PaintFrame(Graphics& graphics, Rect frame, std::u16string_view caption);
  void PaintLink(Graphics& graphics);

  WindowLayout layout_;
  SystemColors colors_;
  Surface window_;  // the window's own persistent picture
  Surface speedBox_;
  Surface colorCells_;
  Surface colorAreas_[2];
  mutable Surface client_;
  std::u16string linkText_;
  Color linkColor_ = kLinkBlue;
  int linkWidth_ = 0;
};

}  // namespace kx
