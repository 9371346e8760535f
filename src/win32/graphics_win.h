#pragma once
// Text rasterising with GDI into DIB sections, and icons built from pixels.

#include "win32/windows_api.h"

#include <cstdint>
#include <memory>
#include <optional>

#include "forms/graphics.h"
#include "forms/screen_units.h"
#include "win32/icon_win.h"
#include "win32/scoped_win.h"

namespace kx::win {

// A top-down 32-bit DIB section and the pointer to its pixels.
struct DibSection {
  UniqueBitmap bitmap;
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
};

// A DIB section selected into a memory device context of its own for as
// long as both live, so that text can be drawn into it call after call.
class DibCanvas {
 public:
  DibCanvas(int width, int height);
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  ~DibCanvas();
  // Made whole, for pixels of this size.
  bool Fits(int width, int height) const;
  HDC Dc() const { return dc_.Get(); }
  std::uint32_t* Pixels() const { return dib_.pixels; }

 private:
  UniqueMemoryDc dc_;
  DibSection dib_;
  HGDIOBJ old_ = nullptr;
};

class GraphicsWin final : public Graphics {
 public:
  // `instance` holds the program icon resource; fonts are sized for a screen
  // of `dpiY`, as the environment reports it.
  explicit GraphicsWin(HINSTANCE instance, int dpiY = kDesignDpi);

  // The program icon, once loaded, is loaded again at the new size.
  void SetScreenDpi(int dotsPerInch) override;
  void SelectGlyphFont(std::u16string_view face, int points) override;
  void SelectWindowFont(std::u16string_view face, float points) override;
  // Without anti-aliasing: every drawn pixel is exactly `color`, so the
  // ticker's columns show the text colour and nothing in between.
  int DrawGlyph(std::u16string_view character, Color color, Surface& target) override;
  int DrawText(Surface& target, Point at, std::u16string_view text, Color color) override;
  // The bitmaps an icon is made of are kept from one icon to the next: the
  // system copies them into every icon it builds.
  std::unique_ptr<Icon> MakeIcon(const Surface& picture) override;
  const Icon& ProgramIcon() override;

 private:
  // Draws into `canvas`, made anew only when the target's size changed.
  int Draw(std::unique_ptr<DibCanvas>& canvas, HFONT font, Surface& target, Point at,
           std::u16string_view text, Color color);
  HICON LoadProgramIcon() const;

  HINSTANCE instance_;
  int dpiY_;
  UniqueFont glyphFont_;
  UniqueFont windowFont_;
  std::optional<IconWin> programIcon_;
  // Kept while pictures keep their size: ticks draw and build into them.
  std::unique_ptr<DibCanvas> glyphCanvas_;
  std::unique_ptr<DibCanvas> textCanvas_;
  DibSection iconColour_;
  UniqueBitmap iconMask_;
};

// Whether the system has a font family of this name.
bool IsFontInstalled(std::u16string_view face);

}  // namespace kx::win
