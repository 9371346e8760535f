#include "win32/graphics_win.h"

#include <cassert>
#include <cmath>
#include <cstring>
#include <vector>

#include "forms/font_choice.h"
#include "resource.h"
#include "win32/dib_pixels.h"
#include "win32/dpi_win.h"
#include "win32/wide_text.h"

namespace kx::win {
namespace {

DibSection MakeDib(int width, int height) {
  const BITMAPINFO info = TopDownBitmapInfo(width, height);
  void* bits = nullptr;
  DibSection dib;
  // No device context: the colours of a 32-bit DIB come from no palette.
  dib.bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (dib.bitmap) {
    dib.pixels = static_cast<std::uint32_t*>(bits);
    dib.width = width;
    dib.height = height;
  }
  return dib;
}

// A monochrome bitmap of zeros: as an icon's AND mask, no pixel is transparent.
UniqueBitmap MakeOpaqueMask(int width, int height) {
  // Monochrome rows are whole 16-bit words.
  const std::size_t rowBytes = static_cast<std::size_t>((width + 15) / 16 * 2);
  const std::vector<std::uint8_t> zeros(rowBytes * static_cast<std::size_t>(height), 0);
  return UniqueBitmap(CreateBitmap(width, height, 1, 1, zeros.data()));
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

DibCanvas::DibCanvas(int width, int height)
    : dc_(CreateCompatibleDC(nullptr)), dib_(MakeDib(width, height)) {
  if (dc_ && dib_.bitmap) old_ = SelectObject(dc_.Get(), dib_.bitmap.Get());
}

DibCanvas::~DibCanvas() {
  if (old_ != nullptr) (void)SelectObject(dc_.Get(), old_);
}

bool DibCanvas::Fits(int width, int height) const {
  return old_ != nullptr && dib_.width == width && dib_.height == height;
}

GraphicsWin::GraphicsWin(HINSTANCE instance, int dpiY) : instance_(instance), dpiY_(dpiY) {}

void GraphicsWin::SetScreenDpi(int dotsPerInch) {
  dpiY_ = dotsPerInch;
  // In place: the tray record may point to it.
  if (programIcon_) programIcon_.emplace(LoadProgramIcon());
}

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
  return Draw(glyphCanvas_, glyphFont_.Get(), target, Point{0, 0}, character, color);
}

int GraphicsWin::DrawText(Surface& target, Point at, std::u16string_view text, Color color) {
  assert(windowFont_ && "SelectWindowFont comes before the first text");
  return Draw(textCanvas_, windowFont_.Get(), target, at, text, color);
}

int GraphicsWin::Draw(std::unique_ptr<DibCanvas>& canvas, HFONT font, Surface& target, Point at,
                      std::u16string_view text, Color color) {
  if (target.Empty() || text.empty()) return 0;
  if (!canvas || !canvas->Fits(target.Width(), target.Height())) {
    canvas.reset();  // the old one goes first
    canvas = std::make_unique<DibCanvas>(target.Width(), target.Height());
    if (!canvas->Fits(target.Width(), target.Height())) {
      canvas.reset();
      return 0;
    }
  }
  const HDC dc = canvas->Dc();
  std::uint32_t* const dib = canvas->Pixels();
  const auto pixels = target.Pixels();
  for (std::size_t i = 0; i < pixels.size(); ++i) dib[i] = SwapRedBlue(pixels[i]);

  const std::wstring wide = ToWide(text);
  const int length = static_cast<int>(wide.size());
  SIZE extent{};
  {
    const ScopedSelect selectedFont(dc, font);
    (void)SetBkMode(dc, TRANSPARENT);
    (void)SetTextColor(dc, color);
    (void)SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    (void)TextOutW(dc, at.x, at.y, wide.c_str(), length);
    (void)GetTextExtentPoint32W(dc, wide.c_str(), length, &extent);
    (void)GdiFlush();
  }
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = SwapRedBlue(dib[i]);
  return static_cast<int>(extent.cx);
}

std::unique_ptr<Icon> GraphicsWin::MakeIcon(const Surface& picture) {
  // Any failure, an empty picture's too, is no icon at all, never an icon
  // without a handle: the tray then keeps its last picture.
  if (picture.Empty()) return nullptr;
  if (iconColour_.width != picture.Width() || iconColour_.height != picture.Height()) {
    iconColour_ = MakeDib(picture.Width(), picture.Height());
    iconMask_ = MakeOpaqueMask(picture.Width(), picture.Height());
  }
  if (!iconColour_.pixels || !iconMask_) {
    iconColour_ = DibSection{};
    return nullptr;
  }
  const auto pixels = picture.Pixels();
  // Fully opaque: the tray shows exactly the canvas, black included.
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    iconColour_.pixels[i] = SwapRedBlue(pixels[i]) | 0xFF000000u;
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = iconMask_.Get();
  info.hbmColor = iconColour_.bitmap.Get();
  // The icon takes copies of both bitmaps.
  const HICON icon = CreateIconIndirect(&info);
  if (icon == nullptr) return nullptr;
  return std::make_unique<IconWin>(icon);
}

HICON GraphicsWin::LoadProgramIcon() const {
  // The size the shell shows small icons at for this resolution; the icon
  // resource holds it for 100 to 300 %, so nothing is stretched.
  const int size = SystemMetricForDpi(SM_CXSMICON, dpiY_);
  return static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
}

const Icon& GraphicsWin::ProgramIcon() {
  if (!programIcon_) programIcon_.emplace(LoadProgramIcon());
  return *programIcon_;
}

}  // namespace kx::win
