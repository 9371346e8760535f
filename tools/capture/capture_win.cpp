// Screenshots of one screen area for the README's animated picture, taken
// from inside the Wine session, fast enough to catch every tick of the
// ticker:
//
//   kx_capture X Y W H COUNT MS PREFIX
//
// COUNT pictures, one every MS milliseconds, as PREFIX0000.ppm and on (binary
// PPM, which any image tool reads); prints the milliseconds from first to
// last.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

int Capture(int x, int y, int width, int height, int count, int milliseconds,
            const std::wstring& prefix) {
  if (width <= 0 || height <= 0 || count <= 0) return 2;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  int result = 0;
  const DWORD first = GetTickCount();
  DWORD last = first;
  for (int n = 0; n < count && result == 0; ++n) {
    last = GetTickCount();
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    std::string ppm = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    const auto* bgrx = static_cast<const unsigned char*>(bits);
    for (std::size_t i = 0; i < pixels; ++i) {
      ppm += static_cast<char>(bgrx[i * 4 + 2]);
      ppm += static_cast<char>(bgrx[i * 4 + 1]);
      ppm += static_cast<char>(bgrx[i * 4]);
    }
    wchar_t number[8] = {};
    swprintf(number, 8, L"%04d", n);
    const HANDLE file = CreateFileW((prefix + number + L".ppm").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !WriteFile(file, ppm.data(), static_cast<DWORD>(ppm.size()), &written, nullptr)) {
      result = 1;
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    Sleep(static_cast<DWORD>(milliseconds));
  }
  std::printf("%lu\n", static_cast<unsigned long>(last - first));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 8) return 2;
  return Capture(_wtoi(argv[1]), _wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]),
                 _wtoi(argv[6]), argv[7]);
}
