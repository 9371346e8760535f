// The real tick path through the Win32 services, with a generated question
// file: after many ticks, with the settings window opened and closed and the
// link hovered now and then and one shell restart half-way, the process must
// hold as many GDI, USER and kernel objects and live icons as after the first
// hundred ticks, and hardly more memory.
//
//   kx_leak_check [TICKS] [--no-shell]   5,000 ticks unless told
//
// --no-shell answers the tray calls without the shell, whose calls cost ten
// times the rest of a tick under Wine; icons are built and destroyed all the same.
#include "win32/windows_api.h"

#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "questions/record_format.h"
#include "text/cp932.h"
#include "win32/icon_win.h"
#include "win32/scoped_win.h"
#include "win32/win32_services.h"

namespace {

using namespace kx;

// The shell's calls, counted, with what the last Add carried. Without
// `forward` every call fails at once, as where no shell has a tray.
class CountingTray final : public TrayShell {
 public:
  CountingTray(TrayShell& real, bool forward) : real_(real), forward_(forward) {}
  bool Add(const TrayData& data) override;
  bool Modify(const TrayData& data) override;
  bool Delete(const TrayData& data) override;

  std::uint64_t adds = 0;
  std::uint64_t modifies = 0;
  std::uint64_t deletes = 0;
  const Icon* lastAddIcon = nullptr;

 private:
  TrayShell& real_;
  bool forward_;
};

// Passes drawing on and remembers the last icons built, so the check can ask
// the system how many of them are still alive. A ring keeps the memory it
// needs fixed however long the run.
class CountingGraphics final : public Graphics {
 public:
  explicit CountingGraphics(Graphics& real);
  void SelectGlyphFont(std::u16string_view face, int points) override;
  void SelectWindowFont(std::u16string_view face, float points) override;
  int DrawGlyph(std::u16string_view character, Color color, Surface& target) override;
  int DrawText(Surface& target, Point at, std::u16string_view text, Color color) override;
  std::unique_ptr<Icon> MakeIcon(const Surface& picture) override;
  const Icon& ProgramIcon() override;

  // How many of the last kRecentIcons icons built still exist.
  std::size_t LiveRecentIcons() const;
  std::uint64_t iconsMade = 0;

  static constexpr std::size_t kRecentIcons = 256;

 private:
  Graphics& real_;
  std::array<HICON, kRecentIcons> recent_{};
  // Where LiveRecentIcons draws to ask whether a handle is still an icon.
  kx::win::UniqueMemoryDc probeDc_;
  kx::win::UniqueBitmap probeBitmap_;
};

// The real environment, with the program folder moved to the check's own
// folder (where its settings file is) and no other copy of the program.
class SoakEnvironment final : public Environment {
 public:
  SoakEnvironment(Environment& real, std::u16string folder)
      : real_(real), folder_(std::move(folder)) {}
  bool TopLevelWindowExists(std::u16string_view) override { return false; }
  std::u16string ProgramFolder() override { return folder_; }
  ProgramVersion Version() override { return real_.Version(); }
  ScreenMetrics Screen() override { return real_.Screen(); }
  SystemColors Colors() override { return real_.Colors(); }

 private:
  Environment& real_;
  std::u16string folder_;
};

// The check must never wait for a person: message boxes are noted and
// answered, the file dialog is cancelled.
class SilentDialogs final : public Dialogs {
 public:
  int MessageBox(std::u16string_view text, std::u16string_view, std::uint32_t) override {
    messages.emplace_back(text);
    return kIdOk;
  }
  std::optional<std::u16string> OpenFile(const OpenFileRequest&) override { return {}; }

  std::vector<std::u16string> messages;
};

bool CountingTray::Add(const TrayData& data) {
  ++adds;
  lastAddIcon = data.icon;
  return forward_ && real_.Add(data);
}

bool CountingTray::Modify(const TrayData& data) {
  ++modifies;
  return forward_ && real_.Modify(data);
}

bool CountingTray::Delete(const TrayData& data) {
  ++deletes;
  return forward_ && real_.Delete(data);
}

CountingGraphics::CountingGraphics(Graphics& real)
    : real_(real),
      probeDc_(CreateCompatibleDC(nullptr)),
      probeBitmap_(CreateBitmap(16, 16, 1, 32, nullptr)) {
  // Selected for the whole run: the probe's GDI objects stay constant.
  (void)SelectObject(probeDc_.Get(), probeBitmap_.Get());
}

void CountingGraphics::SelectGlyphFont(std::u16string_view face, int points) {
  real_.SelectGlyphFont(face, points);
}

void CountingGraphics::SelectWindowFont(std::u16string_view face, float points) {
  real_.SelectWindowFont(face, points);
}

int CountingGraphics::DrawGlyph(std::u16string_view character, Color color, Surface& target) {
  return real_.DrawGlyph(character, color, target);
}

int CountingGraphics::DrawText(Surface& target, Point at, std::u16string_view text, Color color) {
  return real_.DrawText(target, at, text, color);
}

std::unique_ptr<Icon> CountingGraphics::MakeIcon(const Surface& picture) {
  std::unique_ptr<Icon> icon = real_.MakeIcon(picture);
  recent_[iconsMade % kRecentIcons] = win::HandleOf(icon.get());
  ++iconsMade;
  return icon;
}

const Icon& CountingGraphics::ProgramIcon() { return real_.ProgramIcon(); }

std::size_t CountingGraphics::LiveRecentIcons() const {
  // Drawing a destroyed icon fails; it allocates nothing, unlike asking for
  // the icon's bitmaps. The system does not hand out a freed handle's value
  // again within a few hundred icons.
  return static_cast<std::size_t>(std::count_if(recent_.begin(), recent_.end(), [&](HICON icon) {
    return icon != nullptr &&
           DrawIconEx(probeDc_.Get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL) != FALSE;
  }));
}

constexpr std::uint64_t kBaselineTick = 100;
// Heap pages the allocator keeps after a busy stretch are not a leak.
constexpr std::uint64_t kMemoryMargin = 256 * 1024;

int failures = 0;

void Check(bool condition, const char* what) {
  if (condition) return;
  ++failures;
  std::printf("FAILED: %s\n", what);
}

struct Figures {
  DWORD gdi = 0, user = 0, handles = 0;
  std::uint64_t privateBytes = 0;
};

Figures Measure() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) (void)DispatchMessageW(&message);
  Figures f;
  const HANDLE self = GetCurrentProcess();
  f.gdi = GetGuiResources(self, GR_GDIOBJECTS);
  f.user = GetGuiResources(self, GR_USEROBJECTS);
  (void)GetProcessHandleCount(self, &f.handles);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (K32GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof memory)) {
    f.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
  }
  std::printf("gdi %lu user %lu handles %lu private %llu KB\n", f.gdi, f.user, f.handles,
              static_cast<unsigned long long>(f.privateBytes / 1024));
  return f;
}

// A program folder with 500 records of mixed widths at the fastest speed.
std::filesystem::path MakeFolder() {
  const auto folder =
      std::filesystem::temp_directory_path() / ("kx-leak-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(folder);
  std::string quiz;
  for (int i = 1; i <= 500; ++i) {
    std::u16string number;
    for (const char digit : std::to_string(i)) number += static_cast<char16_t>(digit);
    std::string record =
        kx::EncodeCp932(u"問" + number + u"：日本で一番高い山は？ (Mt.)").value_or("?");
    record.resize(static_cast<std::size_t>(kx::kQuestionBytes), ' ');
    record += kx::EncodeCp932(u"富士山 " + number).value_or("?");
    record.resize(static_cast<std::size_t>(kx::kQuestionBytes + kx::kAnswerBytes), ' ');
    quiz += record + " \r\n";
  }
  std::ofstream(folder / "leak.kxd", std::ios::binary) << quiz;
  std::ofstream(folder / "KXT.ini", std::ios::binary)
      << "[SCROLL]\r\nSPEED=0\r\n[FilePath]\r\nKX_FILE="
      << kx::EncodeCp932((folder / "leak.kxd").u16string()).value_or("") << "\r\n";
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
  if (ticks <= 2 * kBaselineTick) return 2;
  const std::filesystem::path folder = MakeFolder();

  using namespace kx;
  using namespace kx::win;
  // The program's own services, with counting stand-ins for the few the
  // check watches or must keep quiet.
  Win32Services services(GetModuleHandleW(nullptr));
  WindowWin& window = services.window;
  TimerWin& timer = services.timer;
  TrayWin& realTray = services.tray;
  SilentDialogs dialogs;
  SoakEnvironment environment(services.environment, folder.u16string() + u"\\");
  CountingTray tray(realTray, withShell);
  CountingGraphics graphics(services.graphics);
  const Platform platform{services.strings, dialogs, environment,    services.files, timer, tray,
                          graphics,         window,  services.random};

  basRuvoZava module;
  frmRuvoZava form(platform, module);
  Check(StartProgram(platform, window, module, form) == StartResult::kRunning, "the window starts");
  if (failures != 0) return 1;
  Check(module.Questions.count == 500 && dialogs.messages.empty(),
        "every record loads, no message");
  timer.SetEnabled(false);  // the check drives the ticks itself

  Figures baseline;
  std::size_t baselineIcons = 0;
  for (std::uint64_t tick = 1; tick <= ticks; ++tick) {
    form.Timer1_Timer();
    if (tick % 500 == 50) {  // open the settings window, hover the link, close it unchanged
      form.Form_MouseMove(0, 0, static_cast<float>(kWmLButtonDblClk * module.TwipsPerPixelX), 0);
      form.ClientMouseMove({20, 100}, 0, 0);
      form.ClientMouseMove({270, 100}, 0, 0);
      form.ClientMouseDown({270, 100}, kLeftButton, 0);
    }
    if (tick == kBaselineTick) {
      baseline = Measure();
      baselineIcons = graphics.LiveRecentIcons();
    }
    if (tick == ticks / 2) {  // a restarted shell has lost the icon
      if (withShell) (void)realTray.Delete(form.Tray().Data());
      const std::uint64_t adds = tray.adds;
      (void)SendMessageW(window.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
      Check(tray.adds == adds + 1 && tray.lastAddIcon == form.Tray().Data().icon,
            "a shell restart adds the current picture again");
    }
  }
  const Figures end = Measure();
  Check(end.gdi == baseline.gdi && end.user == baseline.user, "GDI and USER objects stay constant");
  Check(end.handles == baseline.handles, "kernel handles stay constant");
  Check(end.privateBytes <= baseline.privateBytes + kMemoryMargin,
        "private bytes grow by less than 256 KB");
  Check(baselineIcons == 1 && graphics.LiveRecentIcons() == 1, "exactly one ticker icon is alive");
  Check(graphics.iconsMade == ticks && tray.modifies == ticks,
        "every tick hands the shell a new icon");
  window.Unload();
  (void)Measure();
  Check(tray.deletes == 1 && graphics.LiveRecentIcons() == 0, "the unload deletes the icon");
  std::filesystem::remove_all(folder);
  if (failures == 0)
    std::printf("leak check passed: %llu ticks\n", static_cast<unsigned long long>(ticks));
  return failures == 0 ? 0 : 1;
}
