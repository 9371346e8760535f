#include "win32/tray_win.h"

#include <shellapi.h>

#include <algorithm>
#include <type_traits>

#include "ticker/tray_tip.h"
#include "win32/icon_win.h"

namespace kx::win {

#if !defined(_WIN64)
// The 32-bit program's tray record has always been the first version of the
// ANSI record; the wide call below carries the same fields.
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first tray record is 88 bytes");
#endif

namespace {

// The first record version knows message, icon and tip only. The balloon
// flag that the program's record carries has no fields behind it here, so it
// is not passed on: a shell would read balloon text past the record's end.
constexpr UINT kFirstVersionFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

}  // namespace

bool TrayWin::Call(DWORD message, const TrayData& data) {
  // The wide record, so a Japanese tip shows on any system locale; its first
  // version has the same 64-character tip field as the program's record.
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = window_();
  record.uID = data.id;
  record.uFlags = data.flags & kFirstVersionFlags;
  record.uCallbackMessage = data.callbackMessage;
  record.hIcon = HandleOf(data.icon);
  // A tick changes the picture alone: a tip the shell already shows is left
  // out, so that it need not lay out its tooltip anew every tick.
  if (message == NIM_MODIFY && shellTip_ == data.tip) record.uFlags &= ~static_cast<UINT>(NIF_TIP);
  if ((record.uFlags & NIF_TIP) != 0) {
    constexpr std::size_t kTipChars = 64;
    static_assert(std::extent_v<decltype(record.szTip)> >= kTipChars, "the tip field holds 64");
    const std::u16string tip = TipForField(data.tip, kTipChars);
    std::copy(tip.begin(), tip.end(), record.szTip);
    record.szTip[tip.size()] = L'\0';
  }
  const bool done = Shell_NotifyIconW(message, &record) != FALSE;
  if (message == NIM_DELETE) {
    shellTip_.reset();
  } else if (done && (record.uFlags & NIF_TIP) != 0) {
    shellTip_ = data.tip;
  }
  return done;
}

bool TrayWin::Add(const TrayData& data) { return Call(NIM_ADD, data); }
bool TrayWin::Modify(const TrayData& data) { return Call(NIM_MODIFY, data); }
bool TrayWin::Delete(const TrayData& data) { return Call(NIM_DELETE, data); }

}  // namespace kx::win
