#include "ticker/tray_icon.h"

#include <utility>

namespace kx {

TrayIcon::TrayIcon(TrayShell& shell, Graphics& graphics) : shell_(shell), graphics_(graphics) {}

// A shell still showing our icon when the window goes would keep a dead
// entry in the tray until the pointer passes over it.
TrayIcon::~TrayIcon() { Delete(); }

void TrayIcon::Fill(std::u16string tip) {
  data_ = TrayData{};
  data_.icon = &graphics_.ProgramIcon();
  data_.tip = std::move(tip);
  current_.reset();
}

void TrayIcon::SetTip(std::u16string tip) { data_.tip = std::move(tip); }

void TrayIcon::ShowProgramIcon() {
  data_.icon = &graphics_.ProgramIcon();
  // The shell keeps its own copy of what it shows, so ours can go now.
  current_.reset();
}

void TrayIcon::Add() {
  if (data_.icon == nullptr) data_.icon = &graphics_.ProgramIcon();
  (void)shell_.Add(data_);
  added_ = true;
}

void TrayIcon::Modify() {
  if (added_) (void)shell_.Modify(data_);
}

void TrayIcon::Restore() {
  if (added_ && !shell_.Modify(data_)) (void)shell_.Add(data_);
}

void TrayIcon::ShowPicture(const Surface& picture) {
  std::unique_ptr<Icon> next = graphics_.MakeIcon(picture);
  // No icon could be built: the tray keeps showing the last one.
  if (!next) return;
  data_.icon = next.get();
  Modify();
  current_ = std::move(next);
}

void TrayIcon::Rescaled(const Surface& picture) {
  if (current_) {
    ShowPicture(picture);
  } else {
    data_.icon = &graphics_.ProgramIcon();
    Modify();
  }
}

void TrayIcon::Delete() {
  if (!added_) return;
  (void)shell_.Delete(data_);
  added_ = false;
  data_.icon = &graphics_.ProgramIcon();
  current_.reset();
}

}  // namespace kx
