// The real tick path through the program's own Win32 services: after many
// ticks, with the settings window opened and closed, the link hovered and one
// shell restart half-way, the process must hold as many live icons as after
// the first hundred ticks, and hardly more memory.
//
//   kx_leak_check [TICKS] [--no-shell]   5,000 ticks unless told
//
// --no-shell answers the tray calls without the shell, whose calls cost ten
// times the rest of a tick under Wine; icons are built and destroyed all the
// same.
#include "win32/windows_api.h"

#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "questions/record_format.h"
#include "text/cp932.h"
#include "win32/icon_win.h"
#include "win32/win32_services.h"

namespace {

using namespace kx;

// The shell's calls, counted, and the handles of the last icons it was
// handed, so the check can ask the system how many still exist. Without
// `forward` every call fails at once, as where no shell has a tray.
class CountingTray final : public TrayShell {
 public:
  CountingTray(TrayShell& real, bool forward)
      : real_(real), forward_(forward), probe_(CreateCompatibleDC(nullptr)) {}
  bool Add(const TrayData& data) override {
    ++adds;
    lastAdd = data.icon;
    return forward_ && real_.Add(data);
  }
  bool Modify(const TrayData& data) override {
    recent_[static_cast<std::size_t>(modifies++ % recent_.size())] = win::HandleOf(data.icon);
    return forward_ && real_.Modify(data);
  }
  bool Delete(const TrayData& data) override {
    ++deletes;
    return forward_ && real_.Delete(data);
  }
  // Drawing a destroyed icon fails and allocates nothing. The system does
  // not hand out a freed handle's value again within a few hundred icons.
  std::ptrdiff_t LiveIcons() const {
    return std::count_if(recent_.begin(), recent_.end(), [&](HICON icon) {
      return icon != nullptr && DrawIconEx(probe_.Get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    });
  }

  std::uint64_t adds = 0, modifies = 0, deletes = 0;
  const Icon* lastAdd = nullptr;

 private:
  TrayShell& real_;
  bool forward_;
  std::array<HICON, 256> recent_{};
  win::UniqueMemoryDc probe_;
};

// Never waits for a person: message boxes are counted, the dialog cancelled.
class SilentDialogs final : public Dialogs {
 public:
  int MessageBox(std::u16string_view, std::u16string_view, std::uint32_t) override {
    ++messages;
    return kIdOk;
  }
  std::optional<std::u16string> OpenFile(const OpenFileRequest&) override { return {}; }
  int messages = 0;
};

int failures = 0;
void Check(bool condition, const char* what) {
  if (condition) return;
  ++failures;
  std::printf("FAILED: %s\n", what);
}

// Private bytes, after the messages waiting have been handled. (Wine counts
// no GDI, USER or kernel objects per process, so these carry the check.)
std::uint64_t PrivateBytes() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) (void)DispatchMessageW(&message);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  (void)K32GetProcessMemoryInfo(GetCurrentProcess(),
                                reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  const std::uint64_t bytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
  std::printf("private %llu KB\n", static_cast<unsigned long long>(bytes / 1024));
  return bytes;
}

// 500 records in a folder of the check's own, named at the fastest speed by
// the settings file beside the program.
std::filesystem::path MakeFolder(const std::filesystem::path& program) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("kx-leak-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  std::string record = EncodeCp932(u"日本で一番高い山は？ (Mt.)").value_or("?");
  record.resize(static_cast<std::size_t>(kQuestionBytes), ' ');
  record += EncodeCp932(u"富士山").value_or("?");
  record.resize(static_cast<std::size_t>(kLineBytes), ' ');
  std::ofstream quiz(folder / "leak.kxd", std::ios::binary);
  for (int i = 0; i < 500; ++i) quiz << record << "\r\n";
  std::ofstream(program / "KXT.ini", std::ios::binary)
      << "[SCROLL]\r\nSPEED=0\r\n[FilePath]\r\nKX_FILE="
      << EncodeCp932((folder / "leak.kxd").u16string()).value_or("") << "\r\n";
  return folder;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::uint64_t ticks = 5000;
  bool withShell = true;
  for (int i = 1; i < argc; ++i) {
    if (std::wstring(argv[i]) == L"--no-shell")
      withShell = false;
    else
      ticks = std::wcstoull(argv[i], nullptr, 10);
  }
  if (ticks <= 200) return 2;

  // The program's own services, with stand-ins for the few the check
  // watches or must keep quiet.
  win::Win32Services services(GetModuleHandleW(nullptr));
  const std::filesystem::path program(services.environment.ProgramFolder());
  const std::filesystem::path folder = MakeFolder(program);
  SilentDialogs dialogs;
  CountingTray tray(services.tray, withShell);
  const Platform platform{services.strings,  dialogs,         services.environment,
                          services.files,    services.timer,  tray,
                          services.graphics, services.window, services.random};
  basRuvoZava module;
  frmRuvoZava form(platform, module);
  Check(win::StartProgram(platform, services.window, module, form) == win::StartResult::kRunning,
        "the window starts");
  if (failures != 0) return 1;
  Check(module.Questions.count == 500 && dialogs.messages == 0, "every record loads, no message");
  services.timer.SetEnabled(false);  // the check drives the ticks itself

  std::uint64_t baseline = 0;
  std::ptrdiff_t baselineIcons = 0;
  for (std::uint64_t tick = 1; tick <= ticks; ++tick) {
    form.Timer1_Timer();
    if (tick % 500 == 50) {  // open the settings window, hover the link, close it unchanged
      form.Form_MouseMove(0, 0, static_cast<float>(kWmLButtonDblClk * module.TwipsPerPixelX), 0);
      form.ClientMouseMove({20, 100}, 0, 0);
      form.ClientMouseMove({270, 100}, 0, 0);
      form.ClientMouseDown({270, 100}, kLeftButton, 0);
    }
    if (tick == 100) {
      baseline = PrivateBytes();
      baselineIcons = tray.LiveIcons();
    }
    if (tick == ticks / 2) {  // a restarted shell has lost the icon
      if (withShell) (void)services.tray.Delete(form.Tray().Data());
      const std::uint64_t adds = tray.adds;
      (void)SendMessageW(services.window.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
      Check(tray.adds == adds + 1 && tray.lastAdd == form.Tray().Data().icon,
            "a shell restart adds the current picture again");
    }
  }
  // Heap pages the allocator keeps after a busy stretch are not a leak.
  Check(PrivateBytes() <= baseline + 256 * 1024, "private bytes grow by less than 256 KB");
  Check(baselineIcons == 1 && tray.LiveIcons() == 1 && tray.modifies == ticks,
        "every tick hands the shell a new icon; exactly one is alive");
  services.window.Unload();
  (void)PrivateBytes();
  Check(tray.deletes == 1 && tray.LiveIcons() == 0, "the unload deletes the icon");
  std::filesystem::remove_all(folder);
  std::filesystem::remove(program / "KXT.ini");
  if (failures == 0)
    std::printf("leak check passed: %llu ticks\n", static_cast<unsigned long long>(ticks));
  return failures == 0 ? 0 : 1;
}
