#pragma once
// frmRuvoZava: the program's one window as portable code. It holds all state
// of the window and names its handlers after the control and the event, the
// way the Win32 binding dispatches them. The window is hidden except while it
// serves as the settings window.

#include <cstdint>

#include "app/module.h"
#include "forms/platform.h"

namespace kx {

// Mouse buttons as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

class frmRuvoZava {
 public:
  frmRuvoZava(const Platform& platform, basRuvoZava& module);
  frmRuvoZava(const frmRuvoZava&) = delete;
  frmRuvoZava& operator=(const frmRuvoZava&) = delete;

  // The load sequence: twelve steps in a fixed order.
  void Form_Load();
  void Form_Unload();

 private:
  // Start-up steps of Form_Load, in their order.
  void SetUpWindow();            // 1
  void CreateTickerSurfaces();   // 2
  void PlaceIconAndLink();       // 3
  void LoadSettingsStep();       // 4
  void ReadQuestionFilePath();   // 5
  void SetTimerInterval();       // 6
  void DrawSelectorsAndSpeed();  // 7
  void ResetTicker();            // 8
  void FillTrayRecord();         // 9
  void LoadQuestionFile();       // 10
  void StartTicker();            // 11
  void AddTrayIcon();            // 12

  const Platform& platform_;
  basRuvoZava& module_;
};

}  // namespace kx
