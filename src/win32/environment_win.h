#pragma once
// The process and the screen as Win32 reports them.

#include "forms/environment.h"

namespace kx::win {

class EnvironmentWin final : public Environment {
 public:
  // FindWindowW with no class: hidden windows count, child windows do not.
  bool TopLevelWindowExists(std::u16string_view title) override;
  // The running program file's folder, with its trailing backslash.
  std::u16string ProgramFolder() override;
  // From the program file's VERSIONINFO; 0.0 when it has none.
  ProgramVersion Version() override;
  // The resolution as the system reports it at the call: the program asks
  // at start and again when the system says the display changed.
  ScreenMetrics Screen() override;
  SystemColors Colors() override;
};

// The full path of the running program file (any length), UTF-16.
std::u16string ProgramFilePath();

}  // namespace kx::win
