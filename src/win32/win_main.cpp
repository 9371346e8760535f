// The program's entry: builds the Win32 forms layer, runs Main, then the
// message loop until the window is unloaded.
#include <objbase.h>
#include "win32/windows_api.h"

#include "win32/win32_services.h"

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

  kx::win::Win32Services services(instance);
  const kx::Platform platform = services.AsPlatform();
  kx::basRuvoZava module;
  kx::frmRuvoZava form(platform, module);
  switch (kx::win::StartProgram(platform, services.window, module, form)) {
    case kx::win::StartResult::kRunning: return RunMessageLoop();
    case kx::win::StartResult::kFailed: return 1;
    case kx::win::StartResult::kRefused:  // refused after the warning
    case kx::win::StartResult::kUnloaded: return 0;
  }
  return 0;
}
