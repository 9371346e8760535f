// Runs the real program's tick path many times over: the Win32 services, the
// form, a generated question file, real glyph drawing and real icons. Ticks
// come as fast as they can; the soak then checks that the process ends with
// as many GDI, USER and kernel objects and live icons as it had after the
// first hundred ticks, and with no more than a small margin of new memory.
// Half-way the shell "restarts" and the icon must be added again.
//
//   kx_soak [--ticks N | --long] [--no-shell]
//
// 100,000 ticks unless told; --long is 1,000,000. --no-shell answers the
// tray calls as a desktop without a notification area would, without
// asking the shell: the icons are still built and destroyed at every tick.
#include "win32/windows_api.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

#include "app/form.h"
#include "app/module.h"
#include "forms/random_source.h"
#include "soak/process_figures.h"
#include "soak/quiz_folder.h"
#include "soak/soak_services.h"
#include "win32/environment_win.h"
#include "win32/files_win.h"
#include "win32/graphics_win.h"
#include "win32/string_table_win.h"
#include "win32/timer_win.h"
#include "win32/tray_win.h"
#include "win32/window_win.h"

namespace {

using kx::soak::ProcessFigures;

constexpr std::uint64_t kRegularTicks = 100'000;
constexpr std::uint64_t kLongTicks = 1'000'000;
constexpr std::uint64_t kBaselineTick = 100;
constexpr int kRecords = 500;
// Heap pages the allocator keeps after a busy stretch are not a leak; a
// leak of one small object per tick would pass this within a few thousand.
constexpr std::uint64_t kMemoryMargin = 256 * 1024;
constexpr std::uint64_t kPumpEvery = 1024;
constexpr std::uint64_t kReportEvery = 100'000;

int failures = 0;

void Check(bool condition, const char* what) {
  if (condition) return;
  ++failures;
  std::printf("FAILED: %s\n", what);
}

void PumpMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    (void)TranslateMessage(&message);
    (void)DispatchMessageW(&message);
  }
}

struct Options {
  std::uint64_t ticks = kRegularTicks;
  bool withShell = true;
  bool valid = true;
};

Options ParseOptions(int argc, wchar_t** argv) {
  Options options;
  for (int i = 1; i < argc && options.valid; ++i) {
    const std::wstring option = argv[i];
    if (option == L"--long") {
      options.ticks = kLongTicks;
    } else if (option == L"--no-shell") {
      options.withShell = false;
    } else if (option == L"--ticks" && i + 1 < argc) {
      const wchar_t* count = argv[++i];
      wchar_t* end = nullptr;
      options.ticks = std::wcstoull(count, &end, 10);
      options.valid = end != count && *end == L'\0' && options.ticks > 2 * kBaselineTick;
    } else {
      options.valid = false;
    }
  }
  return options;
}

struct Timing {
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const Options options = ParseOptions(argc, argv);
  if (!options.valid) {
    std::printf("usage: kx_soak [--ticks N (more than %llu) | --long] [--no-shell]\n",
                static_cast<unsigned long long>(2 * kBaselineTick));
    return 2;
  }
  const std::uint64_t ticks = options.ticks;
  const kx::soak::QuizFolder quiz(kRecords);
  if (!quiz.Ready()) {
    std::printf("FAILED: cannot write the question and settings files\n");
    return 1;
  }

  using namespace kx;
  using namespace kx::win;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WindowWin window(instance);
  const auto windowHandle = [&window] { return window.Handle(); };
  const StringTableWin strings(instance);
  soak::SilentDialogs dialogs;
  EnvironmentWin realEnvironment;
  soak::SoakEnvironment environment(realEnvironment, quiz.Folder());
  FilesWin files;
  TimerWin timer(windowHandle);
  TrayWin realTray(windowHandle);
  soak::CountingTray tray(realTray, options.withShell);
  GraphicsWin realGraphics(instance);
  soak::CountingGraphics graphics(realGraphics);
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
  Check(started && created && window.Handle() != nullptr, "the window starts");
  if (failures != 0) return 1;
  Check(dialogs.messages.empty(), "start-up shows no message");
  Check(module.Questions.count == kRecords, "every generated record is loaded");
  Check(tray.adds == 1, "start-up adds the icon once");
  Check(timer.Enabled() && timer.Interval() == 50, "the timer runs at the fastest speed");
  // The soak drives the ticks itself; the window's own timer would add
  // uncounted ones whenever messages are pumped.
  timer.SetEnabled(false);
  std::printf("soak: %llu ticks, %s, shell accepted the first add: %s\n",
              static_cast<unsigned long long>(ticks), options.withShell ? "real shell" : "no shell",
              tray.addsAccepted == 1 ? "yes" : "no");

  ProcessFigures baseline;
  std::size_t baselineIcons = 0;
  const Timing timing;
  for (std::uint64_t tick = 1; tick <= ticks; ++tick) {
    form.Timer1_Timer();
    if (tick % kPumpEvery == 0) PumpMessages();
    if (tick == kBaselineTick) {
      baseline = soak::MeasureProcess();
      baselineIcons = graphics.LiveRecentIcons();
      std::printf("after %llu ticks: %s, live icons %zu\n", static_cast<unsigned long long>(tick),
                  soak::Describe(baseline).c_str(), baselineIcons);
    }
    if (tick % kReportEvery == 0 && tick != ticks) {
      std::printf("after %llu ticks (%.0f s): %s, live icons %zu\n",
                  static_cast<unsigned long long>(tick), timing.Seconds(),
                  soak::Describe(soak::MeasureProcess()).c_str(), graphics.LiveRecentIcons());
      (void)std::fflush(stdout);
    }
    if (tick == ticks / 2) {
      const std::uint64_t addsBefore = tray.adds;
      const std::uint64_t acceptedBefore = tray.addsAccepted;
      // A restarted shell has lost the icon: take it away behind the
      // program's back, as the old shell's end would.
      if (options.withShell) (void)realTray.Delete(form.Tray().Data());
      (void)SendMessageW(window.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
      Check(tray.adds == addsBefore + 1, "a shell restart adds the icon again");
      Check(tray.lastAddIcon != nullptr && tray.lastAddIcon == form.Tray().Data().icon &&
                tray.lastAddIcon != &graphics.ProgramIcon(),
            "the new add carries the current ticker picture");
      Check(tray.lastAddTip == form.Tray().Data().tip &&
                tray.lastAddTip.substr(0, 11) == u"KX_RuvoZava",
            "the new add carries the current tip");
      if (acceptedBefore == 1) {
        Check(tray.addsAccepted == 2, "the shell takes the icon again after its restart");
      }
      std::printf("shell restart at tick %llu: add accepted: %s\n",
                  static_cast<unsigned long long>(tick),
                  tray.addsAccepted > acceptedBefore ? "yes" : "no");
    }
  }
  const double seconds = timing.Seconds();
  PumpMessages();
  const ProcessFigures end = soak::MeasureProcess();
  const std::size_t endIcons = graphics.LiveRecentIcons();
  std::printf("after %llu ticks: %s, live icons %zu\n", static_cast<unsigned long long>(ticks),
              soak::Describe(end).c_str(), endIcons);
  std::printf(
      "%.1f s, %.0f ticks/s, %llu glyphs drawn, %llu icons built, %llu of %llu "
      "modifies accepted\n",
      seconds, static_cast<double>(ticks) / seconds,
      static_cast<unsigned long long>(graphics.glyphsDrawn),
      static_cast<unsigned long long>(graphics.iconsMade),
      static_cast<unsigned long long>(tray.modifiesAccepted),
      static_cast<unsigned long long>(tray.modifies));
  const auto perTick = [ticks](std::chrono::steady_clock::duration spent) {
    return std::chrono::duration<double, std::micro>(spent).count() / static_cast<double>(ticks);
  };
  std::printf("per tick: %.1f us in the shell, %.1f us building icons, %.1f us drawing glyphs\n",
              perTick(tray.inShell), perTick(graphics.inIcons), perTick(graphics.inGlyphs));
  if (end.gdiObjects == 0 && end.userObjects == 0) {
    std::printf("note: the system reports no GDI or USER object counts\n");
  }

  Check(end.gdiObjects == baseline.gdiObjects, "GDI objects stay constant");
  Check(end.userObjects == baseline.userObjects, "USER objects stay constant");
  Check(end.handles == baseline.handles, "kernel handles stay constant");
  Check(baselineIcons == 1 && endIcons == 1, "exactly one ticker icon is alive");
  Check(end.privateBytes <= baseline.privateBytes + kMemoryMargin,
        "private bytes grow by less than 256 KB");
  Check(graphics.iconsMade == ticks, "every tick builds one icon");
  Check(tray.modifies == ticks, "every tick hands the shell its picture");
  // Full-width characters take 8 ticks, half-width ones 4: real records
  // scrolled when the glyph count lies in between.
  Check(graphics.glyphsDrawn >= ticks / 8 && graphics.glyphsDrawn <= ticks / 4 + 1,
        "records scroll character by character");
  Check(dialogs.messages.empty(), "the run shows no message");

  window.Unload();
  PumpMessages();
  Check(tray.deletes == 1, "the unload deletes the icon");
  Check(graphics.LiveRecentIcons() == 0, "no ticker icon outlives the unload");

  if (failures == 0) std::printf("soak passed\n");
  return failures == 0 ? 0 : 1;
}
