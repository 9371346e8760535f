#include "win32/window_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cassert>
#include <vector>

#include "app/form.h"
#include "resource.h"
#include "win32/dib_pixels.h"
#include "win32/dpi_win.h"
#include "win32/timer_win.h"
#include "win32/wide_text.h"
#include "win32/window_messages.h"
#include "window/window_layout.h"

namespace kx::win {
namespace {

constexpr wchar_t kClassName[] = L"KX_RuvoZava.Form";
// A fixed dialog frame with a caption; the form removes the caption later.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

Point ClientPoint(LPARAM lParam) { return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

int ButtonsOf(WPARAM keys) {
  return ((keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
         ((keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
         ((keys & MK_MBUTTON) != 0 ? kMiddleButton : 0);
}

int ShiftOf(WPARAM keys) {
  return ((keys & MK_SHIFT) != 0 ? kShiftKey : 0) | ((keys & MK_CONTROL) != 0 ? kCtrlKey : 0) |
         (GetKeyState(VK_MENU) < 0 ? kAltKey : 0);
}

// The window's size with its caption, as it is created at this scale.
SIZE OuterSizeAt(DisplayScale scale) {
  const Point client = ClientSizeAt(scale);
  return OuterSizeForDpi(SIZE{client.x, client.y}, kStyle, kExStyle, scale.dpi);
}

}  // namespace

WindowWin::~WindowWin() {
  visibility_.Stop();
  form_ = nullptr;
  if (window_ != nullptr) (void)DestroyWindow(window_);
}

bool WindowWin::Create(frmRuvoZava& form, DisplayScale scale) {
  assert(window_ == nullptr && "the program has one window");
  if (!RegisterWindowClass(instance_, &Procedure)) return false;
  form_ = &form;
  scale_ = scale;
  const SIZE outer = OuterSizeAt(scale);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  // Created hidden: without WS_VISIBLE it appears only when the form asks.
  const HWND window = CreateWindowExW(kExStyle, kClassName, kWindowTitle, kStyle, x, y, outer.cx,
                                      outer.cy, nullptr, nullptr, instance_, this);
  if (window == nullptr) {
    form_ = nullptr;
    return false;
  }
  assert(window_ == window && "WM_NCCREATE recorded the handle");
  (void)TaskbarCreatedMessage();  // registered before the shell can send it
  visibility_.Start(form);
  return true;
}

Point WindowWin::OuterSize() const {
  RECT rect{};
  if (window_ == nullptr || !GetWindowRect(window_, &rect)) return {};
  return Point{rect.right - rect.left, rect.bottom - rect.top};
}

void WindowWin::RemoveCaption(int outerWidth, int outerHeight) {
  if (window_ == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  (void)SetWindowLongPtrW(window_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
  (void)SetWindowPos(window_, nullptr, 0, 0, outerWidth, outerHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WindowWin::SetScale(DisplayScale scale) {
  scale_ = scale;
  handCursor_.Reset();  // loaded again at the new size when next shown
  if (window_ == nullptr) return;
  const SIZE outer = OuterSizeAt(scale);
  (void)SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowWin::Show() {
  if (window_ == nullptr) return;
  (void)ShowWindow(window_, SW_SHOW);
  (void)SetForegroundWindow(window_);
}

void WindowWin::Hide() {
  if (window_ != nullptr) (void)ShowWindow(window_, SW_HIDE);
}

void WindowWin::Refresh() {
  if (window_ == nullptr) return;
  (void)InvalidateRect(window_, nullptr, FALSE);
  (void)UpdateWindow(window_);
}

void WindowWin::ShowPopupMenu() {
  if (window_ == nullptr) return;
  if (!menu_) menu_.Reset(LoadMenuW(instance_, MAKEINTRESOURCEW(IDM_TRAY)));
  const HMENU popup = menu_ ? GetSubMenu(menu_.Get(), 0) : nullptr;
  if (popup == nullptr) return;
  POINT cursor{};
  (void)GetCursorPos(&cursor);
  // A popup menu closes on a click elsewhere only while its owner is the
  // foreground window; a hidden tray window is not, unless we make it so.
  (void)SetForegroundWindow(window_);
  (void)TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                       window_, nullptr);
  // Without a message after the menu, the next popup opens and closes at once.
  (void)PostMessageW(window_, WM_NULL, 0, 0);
}

void WindowWin::OpenAddress(std::u16string_view address) {
  const std::wstring wide = ToWide(address);
  (void)ShellExecuteW(window_, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WindowWin::Unload() {
  if (window_ != nullptr) (void)DestroyWindow(window_);
}

LRESULT CALLBACK WindowWin::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<WindowWin*>(create->lpCreateParams);
    self->window_ = window;
    (void)SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<WindowWin*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->form_ == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Dispatch(message, wParam, lParam);
}

LRESULT WindowWin::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto answer = visibility_.Handle(message, wParam, lParam)) return *answer;
  frmRuvoZava& form = *form_;
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimer1Id) form.Timer1_Timer();
      return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND:
      if (!form.ClientPicture().Empty()) return 1;  // WM_PAINT covers every pixel
      break;
    // The shell's tray notifications arrive here too: x is then the number
    // of the mouse message on the icon, which the form recognises.
    case WM_MOUSEMOVE:
      form.ClientMouseMove(ClientPoint(lParam), ButtonsOf(wParam), ShiftOf(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const int button = message == WM_LBUTTONDOWN   ? kLeftButton
                         : message == WM_RBUTTONDOWN ? kRightButton
                                                     : kMiddleButton;
      (void)SetCapture(window_);  // drags on the speed bar may leave the window
      form.ClientMouseDown(ClientPoint(lParam), button, ShiftOf(wParam));
      return 0;
    }
    case WM_LBUTTONUP:
      if (GetCapture() == window_) (void)ReleaseCapture();
      form.ClientClick(ClientPoint(lParam));
      return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (GetCapture() == window_) (void)ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) form.ClientCaptureEnded();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && SetCursorOverClient()) return TRUE;
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && LOWORD(wParam) >= IDM_POPUP_BASE &&
          LOWORD(wParam) < IDM_POPUP_BASE + 100) {
        form.PopUp_Click(static_cast<std::int16_t>(LOWORD(wParam) - IDM_POPUP_BASE));
        return 0;
      }
      break;
    // The display's scale or the taskbar's monitor may have changed. The
    // form hears of it from the queue, never inside a call of its own: such
    // broadcasts are sent, and arrive while the shell takes a tick's icon.
    case WM_DPICHANGED:
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      if (!displayChangePosted_) {
        displayChangePosted_ = PostMessageW(window_, kDisplayChangedMessage, 0, 0) != FALSE;
      }
      if (message == WM_DPICHANGED) return 0;  // the form sizes the window itself
      break;
    case kDisplayChangedMessage:
      displayChangePosted_ = false;
      form.DisplayChanged();
      return 0;
    case WM_CLOSE: Unload(); return 0;
    case WM_DESTROY:
      if (!unloaded_) {
        unloaded_ = true;
        form.Form_Unload();
      }
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      const HWND window = window_;
      window_ = nullptr;
      form_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      if (message == TaskbarCreatedMessage()) {
        form.TaskbarCreated();
        return 0;
      }
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void WindowWin::Paint() {
  const PaintDc dc(window_);
  const Surface& picture = form_->ClientPicture();
  if (dc && !picture.Empty()) {
    std::vector<std::uint32_t> bits(picture.Pixels().begin(), picture.Pixels().end());
    for (auto& pixel : bits) pixel = SwapRedBlue(pixel);
    const BITMAPINFO info = TopDownBitmapInfo(picture.Width(), picture.Height());
    (void)SetDIBitsToDevice(
        dc.Get(), 0, 0, static_cast<DWORD>(picture.Width()), static_cast<DWORD>(picture.Height()),
        0, 0, 0, static_cast<UINT>(picture.Height()), bits.data(), &info, DIB_RGB_COLORS);
  }
}

HCURSOR WindowWin::HandCursor() {
  if (!handCursor_) {
    // 32 pixels, doubled from 200 % on: enlarged by whole factors only.
    const int size = 32 * scale_.Line();
    handCursor_.Reset(static_cast<HCURSOR>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDC_URL_HAND), IMAGE_CURSOR, size, size, 0)));
  }
  return handCursor_.Get();
}

bool WindowWin::SetCursorOverClient() {
  POINT cursor{};
  if (!GetCursorPos(&cursor) || !ScreenToClient(window_, &cursor)) return false;
  if (!form_->ShowsHandCursor(Point{cursor.x, cursor.y})) return false;
  const HCURSOR hand = HandCursor();
  if (hand == nullptr) return false;
  (void)SetCursor(hand);
  return true;
}

}  // namespace kx::win
