#include "win32/visibility_win.h"

#include <shellapi.h>

#include <cstring>

#include "app/form.h"

namespace kx::win {
namespace {

// GUID_CONSOLE_DISPLAY_STATE, spelt out: the SDKs define it only where a
// library or <initguid.h> instantiates it.
constexpr GUID kConsoleDisplayState{
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr DWORD kDisplayOff = 0;  // 1 on, 2 dimmed: still to be seen

// A full-screen program, a game or presentation mode covers the taskbar. A
// failed question counts as no: the ticker then runs as it always did.
bool FullScreenInFront() {
  QUERY_USER_NOTIFICATION_STATE state{};
  if (FAILED(SHQueryUserNotificationState(&state))) return false;
  return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN ||
         state == QUNS_PRESENTATION_MODE;
}

// Through the generic function pointer type: the platform hands out another.
template <typename Function>
Function ProcedureOf(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace

bool SessionNotifications::Register(HWND window) {
  Reset();
  library_.Reset(LoadLibraryExW(L"wtsapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  const auto registerWindow = library_ ? ProcedureOf<BOOL(WINAPI*)(HWND, DWORD)>(
                                             library_.Get(), "WTSRegisterSessionNotification")
                                       : nullptr;
  if (registerWindow == nullptr || !registerWindow(window, NOTIFY_FOR_THIS_SESSION)) {
    library_.Reset();
    return false;
  }
  window_ = window;
  return true;
}

void SessionNotifications::Reset() {
  const auto unregister =
      window_ != nullptr && library_
          ? ProcedureOf<BOOL(WINAPI*)(HWND)>(library_.Get(), "WTSUnRegisterSessionNotification")
          : nullptr;
  if (unregister != nullptr) (void)unregister(window_);
  window_ = nullptr;
  library_.Reset();
}

void VisibilityWatch::Start(frmRuvoZava& form) {
  const HWND window = window_();
  form_ = &form;
  (void)session_.Register(window);
  // The system answers at once with the display's state, then at each change.
  display_.Reset(
      RegisterPowerSettingNotification(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE));
  form.WatchFullScreen(polls_);
}

void VisibilityWatch::Stop() {
  session_.Reset();
  display_.Reset();
}

std::optional<LRESULT> VisibilityWatch::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (form_ == nullptr) return std::nullopt;
  switch (message) {
    case WM_WTSSESSION_CHANGE: SessionChanged(wParam); return 0;
    case WM_POWERBROADCAST: PowerChanged(wParam, lParam); return TRUE;
    case WM_TIMER:
      if (wParam != kFullScreenPollId) break;
      form_->PauseFor(PauseReason::kFullScreen, FullScreenInFront());
      return 0;
    case WM_DESTROY: Stop(); break;  // and on to the window's own handling
    default: break;
  }
  return std::nullopt;
}

// Before another reason ends, the full-screen state is asked afresh: it was
// not polled meanwhile, and a program that went full screen then must not
// get a burst of ticks first.
void VisibilityWatch::Report(PauseReason reason, bool holds) {
  if (!holds && reason != PauseReason::kFullScreen) {
    form_->PauseFor(PauseReason::kFullScreen, FullScreenInFront());
  }
  form_->PauseFor(reason, holds);
}

void VisibilityWatch::SessionChanged(WPARAM event) {
  switch (event) {
    case WTS_SESSION_LOCK: Report(PauseReason::kLocked, true); break;
    case WTS_SESSION_UNLOCK: Report(PauseReason::kLocked, false); break;
    case WTS_CONSOLE_DISCONNECT:
    case WTS_REMOTE_DISCONNECT: Report(PauseReason::kSwitchedAway, true); break;
    case WTS_CONSOLE_CONNECT:
    case WTS_REMOTE_CONNECT: Report(PauseReason::kSwitchedAway, false); break;
    default: break;
  }
}

void VisibilityWatch::PowerChanged(WPARAM event, LPARAM lParam) {
  switch (event) {
    case PBT_APMSUSPEND: Report(PauseReason::kSuspended, true); break;
    // Every resume ends the suspend: a missed one must not leave it standing.
    case PBT_APMRESUMEAUTOMATIC:
    case PBT_APMRESUMESUSPEND:
    case PBT_APMRESUMECRITICAL: Report(PauseReason::kSuspended, false); break;
    case PBT_POWERSETTINGCHANGE: {
      const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
      if (setting == nullptr || !IsEqualGUID(setting->PowerSetting, kConsoleDisplayState) ||
          setting->DataLength < sizeof(DWORD)) {
        break;
      }
      DWORD state = 0;
      std::memcpy(&state, setting->Data, sizeof state);
      Report(PauseReason::kDisplayOff, state == kDisplayOff);
      break;
    }
    default: break;
  }
}

}  // namespace kx::win
