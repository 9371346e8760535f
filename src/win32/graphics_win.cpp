#include "win32/graphics_win.h"

#include <cassert>
#include <cmath>
#include <cstring>

#include "forms/font_choice.h"
#include "resource.h"
#include "win32/dib_pixels.h"
#include "win32/wide_text.h"

namespace kx::win {
namespace {

// A top-down 32-bit DIB section and the pointer to its pixels.
struct DibSection {
  UniqueBitmap bitmap;
  std::uint32_t* pixels = nullptr;
};

DibSection MakeDib(HDC dc, int width, int height) {
  const BITMAPINFO info = TopDownBitmapInfo(width, height);
  void* bits = nullptr;
  DibSection dib;
  dib.bitmap.Reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (dib.bitmap) dib.pixels = static_cast<std::uint32_t*>(bits);
  return dib;
}

int CALLBACK NoteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one match is enough
}

UniqueFont MakeFont(const std::u16string& face, int pixelHeight, DWORD quality) {
  const std::wstring wide = ToWide(face);
  return UniqueFont(CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality,
                                FIXED_PITCH | FF_MODERN, wide.c_str()));
}

}  // namespace

bool IsFontInstalled(std::u16string_view face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  std::memcpy(query.lfFaceName, face.data(), face.size() * sizeof(char16_t));
  const WindowDc screen(nullptr);
  bool found = false;
  (void)EnumFontFamiliesExW(screen.Get(), &query, &NoteFamily, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

GraphicsWin::GraphicsWin(HINSTANCE instance, int dpiY) : instance_(instance), dpiY_(dpiY) {}

void GraphicsWin::SelectGlyphFont(std::u16string_view face, int points) {
  const std::u16string glyphFace = ChooseFace(face, &IsFontInstalled);
  glyphFont_ = MakeFont(glyphFace, MulDiv(points, dpiY_, 72), NONANTIALIASED_QUALITY);
}

void GraphicsWin::SelectWindowFont(std::u16string_view face, float points) {
  const std::u16string windowFace = ChooseFace(face, &IsFontInstalled);
  const auto pixels = std::lround(static_cast<double>(points) * dpiY_ / 72.0);
  windowFont_ = MakeFont(windowFace, static_cast<int>(pixels), NONANTIALIASED_QUALITY);
}

int GraphicsWin::DrawGlyph(std::u16string_view character, Color color, Surface& target) {
  assert(glyphFont_ && "SelectGlyphFont comes before the first glyph");
  return Draw(glyphFont_.Get(), target, Point{0, 0}, character, color);
}

int GraphicsWin::DrawText(Surface& target, Point at, std::u16string_view text, Color color) {
  assert(windowFont_ && "SelectWindowFont comes before the first text");
  return Draw(windowFont_.Get(), target, at, text, color);
}

int GraphicsWin::Draw(HFONT font, Surface& target, Point at, std::u16string_view text,
                      Color color) {
  if (target.Empty() || text.empty()) return 0;
  const WindowDc screen(nullptr);
  const UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
  if (!dc) return 0;
  DibSection dib = MakeDib(dc.Get(), target.Width(), target.Height());
  if (!dib.pixels) return 0;
  const auto pixels = target.Pixels();
  for (std::size_t i = 0; i < pixels.size(); ++i) dib.pixels[i] = SwapRedBlue(pixels[i]);

  const std::wstring wide = ToWide(text);
  const int length = static_cast<int>(wide.size());
  SIZE extent{};
  {
    const ScopedSelect bitmap(dc.Get(), dib.bitmap.Get());
    const ScopedSelect selectedFont(dc.Get(), font);
    (void)SetBkMode(dc.Get(), TRANSPARENT);
    (void)SetTextColor(dc.Get(), color);
    (void)SetTextAlign(dc.Get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    (void)TextOutW(dc.Get(), at.x, at.y, wide.c_str(), length);
    (void)GetTextExtentPoint32W(dc.Get(), wide.c_str(), length, &extent);
    (void)GdiFlush();
  }
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = SwapRedBlue(dib.pixels[i]);
  return static_cast<int>(extent.cx);
}

std::unique_ptr<Icon> GraphicsWin::MakeIcon(const Surface& picture) {
  // Any failure, an empty picture's too, is no icon at all, never an icon
  // without a handle: the tray then keeps its last picture.
  const WindowDc screen(nullptr);
  DibSection colour = MakeDib(screen.Get(), picture.Width(), picture.Height());
  if (!colour.pixels) return nullptr;
  const auto pixels = picture.Pixels();
  // Fully opaque: the tray shows exactly the canvas, black included.
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    colour.pixels[i] = SwapRedBlue(pixels[i]) | 0xFF000000u;
  }
  // An all-zero AND mask: no pixel is transparent.
  const UniqueBitmap mask(CreateBitmap(picture.Width(), picture.Height(), 1, 1, nullptr));
  if (!mask) return nullptr;
  {
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    const ScopedSelect selected(dc.Get(), mask.Get());
    (void)PatBlt(dc.Get(), 0, 0, picture.Width(), picture.Height(), BLACKNESS);
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.Get();
  info.hbmColor = colour.bitmap.Get();
  // The icon takes copies of both bitmaps; ours go when this returns.
  const HICON icon = CreateIconIndirect(&info);
  if (icon == nullptr) return nullptr;
  return std::make_unique<IconWin>(icon);
}

const Icon& GraphicsWin::ProgramIcon() {
  if (!programIcon_) {
    programIcon_.emplace(static_cast<HICON>(
        // The size the shell shows small icons at for this resolution; the
        // icon resource holds it for 100 to 300 %, so nothing is stretched.
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  }
  return *programIcon_;
}

}  // namespace kx::win
