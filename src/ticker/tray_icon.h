#pragma once
// The program's notification-area icon: the tray record, the icon the shell
// currently shows, and the add / modify / delete calls in their order.

#include <memory>
#include <string>

#include "forms/graphics.h"
#include "forms/surface.h"
#include "forms/tray.h"

namespace kx {

class TrayIcon {
 public:
  TrayIcon(TrayShell& shell, Graphics& graphics);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Fills the whole record: id, flags, callback, the program icon and `tip`
  // (UTF-16; the binding sends it in the wide record, cut by TipForField).
  void Fill(std::u16string tip);
  // Record only; Modify() hands it to the shell.
  void SetTip(std::u16string tip);
  // Record only: back to the program icon instead of the last ticker picture.
  void ShowProgramIcon();

  // NIM_ADD with the record as it stands. Also after the shell restarted.
  void Add();
  // NIM_MODIFY with the record as it stands; nothing once deleted.
  void Modify();
  // The same, and NIM_ADD where the shell no longer knows the icon.
  void Restore();
  // Builds an icon of `picture`, hands it to the shell and only then
  // releases the previous one, so exactly one ticker icon is alive.
  void ShowPicture(const Surface& picture);
  // The screen's scale changed: the shell gets what it shows anew, the
  // ticker's `picture` (now of the new size) where it showed a ticker
  // picture, else the program icon as the platform now makes it.
  void Rescaled(const Surface& picture);
  // NIM_DELETE, once; later calls do nothing.
  void Delete();

  const TrayData& Data() const { return data_; }
  // Added and not yet deleted.
  bool Added() const { return added_; }

 private:
  TrayShell& shell_;
  Graphics& graphics_;
  TrayData data_;
  // The icon data_.icon points to when it is not the program icon.
  std::unique_ptr<Icon> current_;
  bool added_ = false;
};

}  // namespace kx
