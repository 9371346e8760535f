#include "win32/dpi_win.h"

#include "win32/scoped_win.h"

namespace kx::win {
namespace {

// `name` from a system library, or nullptr where the system lacks it.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  // Through the generic function type, which every function pointer converts to.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

}  // namespace

Dpi DisplayDpi() {
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto getDpiForMonitor =
      SystemFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
  if (getDpiForMonitor != nullptr) {
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    const HMONITOR monitor = taskbar != nullptr
                                 ? MonitorFromWindow(taskbar, MONITOR_DEFAULTTOPRIMARY)
                                 : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT x = 0;
    UINT y = 0;
    if (SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && x > 0 && y > 0) {
      return Dpi{static_cast<int>(x), static_cast<int>(y)};
    }
  }
  const WindowDc screen(nullptr);
  if (!screen) return {};
  return Dpi{GetDeviceCaps(screen.Get(), LOGPIXELSX), GetDeviceCaps(screen.Get(), LOGPIXELSY)};
}

int SystemMetricForDpi(int index, int dpi) {
  using Function = int(WINAPI*)(int, UINT);
  static const auto forDpi = SystemFunction<Function>(L"user32.dll", "GetSystemMetricsForDpi");
  return forDpi != nullptr ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

SIZE OuterSizeForDpi(SIZE client, DWORD style, DWORD exStyle, int dpi) {
  using Function = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto forDpi = SystemFunction<Function>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT outer{0, 0, client.cx, client.cy};
  if (forDpi == nullptr || !forDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    (void)AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  }
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace kx::win
