// CPU time of building one 16 x 16 tray icon under Wine: through the
// binding's GraphicsWin::MakeIcon, which keeps its bitmaps from one icon to
// the next, and the way every icon was built before (a screen DC, a DIB
// section, a mask, a memory DC and a PatBlt each). Also one glyph drawn.
//   kx_icon_cost [ROUNDS]   20,000 unless told (a multiple of 1,000)
#include "win32/windows_api.h"

#include <cstdio>
#include <cwchar>
#include <functional>
#include <utility>
#include <vector>

#include "win32/dib_pixels.h"
#include "win32/graphics_win.h"

namespace {

using namespace kx;

double ThreadSeconds() {
  FILETIME created{}, ended{}, kernel{}, user{};
  (void)GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
  const auto ticks = [](FILETIME t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime);
  };
  return (ticks(kernel) + ticks(user)) / 1e7;
}

// Runs the bodies in turn, a thousand calls at a time, so that a change in
// the machine's load falls on both alike; prints the CPU time per call.
void Compare(int rounds, const std::vector<std::pair<const char*, std::function<void()>>>& bodies) {
  std::vector<double> seconds(bodies.size(), 0.0);
  for (int done = 0; done < rounds; done += 1000) {
    for (std::size_t b = 0; b < bodies.size(); ++b) {
      const double start = ThreadSeconds();
      for (int i = 0; i < 1000; ++i) bodies[b].second();
      seconds[b] += ThreadSeconds() - start;
    }
  }
  for (std::size_t b = 0; b < bodies.size(); ++b)
    std::printf("%-40s %8.1f us CPU each\n", bodies[b].first, seconds[b] * 1e6 / rounds);
}

// The icon as each tick built it before.
HICON OldIcon(const Surface& picture) {
  const win::WindowDc screen(nullptr);
  const BITMAPINFO info = win::TopDownBitmapInfo(picture.Width(), picture.Height());
  void* bits = nullptr;
  const win::UniqueBitmap colour(
      CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour) return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const auto source = picture.Pixels();
  for (std::size_t i = 0; i < source.size(); ++i)
    pixels[i] = win::SwapRedBlue(source[i]) | 0xFF000000u;
  const win::UniqueBitmap mask(CreateBitmap(picture.Width(), picture.Height(), 1, 1, nullptr));
  {
    const win::UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    const win::ScopedSelect selected(dc.Get(), mask.Get());
    (void)PatBlt(dc.Get(), 0, 0, picture.Width(), picture.Height(), BLACKNESS);
  }
  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmMask = mask.Get();
  icon.hbmColor = colour.Get();
  return CreateIconIndirect(&icon);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 && std::wcstol(argv[1], nullptr, 10) > 0
                         ? static_cast<int>(std::wcstol(argv[1], nullptr, 10))
                         : 20000;
  win::GraphicsWin graphics(GetModuleHandleW(nullptr));
  Surface picture(16, 16);
  for (int i = 0; i < 256; ++i) picture.Set(i % 16, i / 16, i % 3 == 0 ? 0x0000FF00 : kBlack);
  graphics.SelectGlyphFont(u"ＭＳ ゴシック", 11);
  Surface glyph(20, 20);
  Compare(rounds, {{"icon, bitmaps kept (now)", [&] { (void)graphics.MakeIcon(picture); }},
                   {"icon, bitmaps made per icon (before)",
                    [&] { const win::UniqueIcon icon(OldIcon(picture)); }},
                   {"glyph, canvas kept (now)", [&] {
                      glyph.Fill(kBlack);
                      (void)graphics.DrawGlyph(u"問", 0x0000FF00, glyph);
                    }}});
  return 0;
}
