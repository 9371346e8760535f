#pragma once
// frmRuvoZava: the program's one window as portable code. It holds all state
// of the window and names its handlers after the control and the event, the
// way the Win32 binding dispatches them. The window is hidden except while it
// serves as the settings window.
//
// Names. The design's own names (frmRuvoZava, basRuvoZava, Form_Load,
// Timer1_Timer, picSpeed_MouseDown, PopUp_Click, TickerState, SpeedSaved,
// KnobImage, ...) are kept verbatim wherever they appear, so that a reader
// can search from the design to the code. Everything else follows the
// project's style: PascalCase types and functions, camelCase fields and
// locals, kConstants, a trailing underscore on private members.

#include <cstdint>
#include <optional>

#include "app/module.h"
#include "app/pausable_timer.h"
#include "app/pointer_routing.h"
#include "forms/mouse.h"
#include "forms/platform.h"
#include "resource.h"
#include "settings/settings.h"
#include "ticker/ticker_engine.h"
#include "ticker/tray_icon.h"
#include "window/knob_image.h"
#include "window/settings_pictures.h"

namespace kx {

// Items of the popup menu, by index: the resource's command ids less their
// base.
inline constexpr std::int16_t kPopUpSettings = IDM_POPUP_SETTINGS - IDM_POPUP_BASE;
inline constexpr std::int16_t kPopUpLoadFile = IDM_POPUP_LOAD_FILE - IDM_POPUP_BASE;
inline constexpr std::int16_t kPopUpExit = IDM_POPUP_EXIT - IDM_POPUP_BASE;

class frmRuvoZava {
 public:
  frmRuvoZava(const Platform& platform, basRuvoZava& module);
  frmRuvoZava(const frmRuvoZava&) = delete;
  frmRuvoZava& operator=(const frmRuvoZava&) = delete;

  // The load sequence: twelve steps in a fixed order.
  void Form_Load();
  // Timer off, surfaces released, tray icon deleted.
  void Form_Unload();

  void Timer1_Timer();
  // Coordinates of the window's own events are in twips. Tray notifications
  // arrive here too, with the mouse message number as x in pixels.
  void Form_MouseMove(int button, int shift, float x, float y);
  void Form_MouseDown(int button, int shift, float x, float y);
  void PopUp_Click(std::int16_t index);
  // The shell restarted: the icon must be added again.
  void TaskbarCreated();
  // The system says `reason` began (holds) or ended: while any holds nobody
  // can see the tray, and the ticker rests.
  void PauseFor(PauseReason reason, bool holds);
  // Where the platform can only be asked whether a full-screen program runs:
  // the timer whose ticks ask it, and report through PauseFor.
  void WatchFullScreen(Timer& polls) { Timer1.WatchFullScreenWith(polls); }
  // The screen's resolution may have changed (its scale, or the taskbar's
  // monitor): Environment::Screen() tells the new one.
  void DisplayChanged();

  // Settings window controls; coordinates in the control's design pixels
  // (96 dpi, whatever the screen's scale).
  void picSpeed_MouseDown(int button, int shift, float x, float y);
  void picSpeed_MouseMove(int button, int shift, float x, float y);
  void picColorType_MouseDown(std::int16_t index, int button, int shift, float x, float y);
  void lblURL_Click();
  void lblURL_MouseMove(int button, int shift, float x, float y);

  // For the binding: the client area as pixels, and mouse events in client
  // pixels, which pointer_ routes to the handler of the control under the
  // pointer (or to the Form_ handlers, in twips). `buttons` is the mask of
  // buttons held.
  const Surface& ClientPicture() const;
  void ClientMouseDown(Point at, int button, int shift);
  void ClientMouseMove(Point at, int buttons, int shift);
  void ClientClick(Point at);
  // The window no longer holds the mouse a press on it captured: the button
  // went up, or another window took the mouse.
  void ClientCaptureEnded();
  // Whether the pointer shows the hand cursor there (over the link).
  bool ShowsHandCursor(Point at) const;

  // The ticker while its surfaces exist (from Form_Load to Form_Unload).
  const TickerEngine* Ticker() const { return ticker_ ? &*ticker_ : nullptr; }
  const TrayIcon& Tray() const { return tray_; }
  // The popup menu's top-level menu: visible while the window is hidden.
  bool MenuVisible() const { return menuVisible_; }

  // Speed and colours: read at start-up; the settings window changes them
  // within their ranges and stores them with
  // kx::SaveSettings(files, IniPath, settings) when it closes.
  Settings settings;

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
  // Parts of the steps that a new display scale repeats.
  void LayOutWindow();
  void SelectGlyphFont();

  // The Load file command of the popup menu.
  void LoadFileCommand();
  // Double click on the icon and the Settings command.
  void ShowSettingsWindow();

  // The window's parts as the pointer meets them, and the call of the
  // handler a pointer event was routed to.
  PointerSpace Space() const;
  void Call(const HandlerCall& call);

  // The settings window's drawing; each refreshes the window.
  void DrawSpeedBar();
  void DrawColorMark(std::int16_t box, std::int32_t cell);
  void SetLinkColor(Color color);

  const Platform& platform_;
  basRuvoZava& module_;
  // Every start and stop of the ticker goes through here, never straight to
  // the platform's timer: a pause holds the ticks back, never the program.
  PausableTimer Timer1{platform_.timer};

  // The settings window as pixels, and where its pointer events go.
  SettingsPictures pictures_;
  Surface KnobImage = MakeKnobImage();
  PointerRouting pointer_;

  // Ticker and tray. The Load file command restarts the ticker with
  // ticker_->ResetForNewFile() and updates the record through tray_.
  std::optional<TickerEngine> ticker_;
  TrayIcon tray_;
  bool menuVisible_ = true;
};

}  // namespace kx
