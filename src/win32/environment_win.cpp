#include "win32/environment_win.h"

#include "win32/windows_api.h"

#include <vector>

#include "win32/dpi_win.h"
#include "win32/wide_text.h"

namespace kx::win {
namespace {

Color SystemColor(int index) { return static_cast<Color>(GetSysColor(index)) & 0x00FFFFFF; }

}  // namespace

bool EnvironmentWin::TopLevelWindowExists(std::u16string_view title) {
  const std::wstring wide = ToWide(title);
  return FindWindowW(nullptr, wide.c_str()) != nullptr;
}

std::u16string ProgramFilePath() {
  // The path may exceed MAX_PATH: grow the buffer until the name fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return FromWide(std::wstring_view(buffer.data(), length));
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::u16string EnvironmentWin::ProgramFolder() {
  std::u16string path = ProgramFilePath();
  const auto slash = path.find_last_of(u"\\/");
  if (slash == std::u16string::npos) return {};
  path.resize(slash + 1);
  return path;
}

ProgramVersion EnvironmentWin::Version() {
  const std::wstring path = ToWide(ProgramFilePath());
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};
  void* value = nullptr;
  UINT valueSize = 0;
  if (!VerQueryValueW(block.data(), L"\\", &value, &valueSize) ||
      valueSize < sizeof(VS_FIXEDFILEINFO)) {
    return {};
  }
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
  return ProgramVersion{static_cast<int>(HIWORD(info->dwFileVersionMS)),
                        static_cast<int>(LOWORD(info->dwFileVersionMS))};
}

ScreenMetrics EnvironmentWin::Screen() {
  const Dpi dpi = DisplayDpi();
  ScreenMetrics metrics;
  metrics.widthPixels = GetSystemMetrics(SM_CXSCREEN);
  metrics.heightPixels = GetSystemMetrics(SM_CYSCREEN);
  metrics.captionHeight = SystemMetricForDpi(SM_CYCAPTION, dpi.y);
  metrics.dpiX = dpi.x;
  metrics.dpiY = dpi.y;
  return metrics;
}

SystemColors EnvironmentWin::Colors() {
  SystemColors colors;
  colors.face = SystemColor(COLOR_BTNFACE);
  colors.shadow = SystemColor(COLOR_BTNSHADOW);
  colors.highlight = SystemColor(COLOR_BTNHIGHLIGHT);
  colors.darkShadow = SystemColor(COLOR_3DDKSHADOW);
  colors.light = SystemColor(COLOR_3DLIGHT);
  colors.buttonText = SystemColor(COLOR_BTNTEXT);
  colors.windowText = SystemColor(COLOR_WINDOWTEXT);
  return colors;
}

}  // namespace kx::win
