#pragma once
// Text rasterising and icon building: the only drawing the platform does for
// the program. Everything else is pixel work on Surfaces.

#include <memory>
#include <string_view>

#include "forms/geometry.h"
#include "forms/surface.h"
#include "forms/tray.h"

namespace kx {

class Graphics {
 public:
  virtual ~Graphics() = default;

  // The screen's resolution changed: fonts selected from now on, and the
  // program icon, are made for a screen of this many dots per inch.
  virtual void SetScreenDpi(int dotsPerInch) = 0;

  // Chooses the font of DrawGlyph: this face at this size, or, where the
  // system lacks the face, the closest Japanese monospaced Gothic it has.
  virtual void SelectGlyphFont(std::u16string_view face, int points) = 0;
  // The same for DrawText, the window's font.
  virtual void SelectWindowFont(std::u16string_view face, float points) = 0;

  // Draws one character in the glyph font at (0, 0) of `target` in `color`,
  // over what is there, and returns its advance width in pixels.
  virtual int DrawGlyph(std::u16string_view character, Color color, Surface& target) = 0;

  // Draws text in the window font with its top-left corner at `at`, on a
  // transparent background. Returns the width drawn in pixels.
  virtual int DrawText(Surface& target, Point at, std::u16string_view text, Color color) = 0;

  // An icon showing exactly the pixels of `picture` (the shell's small-icon
  // size: 16 x 16 at 96 dpi); nothing when none can be built (an empty
  // picture has none).
  virtual std::unique_ptr<Icon> MakeIcon(const Surface& picture) = 0;

  // The program's own icon; lives as long as the Graphics object.
  virtual const Icon& ProgramIcon() = 0;
};

}  // namespace kx
