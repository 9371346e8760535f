#pragma once
// The forms layer as one bundle: every service the program uses of its
// platform. The Win32 binding fills it with real services, the tests with
// fakes. Nothing here owns anything; the binding keeps the services alive
// for the whole run.

#include "forms/dialogs.h"
#include "forms/environment.h"
#include "forms/files.h"
#include "forms/graphics.h"
#include "forms/random_source.h"
#include "forms/string_table.h"
#include "forms/timer.h"
#include "forms/tray.h"
#include "forms/window_host.h"

namespace kx {

struct Platform {
  const StringTable& strings;
  Dialogs& dialogs;
  Environment& environment;
  Files& files;
  Timer& timer;
  TrayShell& tray;
  Graphics& graphics;
  WindowHost& window;
  RandomSource& random;
};

}  // namespace kx
