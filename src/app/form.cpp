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

// --- start-up steps -------------------------------------------------------

void frmRuvoZava::SetUpWindow() { platform_.window.Hide(); }
void frmRuvoZava::CreateTickerSurfaces() {}
void frmRuvoZava::PlaceIconAndLink() {}
void frmRuvoZava::LoadSettingsStep() {
  settings = LoadSettings(platform_.files, module_.IniPath);
}
void frmRuvoZava::ReadQuestionFilePath() {
  module_.QuestionFilePath = kx::ReadQuestionFilePath(platform_.files, module_.IniPath);
}
void frmRuvoZava::SetTimerInterval() { platform_.timer.SetInterval(TimerIntervalOf(settings)); }
void frmRuvoZava::DrawSelectorsAndSpeed() {}
void frmRuvoZava::ResetTicker() {}
void frmRuvoZava::FillTrayRecord() {}
void frmRuvoZava::LoadQuestionFile() {}
void frmRuvoZava::StartTicker() {}
void frmRuvoZava::AddTrayIcon() {}

// --- ticker and tray --------------------------------------------------------

void frmRuvoZava::Timer1_Timer() {}
void frmRuvoZava::Form_MouseMove(int, int, float, float) {}
void frmRuvoZava::PopUp_Click(std::int16_t) {}
void frmRuvoZava::TaskbarCreated() {}

// --- question file selection ------------------------------------------------

void frmRuvoZava::LoadFileCommand() {}

// --- settings window --------------------------------------------------------

void frmRuvoZava::Form_MouseDown(int, int, float, float) {}
void frmRuvoZava::picSpeed_MouseDown(int, int, float, float) {}
void frmRuvoZava::picSpeed_MouseMove(int, int, float, float) {}
void frmRuvoZava::picColorType_MouseDown(std::int16_t, int, int, float, float) {}
void frmRuvoZava::lblURL_Click() {}
void frmRuvoZava::lblURL_MouseMove(int, int, float, float) {}
const Surface& frmRuvoZava::ClientPicture() const { return clientPicture_; }
void frmRuvoZava::ClientMouseDown(Point, int, int) {}
void frmRuvoZava::ClientMouseMove(Point, int, int) {}
void frmRuvoZava::ClientClick(Point) {}
bool frmRuvoZava::ShowsHandCursor(Point) const { return false; }

}  // namespace kx
