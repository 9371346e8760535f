#include "win32/win32_services.h"

namespace kx::win {

Win32Services::Win32Services(HINSTANCE instance)
    : ProgramWindow(instance),
      strings(instance),
      dialogs(instance, [this] { return window.Handle(); }),
      timer([this] { return window.Handle(); }),
      tray([this] { return window.Handle(); }),
      graphics(instance, environment.Screen().dpiY) {}

Platform Win32Services::AsPlatform() {
  return Platform{strings, dialogs, environment, files, timer, tray, graphics, window, random};
}

StartResult StartProgram(const Platform& platform, WindowWin& window, basRuvoZava& module,
                         frmRuvoZava& form) {
  bool created = false;
  const bool started = Main(platform, module, [&] {
    created = window.Create(form, module.Scale);
    if (created) form.Form_Load();
  });
  if (!started) return StartResult::kRefused;
  if (!created) return StartResult::kFailed;
  return window.Handle() == nullptr ? StartResult::kUnloaded : StartResult::kRunning;
}

}  // namespace kx::win
