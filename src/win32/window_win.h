#pragma once
// The program's one window, frmRuvoZava as the platform shows it: hidden
// except as the settings window. Its window procedure only turns messages
// into calls of the form's handlers.

#include "win32/windows_api.h"

#include "forms/screen_units.h"
#include "forms/window_host.h"
#include "win32/scoped_win.h"
#include "win32/visibility_win.h"

namespace kx {
class frmRuvoZava;
}

namespace kx::win {

// The window text: another copy of the program finds the window by it.
inline constexpr wchar_t kWindowTitle[] = L"KX_RuvoZava";

class WindowWin final : public WindowHost {
 public:
  // `instance` holds the menu and cursor resources.
  explicit WindowWin(HINSTANCE instance) : instance_(instance) {}
  WindowWin(const WindowWin&) = delete;
  WindowWin& operator=(const WindowWin&) = delete;
  // A window still open is destroyed without calling back into the form.
  ~WindowWin() override;

  // Creates the hidden, centred window whose events go to `form`, sized for a
  // screen of `scale`. False when the system refuses; the program cannot run
  // then.
  bool Create(frmRuvoZava& form, DisplayScale scale);
  // nullptr before Create and after the window is gone.
  HWND Handle() const { return window_; }

  Point OuterSize() const override;
  void RemoveCaption(int outerWidth, int outerHeight) override;
  void SetScale(DisplayScale scale) override;
  void Show() override;
  void Hide() override;
  void Refresh() override;
  void ShowPopupMenu() override;
  void OpenAddress(std::u16string_view address) override;
  // Destroys the window: its WM_DESTROY runs form.Form_Unload() once while
  // the window still exists, then ends the message loop.
  void Unload() override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  bool SetCursorOverClient();
  HCURSOR HandCursor();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  frmRuvoZava* form_ = nullptr;
  UniqueMenu menu_;
  UniqueCursor handCursor_;
  DisplayScale scale_;
  bool unloaded_ = false;
  // Tells the form when nobody can see the tray.
  VisibilityWatch visibility_{[this] { return window_; }};
  bool displayChangePosted_ = false;
};

}  // namespace kx::win
