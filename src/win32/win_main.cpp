// The program's entry: builds the Win32 forms layer, runs Main, then the
// message loop until the window is unloaded.
#include <objbase.h>
#include "win32/windows_api.h"

#include "app/form.h"
#include "app/module.h"
#include "forms/random_source.h"
#include "win32/dialogs_win.h"
#include "win32/environment_win.h"
#include "win32/files_win.h"
#include "win32/graphics_win.h"
#include "win32/string_table_win.h"
#include "win32/timer_win.h"
#include "win32/tray_win.h"
#include "win32/window_win.h"

namespace {

// COM for the shell's "open" of the home-page address, on this thread only.
class ComApartment {
 public:
  ComApartment()
      : initialized_(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }

 private:
  bool initialized_;
};

int RunMessageLoop() {
  MSG message{};
  int result = 0;
  while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    (void)TranslateMessage(&message);
    (void)DispatchMessageW(&message);
  }
  return result < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // DLLs the system loads later on our behalf come from System32 only, never
  // from the program's folder or the current one.
  (void)SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  const ComApartment com;

  using namespace kx;
  using namespace kx::win;
  WindowWin window(instance);
  const auto windowHandle = [&window] { return window.Handle(); };
  const StringTableWin strings(instance);
  DialogsWin dialogs(instance, windowHandle);
  EnvironmentWin environment;
  FilesWin files;
  TimerWin timer(windowHandle);
  TrayWin tray(windowHandle);
  GraphicsWin graphics(instance);
  ClockSeededRandom random;
  const Platform platform{strings, dialogs,  environment, files, timer,
                          tray,    graphics, window,      random};

  basRuvoZava module;
  frmRuvoZava form(platform, module);
  bool created = false;
  const bool started = Main(platform, module, [&] {
    created = window.Create(form);
    if (created) form.Form_Load();
  });
  if (!started) return 0;  // another copy runs: refused after the warning
  if (!created) return 1;
  // Form_Load may already have unloaded the window.
  if (window.Handle() == nullptr) return 0;
  return RunMessageLoop();
}
