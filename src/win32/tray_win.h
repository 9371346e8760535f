#pragma once
// The notification-area icon through Shell_NotifyIconW. The record is the
// shell's first version: the program never asks for more of the shell.

#include "win32/windows_api.h"

#include <functional>
#include <optional>
#include <string>

#include "forms/tray.h"

namespace kx::win {

class TrayWin final : public TrayShell {
 public:
  // `window` gives the form's window, which receives the notifications.
  explicit TrayWin(std::function<HWND()> window) : window_(std::move(window)) {}
  bool Add(const TrayData& data) override;
  bool Modify(const TrayData& data) override;
  bool Delete(const TrayData& data) override;

 private:
  bool Call(DWORD message, const TrayData& data);

  std::function<HWND()> window_;
  // The tip the shell last took from us; none before the first and after a
  // delete.
  std::optional<std::u16string> shellTip_;
};

}  // namespace kx::win
