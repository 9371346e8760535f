#include "app/form.h"

#include <cassert>

#include "app/load_questions.h"
#include "app/messages.h"
#include "app/question_file_at_start.h"
#include "app/select_question_file.h"
#include "forms/screen_units.h"
#include "ticker/tray_message.h"
#include "window/scaled_pictures.h"
#include "window/slider_arithmetic.h"

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

void frmRuvoZava::Form_Unload() {
  Timer1.SetEnabled(false);
  ticker_.reset();
  tray_.Delete();
}

// --- start-up steps -------------------------------------------------------

// Hides the window, trades its caption for the drawn title band and sizes it
// to the design's height less the caption it no longer has.
void frmRuvoZava::SetUpWindow() {
  platform_.window.Hide();
  LayOutWindow();
}
void frmRuvoZava::LayOutWindow() {
  const Point outer = platform_.window.OuterSize();
  const DisplayScale scale = module_.Scale;
  const int height = WindowHeightAt(scale, platform_.environment.Screen().captionHeight);
  platform_.window.RemoveCaption(outer.x, height);
  // The frame is as thick at the bottom as at the sides.
  const int frame = outer.x - ClientSizeAt(scale).x;
  const int clientHeight = height - frame > 0 ? height - frame : 0;
  pictures_.SetUp(MakeWindowLayout(scale, clientHeight), platform_.environment.Colors());
  // The platform sizes the font for the screen's resolution: text keeps its
  // real size at every scale.
  platform_.graphics.SelectWindowFont(platform_.strings.Text(StringId::kGlyphFace), 9.75f);
  pictures_.PaintTitleBand(platform_.graphics, scale.TwipsOfPixels(outer.x), module_.VersionTitle);
}
void frmRuvoZava::CreateTickerSurfaces() {
  ticker_.emplace(platform_.graphics, platform_.random, module_.Scale);
  KnobImage = MakeKnobImage(module_.Scale);
  SelectGlyphFont();
}
void frmRuvoZava::SelectGlyphFont() {
  platform_.graphics.SelectGlyphFont(platform_.strings.Text(StringId::kGlyphFace), 11);
}
// The emblem sits in the title band; frames and labels are painted with it,
// being as fixed as the emblem is.
void frmRuvoZava::PlaceIconAndLink() {
  pictures_.PaintFramesAndLabels(platform_.graphics, EmblemPicture(module_.Scale));
  pictures_.SetLinkText(platform_.graphics, platform_.strings.Text(StringId::kHomePage));
}
void frmRuvoZava::LoadSettingsStep() { settings = LoadSettings(platform_.files, module_.IniPath); }
void frmRuvoZava::ReadQuestionFilePath() {
  module_.QuestionFilePath = QuestionFilePathAtStart(platform_.files, module_);
}
void frmRuvoZava::SetTimerInterval() { Timer1.SetInterval(TimerIntervalOf(settings)); }
void frmRuvoZava::DrawSelectorsAndSpeed() {
  pictures_.SetColorCellsPicture(ColorCellsPicture(module_.Scale));
  DrawColorMark(0, settings.QuestionColor);
  DrawColorMark(1, settings.AnswerColor);
  DrawSpeedBar();
}
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
  if (!module_.QuestionFilePath.empty()) Timer1.SetEnabled(true);
}
void frmRuvoZava::AddTrayIcon() { tray_.Add(); }

// --- ticker and tray --------------------------------------------------------

void frmRuvoZava::Timer1_Timer() {
  if (!ticker_) return;
  ticker_->ScrollAndPublish(module_.Questions, settings.QuestionColor, settings.AnswerColor);
  tray_.ShowPicture(ticker_->Picture1());
  ticker_->AdvanceColumn();
}

void frmRuvoZava::Form_MouseMove(int, int, float x, float) {
  // Every move, tray message or not, ends the link's highlight.
  SetLinkColor(kLinkBlue);
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
    // Unloading the window runs Form_Unload, once.
    case kPopUpExit: platform_.window.Unload(); break;
    default: break;
  }
}

// Whatever the program draws is drawn anew at the new scale, as a start at
// that scale would draw it, and the text on its way goes on where it was: a
// change of scale is no reason to lose the question being read. The
// settings, the timer, the window's visibility and the question stay.
void frmRuvoZava::DisplayChanged() {
  const ScreenMetrics screen = platform_.environment.Screen();
  if (!ticker_ || ScaleOf(screen.dpiY) == module_.Scale) return;
  SetScreenUnits(module_, screen);
  platform_.graphics.SetScreenDpi(screen.dpiY);
  platform_.window.SetScale(module_.Scale);
  LayOutWindow();
  PlaceIconAndLink();
  KnobImage = MakeKnobImage(module_.Scale);
  DrawSelectorsAndSpeed();
  SelectGlyphFont();
  ticker_->Rescale(module_.Scale);
  tray_.Rescaled(ticker_->Picture1());
}

// The shell lost every icon when it restarted: add ours again with the
// current tip and picture.
void frmRuvoZava::TaskbarCreated() {
  if (tray_.Added()) tray_.Add();
}

// Back from a pause: the text goes on where it stopped, and the shell gets
// the icon again if it lost it meanwhile (a sleep may cost it every icon
// without saying so).
void frmRuvoZava::PauseFor(PauseReason reason, bool holds) {
  if (Timer1.Report(reason, holds)) tray_.Restore();
}

void frmRuvoZava::ShowSettingsWindow() {
  menuVisible_ = false;
  platform_.window.Show();
}

// --- question file selection ------------------------------------------------

// The timer stays off while the dialog and the records change. A failed load
// leaves the sample record in place and the ticker frozen; a later resume is
// safe, as the ticker keeps the text it shows and clamps every new pick.
void frmRuvoZava::LoadFileCommand() {
  Timer1.SetEnabled(false);
  tray_.SetTip(platform_.strings.Text(StringId::kAppTitle));
  SelectQuestionFile(platform_, module_);
  if (!module_.QuestionFilePath.empty()) {
    if (LoadQuestions(platform_, module_)) {
      Timer1.SetEnabled(true);
      if (ticker_) ticker_->ResetForNewFile();
    } else {
      tray_.SetTip(platform_.strings.Text(StringId::kPleaseLoadFile));
    }
  } else {
    module_.QuestionFilePath = kx::ReadQuestionFilePath(platform_.files, module_.IniPath);
    if (!module_.QuestionFilePath.empty() &&
        platform_.files.IsExistingFile(module_.QuestionFilePath)) {
      Timer1.SetEnabled(true);
    } else {
      (void)ShowResMessage(platform_.strings, platform_.dialogs, kErrorMessage,
                           StringId::kFileErrorTitle, StringId::kSpecifyFileAgain);
      tray_.SetTip(platform_.strings.Text(StringId::kPleaseLoadFile));
      tray_.ShowProgramIcon();
    }
  }
  tray_.Modify();
  (void)WriteQuestionFilePath(platform_.files, module_.IniPath, module_.QuestionFilePath);
}

// --- settings window --------------------------------------------------------

void frmRuvoZava::DrawSpeedBar() {
  pictures_.DrawSpeedBar(platform_.graphics, settings.SpeedLevel, KnobImage,
                         platform_.strings.Text(StringId::kSpeedScale));
  platform_.window.Refresh();
}

void frmRuvoZava::DrawColorMark(std::int16_t box, std::int32_t cell) {
  pictures_.DrawColorMark(box, cell);
  platform_.window.Refresh();
}

void frmRuvoZava::SetLinkColor(Color color) {
  if (pictures_.SetLinkColor(platform_.graphics, color)) platform_.window.Refresh();
}

// The closing click: any button, on the bare background or the title band.
void frmRuvoZava::Form_MouseDown(int, int, float, float) {
  SaveSettings(platform_.files, module_.IniPath, settings);
  platform_.window.Hide();
  menuVisible_ = true;
  Timer1.SetInterval(TimerIntervalOf(settings));
}

void frmRuvoZava::picSpeed_MouseDown(int, int, float x, float) {
  settings.SpeedLevel = SpeedLevelAt(x);
  DrawSpeedBar();
}

// x and y are in the design's pixels, so the box is measured in them too.
void frmRuvoZava::picSpeed_MouseMove(int button, int, float x, float y) {
  const WindowLayout& layout = pictures_.Layout();
  const int width = layout.scale.ToDesign(layout.speedBox.Width());
  const int height = layout.scale.ToDesign(layout.speedBox.Height());
  if (!DragSetsSpeed(button, x, y, width, height)) return;
  const std::int16_t level = SpeedLevelAt(x);
  if (level == settings.SpeedLevel) return;
  settings.SpeedLevel = level;
  DrawSpeedBar();
}

void frmRuvoZava::picColorType_MouseDown(std::int16_t index, int, int, float x, float) {
  assert((index == 0 || index == 1) && "there are two colour selectors");
  const std::int32_t cell = ColorCellAt(x);
  DrawColorMark(index, cell);
  if (index == 0) {
    settings.QuestionColor = cell;
  } else {
    settings.AnswerColor = cell;
  }
}

void frmRuvoZava::lblURL_Click() { platform_.window.OpenAddress(pictures_.LinkText()); }

void frmRuvoZava::lblURL_MouseMove(int, int, float, float) { SetLinkColor(kLinkMagenta); }

const Surface& frmRuvoZava::ClientPicture() const { return pictures_.Client(); }

PointerSpace frmRuvoZava::Space() const {
  return PointerSpace{pictures_.Layout(), pictures_.LinkWidth(), module_.TwipsPerPixelX,
                      module_.TwipsPerPixelY};
}

void frmRuvoZava::Call(const HandlerCall& c) {
  switch (c.handler) {
    case Handler::kNone: break;
    case Handler::kForm_MouseDown: Form_MouseDown(c.button, c.shift, c.x, c.y); break;
    case Handler::kForm_MouseMove: Form_MouseMove(c.button, c.shift, c.x, c.y); break;
    case Handler::kBackgroundMove: SetLinkColor(kLinkBlue); break;
    case Handler::kpicSpeed_MouseDown: picSpeed_MouseDown(c.button, c.shift, c.x, c.y); break;
    case Handler::kpicSpeed_MouseMove: picSpeed_MouseMove(c.button, c.shift, c.x, c.y); break;
    case Handler::kpicColorType_MouseDown:
      picColorType_MouseDown(c.index, c.button, c.shift, c.x, c.y);
      break;
    case Handler::klblURL_Click: lblURL_Click(); break;
    case Handler::klblURL_MouseMove: lblURL_MouseMove(c.button, c.shift, c.x, c.y); break;
  }
}

void frmRuvoZava::ClientMouseDown(Point at, int button, int shift) {
  Call(pointer_.Down(Space(), at, button, shift));
}

void frmRuvoZava::ClientMouseMove(Point at, int buttons, int shift) {
  Call(pointer_.Move(Space(), at, buttons, shift));
}

void frmRuvoZava::ClientClick(Point at) { Call(pointer_.Click(Space(), at)); }

void frmRuvoZava::ClientCaptureEnded() { pointer_.CaptureEnded(); }

bool frmRuvoZava::ShowsHandCursor(Point at) const { return PointerRouting::OverLink(Space(), at); }

}  // namespace kx
