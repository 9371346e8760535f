#pragma once
// The one place the program's Win32 services are built and wired together:
// the program's entry and the leak test both start from here.

#include "win32/windows_api.h"

#include "app/form.h"
#include "app/module.h"
#include "forms/platform.h"
#include "forms/random_source.h"
#include "win32/dialogs_win.h"
#include "win32/environment_win.h"
#include "win32/files_win.h"
#include "win32/graphics_win.h"
#include "win32/string_table_win.h"
#include "win32/timer_win.h"
#include "win32/tray_win.h"
#include "win32/window_win.h"

namespace kx::win {

// The window, in a base of its own: bases are built before and destroyed
// after members, so the window outlives every service that calls back into
// it (the timer's and the tray's messages go to it) whatever the order of
// the members below.
struct ProgramWindow {
  explicit ProgramWindow(HINSTANCE instance) : window(instance) {}
  WindowWin window;
};

struct Win32Services : ProgramWindow {
  explicit Win32Services(HINSTANCE instance);
  Win32Services(const Win32Services&) = delete;
  Win32Services& operator=(const Win32Services&) = delete;

  // The forms layer of these services.
  Platform AsPlatform();

  StringTableWin strings;
  DialogsWin dialogs;
  EnvironmentWin environment;
  FilesWin files;
  TimerWin timer;
  TrayWin tray;
  GraphicsWin graphics;
  ClockSeededRandom random;
};

enum class StartResult {
  kRunning,   // the window exists: run the message loop
  kRefused,   // another copy runs; the user was told
  kFailed,    // the window could not be created
  kUnloaded,  // Form_Load already unloaded the window
};

// Main, then the window and its Form_Load, on `platform` (built on `window`).
StartResult StartProgram(const Platform& platform, WindowWin& window, basRuvoZava& module,
                         frmRuvoZava& form);

}  // namespace kx::win
