#pragma once
// What the system says about whether anyone can see the tray: a locked or
// disconnected session, the display off, a suspend, a full-screen program.
// It only reports; the form decides what a report changes. Where the system
// refuses a registration (no session service) or takes it and never sends
// anything (Wine 8's stubs), that signal never comes and the ticker runs as
// it always did.

#include "win32/windows_api.h"

#include <wtsapi32.h>

#include <functional>
#include <optional>
#include <utility>

#include "app/pausable_timer.h"
#include "win32/scoped_win.h"
#include "win32/timer_win.h"

namespace kx {
class frmRuvoZava;
}

namespace kx::win {

// The session notifications of one window, through wtsapi32 loaded from
// System32 only: imported, it would be looked for in the program's folder
// first, where anyone could have put a file of that name.
class SessionNotifications {
 public:
  SessionNotifications() = default;
  SessionNotifications(const SessionNotifications&) = delete;
  SessionNotifications& operator=(const SessionNotifications&) = delete;
  ~SessionNotifications() { Reset(); }

  // False where the system has no session service or refuses.
  bool Register(HWND window);
  void Reset();

 private:
  UniqueHandle<HMODULE, &FreeLibrary> library_;
  HWND window_ = nullptr;
};

class VisibilityWatch {
 public:
  // `window` gives the form's window, which receives the notifications.
  explicit VisibilityWatch(std::function<HWND()> window)
      : window_(window), polls_(std::move(window), kFullScreenPollId) {}
  VisibilityWatch(const VisibilityWatch&) = delete;
  VisibilityWatch& operator=(const VisibilityWatch&) = delete;
  ~VisibilityWatch() { Stop(); }

  // Registers the window, which exists now, and reports to `form` from now on.
  void Start(frmRuvoZava& form);
  // Undoes the registrations, while the window still exists.
  void Stop();
  // The answer to a message this watch handles; nothing for any other.
  std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Report(PauseReason reason, bool holds);
  void SessionChanged(WPARAM event);
  void PowerChanged(WPARAM event, LPARAM setting);

  std::function<HWND()> window_;
  frmRuvoZava* form_ = nullptr;
  TimerWin polls_;
  SessionNotifications session_;
  UniqueHandle<HPOWERNOTIFY, &UnregisterPowerSettingNotification> display_;
};

}  // namespace kx::win
