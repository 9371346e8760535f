#pragma once
// The message box and the open-file dialog, owned by the form's window once
// it exists.

#include "win32/windows_api.h"

#include <functional>

#include "forms/dialogs.h"

namespace kx::win {

class DialogsWin final : public Dialogs {
 public:
  // `owner` gives the window that owns the dialogs (nullptr before the
  // window exists); `instance` is the program's.
  DialogsWin(HINSTANCE instance, std::function<HWND()> owner)
      : instance_(instance), owner_(std::move(owner)) {}
  int MessageBox(std::u16string_view text, std::u16string_view title, std::uint32_t style) override;
  // The chosen path as the dialog gives it: whether the program can use it
  // is for the program to judge and to tell the user.
  std::optional<std::u16string> OpenFile(const OpenFileRequest& request) override;

 private:
  HINSTANCE instance_;
  std::function<HWND()> owner_;
};

}  // namespace kx::win
