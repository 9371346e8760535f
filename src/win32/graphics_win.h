#pragma once
// Text rasterising with GDI into DIB sections, and icons built from pixels.

#include "win32/windows_api.h"

#include <memory>
#include <optional>

#include "forms/graphics.h"
#include "forms/screen_units.h"
#include "win32/icon_win.h"
#include "win32/scoped_win.h"

namespace kx::win {

class GraphicsWin final : public Graphics {
 public:
  // `instance` holds the program icon resource; fonts are sized for a screen
  // of `dpiY`, as the environment reports it.
  explicit GraphicsWin(HINSTANCE instance, int dpiY = kDesignDpi);

  void SelectGlyphFont(std::u16string_view face, int points) override;
  void SelectWindowFont(std::u16string_view face, float points) override;
  // Without anti-aliasing: every drawn pixel is exactly `color`, so the
  // ticker's columns show the text colour and nothing in between.
  int DrawGlyph(std::u16string_view character, Color color, Surface& target) override;
  int DrawText(Surface& target, Point at, std::u16string_view text, Color color) override;
  std::unique_ptr<Icon> MakeIcon(const Surface& picture) override;
  const Icon& ProgramIcon() override;

 private:
  int Draw(HFONT font, Surface& target, Point at, std::u16string_view text, Color color);

  HINSTANCE instance_;
  int dpiY_;
  UniqueFont glyphFont_;
  UniqueFont windowFont_;
  std::optional<IconWin> programIcon_;
};

// Whether the system has a font family of this name.
bool IsFontInstalled(std::u16string_view face);

}  // namespace kx::win
