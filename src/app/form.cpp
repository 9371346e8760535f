#include "app/form.h"

namespace kx {

frmRuvoZava::frmRuvoZava(const Platform& platform, basRuvoZava& module)
    : platform_(platform), module_(module) {}

void frmRuvoZava::Form_Load() {
  SetUpWindow();
  CreateTickerSurfaces();
  PlaceIconAndLink();
  LoadSettingsStep();
  ReadQuestionFilePath();
  SetTimerInterval();
  DrawSelectorsAndSpeed();
  ResetTicker();
  FillTrayRecord();
  LoadQuestionFile();
  StartTicker();
  AddTrayIcon();
}

void frmRuvoZava::Form_Unload() { platform_.timer.SetEnabled(false); }

void frmRuvoZava::SetUpWindow() { platform_.window.Hide(); }
void frmRuvoZava::CreateTickerSurfaces() {}
void frmRuvoZava::PlaceIconAndLink() {}
void frmRuvoZava::LoadSettingsStep() {}
void frmRuvoZava::ReadQuestionFilePath() {}
void frmRuvoZava::SetTimerInterval() {}
void frmRuvoZava::DrawSelectorsAndSpeed() {}
void frmRuvoZava::ResetTicker() {}
void frmRuvoZava::FillTrayRecord() {}
void frmRuvoZava::LoadQuestionFile() {}
void frmRuvoZava::StartTicker() {}
void frmRuvoZava::AddTrayIcon() {}

}  // namespace kx
