#include "app/form.h"

#include "questions/question_loader.h"
#include "ticker/tray_message.h"

namespace kx {

frmRuvoZava::frmRuvoZava(const Platform& platform, basRuvoZava& module)
    : platform_(platform), module_(module), tray_(platform.tray, platform.graphics) {}

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

// Runs again when the binding destroys the window after the Exit command has
// unloaded it: the second time only the timer call repeats.
void frmRuvoZava::Form_Unload() {
  platform_.timer.SetEnabled(false);
  ticker_.reset();
  tray_.Delete();
}

// --- start-up steps -------------------------------------------------------

void frmRuvoZava::SetUpWindow() { platform_.window.Hide(); }
void frmRuvoZava::CreateTickerSurfaces() {
  ticker_.emplace(platform_.graphics, platform_.random, module_.TwipsPerPixelX,
                  module_.TwipsPerPixelY);
  platform_.graphics.SelectGlyphFont(platform_.strings.Text(StringId::kGlyphFace), 11);
}
void frmRuvoZava::PlaceIconAndLink() {}
void frmRuvoZava::LoadSettingsStep() {
  settings = LoadSettings(platform_.files, module_.IniPath);
}
void frmRuvoZava::ReadQuestionFilePath() {
  module_.QuestionFilePath = kx::ReadQuestionFilePath(platform_.files, module_.IniPath);
}
void frmRuvoZava::SetTimerInterval() { platform_.timer.SetInterval(TimerIntervalOf(settings)); }
void frmRuvoZava::DrawSelectorsAndSpeed() {}
void frmRuvoZava::ResetTicker() {
  platform_.random.SeedFromClock();
  if (ticker_) ticker_->ResetForNewFile();
}
void frmRuvoZava::FillTrayRecord() {
  tray_.Fill(platform_.strings.Text(StringId::kPleaseLoadFile));
}
void frmRuvoZava::LoadQuestionFile() {
  if (module_.QuestionFilePath.empty()) return;
  if (LoadQuestions(platform_, module_)) tray_.SetTip(platform_.strings.Text(StringId::kAppTitle));
}
// Also after a failed load: the sample record scrolls then.
void frmRuvoZava::StartTicker() {
  if (!module_.QuestionFilePath.empty()) platform_.timer.SetEnabled(true);
}
void frmRuvoZava::AddTrayIcon() { tray_.Add(); }

// --- ticker and tray --------------------------------------------------------

void frmRuvoZava::Timer1_Timer() {
  if (!ticker_) return;
  ticker_->ScrollAndPublish(module_, settings.QuestionColor, settings.AnswerColor);
  tray_.ShowPicture(ticker_->Picture1());
  ticker_->AdvanceColumn();
}

void frmRuvoZava::Form_MouseMove(int, int, float x, float) {
  switch (TrayMessageOf(x, module_.TwipsPerPixelX)) {
    case kWmLButtonDown:
      if (ticker_) (void)ticker_->SkipToAnswer();
      break;
    case kWmLButtonDblClk: ShowSettingsWindow(); break;
    case kWmRButtonDown: platform_.window.ShowPopupMenu(); break;
    default: break;
  }
}

void frmRuvoZava::PopUp_Click(std::int16_t index) {
  switch (index) {
    case kPopUpSettings: ShowSettingsWindow(); break;
    case kPopUpLoadFile: LoadFileCommand(); break;
    case kPopUpExit:
      platform_.timer.SetEnabled(false);
      Form_Unload();
      platform_.window.Unload();
      break;
    default: break;
  }
}

// The shell lost every icon when it restarted: add ours again with the
// current tip and picture.
void frmRuvoZava::TaskbarCreated() {
  if (tray_.Added()) tray_.Add();
}

void frmRuvoZava::ShowSettingsWindow() {
  menuVisible_ = false;
  platform_.window.Show();
}

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
