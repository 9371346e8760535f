#pragma once
// Thin wrappers around the real Win32 services for the soak: they pass every
// call on and keep count of what the soak checks. Texts are UTF-16.

#include "win32/windows_api.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "forms/environment.h"
#include "forms/graphics.h"
#include "forms/tray.h"
#include "win32/scoped_win.h"

namespace kx::soak {

// Adds the time a call takes to `total`.
class TimeSpent {
 public:
  explicit TimeSpent(std::chrono::steady_clock::duration& total) : total_(total) {}
  TimeSpent(const TimeSpent&) = delete;
  TimeSpent& operator=(const TimeSpent&) = delete;
  ~TimeSpent() { total_ += std::chrono::steady_clock::now() - start_; }

 private:
  std::chrono::steady_clock::duration& total_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The shell's calls, counted, with what the last Add carried. Without
// `forward` every call fails at once, as where no shell has a tray.
class CountingTray final : public TrayShell {
 public:
  CountingTray(TrayShell& real, bool forward) : real_(real), forward_(forward) {}
  bool Add(const TrayData& data) override;
  bool Modify(const TrayData& data) override;
  bool Delete(const TrayData& data) override;

  std::uint64_t adds = 0;
  std::uint64_t addsAccepted = 0;
  std::uint64_t modifies = 0;
  std::uint64_t modifiesAccepted = 0;
  std::uint64_t deletes = 0;
  const Icon* lastAddIcon = nullptr;
  std::u16string lastAddTip;
  std::chrono::steady_clock::duration inShell{};

 private:
  TrayShell& real_;
  bool forward_;
};

// Passes drawing on and remembers the last icons built, so the soak can ask
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
  std::uint64_t glyphsDrawn = 0;
  std::chrono::steady_clock::duration inGlyphs{};
  std::chrono::steady_clock::duration inIcons{};

  static constexpr std::size_t kRecentIcons = 256;

 private:
  Graphics& real_;
  std::array<HICON, kRecentIcons> recent_{};
  // Where LiveRecentIcons draws to ask whether a handle is still an icon.
  win::UniqueMemoryDc probeDc_;
  win::UniqueBitmap probeBitmap_;
};

// The real environment, with the program folder moved to the soak's own
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

// A soak must never wait for a person: message boxes are noted and
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

}  // namespace kx::soak
