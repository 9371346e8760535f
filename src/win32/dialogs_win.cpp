#include "win32/dialogs_win.h"

#include <commdlg.h>

#include <cstddef>
#include <vector>

#include "win32/wide_text.h"

namespace kx::win {

namespace {

// The record as first defined (OPENFILENAME_SIZE_VERSION_400W), which the
// program has always passed: it ends with lpTemplateName.
constexpr DWORD kFirstRecordSize =
    offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(OPENFILENAMEW::lpTemplateName);
#if !defined(_WIN64)
static_assert(kFirstRecordSize == 76, "OPENFILENAMEW as first defined is 76 bytes");
#endif

// Room for the longest path the system names, so every choice comes back to
// be judged, however long, instead of failing the dialog like a cancel.
constexpr std::size_t kLongestPath = 32768;

}  // namespace

int DialogsWin::MessageBox(std::u16string_view text, std::u16string_view title,
                           std::uint32_t style) {
  const std::wstring wideText = ToWide(text);
  const std::wstring wideTitle = ToWide(title);
  // A tray program is rarely the foreground process: without this its
  // boxes open inactive, behind whatever the user is working in.
  return ::MessageBoxW(owner_(), wideText.c_str(), wideTitle.c_str(), style | MB_SETFOREGROUND);
}

std::optional<std::u16string> DialogsWin::OpenFile(const OpenFileRequest& request) {
  const std::wstring filter = ToWide(request.filter);
  const std::wstring initialDir = ToWide(request.initialDir);
  const std::wstring title = ToWide(request.title);
  std::vector<wchar_t> file(kLongestPath, L'\0');
  std::vector<wchar_t> fileTitle(file.size(), L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = kFirstRecordSize;
  dialog.hwndOwner = owner_();
  dialog.hInstance = instance_;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = request.filterIndex;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrFileTitle = fileTitle.data();
  dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
  dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.Flags = request.flags;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;

  file.back() = L'\0';
  return FromWide(file.data());
}

}  // namespace kx::win
