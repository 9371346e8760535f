// The floor of a tray ticker: a hidden window whose timer, at the interval
// given on the command line (50 ms unless told), only builds an icon from a
// picture made once and hands it to the shell. bench/tick_cpu.sh runs it
// beside the program and compares their CPU time.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cwchar>
#include <vector>

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr int kSize = 16;

HBITMAP colour = nullptr;
HBITMAP mask = nullptr;
HICON shown = nullptr;

HICON MakeIcon() {
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask;
  info.hbmColor = colour;
  return CreateIconIndirect(&info);
}

bool Notify(HWND window, DWORD message, HICON icon) {
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = window;
  record.uID = 1;
  record.uFlags = NIF_ICON;
  record.hIcon = icon;
  return Shell_NotifyIconW(message, &record) != FALSE;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    const HICON next = MakeIcon();
    (void)Notify(window, NIM_MODIFY, next);
    if (shown != nullptr) (void)DestroyIcon(shown);
    shown = next;
    return 0;
  }
  if (message == WM_DESTROY) {
    (void)Notify(window, NIM_DELETE, nullptr);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  const long asked = std::wcstol(commandLine, nullptr, 10);
  const int interval = asked > 0 ? static_cast<int>(asked) : 50;
  // The ready picture: a 32-bit colour bitmap of stripes and an all-zero mask.
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = kSize;
  format.bmiHeader.biHeight = -kSize;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  colour = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (colour == nullptr) return 1;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < kSize * kSize; ++i)
    pixels[i] = (i / kSize) % 4 < 2 ? 0xFF00FF00u : 0xFF000000u;
  const std::vector<std::uint8_t> zeros(kSize * kSize / 8, 0);
  mask = CreateBitmap(kSize, kSize, 1, 1, zeros.data());

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"KX.BareTicker";
  if (RegisterClassW(&windowClass) == 0) return 1;
  const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"bare ticker", WS_POPUP, 0, 0,
                                      0, 0, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  shown = MakeIcon();
  (void)Notify(window, NIM_ADD, shown);
  (void)SetTimer(window, kTimerId, static_cast<UINT>(interval), nullptr);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) (void)DispatchMessageW(&message);
  return 0;
}
