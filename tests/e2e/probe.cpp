// A small helper for the end-to-end tests: looks at windows and processes
// of the Wine session the way a user would see them, and prints what it
// finds as UTF-8 lines.
//
//   probe window TITLE         "hidden", "visible" or "absent" (exit 0/0/1)
//   probe box-text TITLE       the text of the message box with this title
//   probe press-ok TITLE       clicks the OK button of that message box
//   probe open-path TITLE PATH puts PATH in that open-file dialog's name box
//                              and clicks Open
//   probe processes NAME       how many processes run this program file
//   probe close TITLE          asks the window with this title to close
//   probe post TITLE MSG WPARAM  posts it that message (numbers as C writes them)
//   probe client TITLE         "x y width height" of that window's client area
//   probe tray                 "x y width height" of the first tray icon
//   probe menu                 "x y width height" of the open popup menu
#include <windows.h>

#include <tlhelp32.h>

#include <cwchar>
#include <string>

namespace {

void Print(const std::wstring& text) {
  const std::wstring line = text + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// A message box is a dialog (class "#32770") whose text is its static
// control 0xFFFF.
HWND FindBox(const wchar_t* title) { return FindWindowW(L"#32770", title); }

int Window(const wchar_t* title) {
  const HWND window = FindWindowW(nullptr, title);
  if (window == nullptr) {
    Print(L"absent");
    return 1;
  }
  Print(IsWindowVisible(window) ? L"visible" : L"hidden");
  return 0;
}

int BoxText(const wchar_t* title) {
  const HWND box = FindBox(title);
  if (box == nullptr) return 1;
  wchar_t text[1024] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 1024);
  Print(text);
  return 0;
}

int PressOk(const wchar_t* title) {
  const HWND box = FindBox(title);
  if (box == nullptr) return 1;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return 0;
}

BOOL CALLBACK FindEdit(HWND window, LPARAM found) {
  if (ClassOf(window) != L"Edit") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Any characters, where typing gives what the display's keyboard makes of
// them. The name box is the edit field inside the dialog's combo box cmb13.
int OpenPath(const wchar_t* title, const wchar_t* path) {
  const HWND dialog = FindBox(title);
  const HWND combo = dialog == nullptr ? nullptr : GetDlgItem(dialog, 0x47C);
  HWND name = nullptr;
  EnumChildWindows(combo, FindEdit, reinterpret_cast<LPARAM>(&name));
  if (name == nullptr) return 1;
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  return 0;
}

int Close(const wchar_t* title) {
  const HWND window = FindWindowW(nullptr, title);
  if (window == nullptr) return 1;
  PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}

int Post(const wchar_t* title, const wchar_t* message, const wchar_t* wParam) {
  const HWND window = FindWindowW(nullptr, title);
  return window == nullptr || !PostMessageW(window, std::wcstoul(message, nullptr, 0),
                                            std::wcstoul(wParam, nullptr, 0), 0);
}

int Processes(const wchar_t* name) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, name) == 0) ++count;
  }
  CloseHandle(snapshot);
  Print(std::to_wstring(count));
  return 0;
}

void PrintRect(const RECT& rect) {
  Print(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
        std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top));
}

int Client(const wchar_t* title) {
  const HWND window = FindWindowW(nullptr, title);
  if (window == nullptr) return 1;
  RECT rect{};
  GetClientRect(window, &rect);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&rect, origin.x, origin.y);
  PrintRect(rect);
  return 0;
}

// The taskbar draws the tray icons itself, from its right end leftwards, each
// in a slot of a small icon plus a 2-pixel border; the first icon added is
// the rightmost. Prints where that icon's 16 x 16 picture goes.
int Tray() {
  const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (taskbar == nullptr) return 1;
  RECT rect{};
  GetWindowRect(taskbar, &rect);
  constexpr LONG kBorder = 2;
  const LONG size = GetSystemMetrics(SM_CXSMICON);
  const RECT icon{rect.right - size - kBorder, rect.top + kBorder, rect.right - kBorder,
                  rect.top + kBorder + size};
  PrintRect(icon);
  return 0;
}

int Menu() {
  const HWND menu = FindWindowW(L"#32768", nullptr);
  if (menu == nullptr || !IsWindowVisible(menu)) return 1;
  RECT rect{};
  GetWindowRect(menu, &rect);
  PrintRect(rect);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  if (command == L"tray") return Tray();
  if (command == L"menu") return Menu();
  if (argc < 3) return 2;
  if (command == L"client") return Client(argv[2]);
  if (command == L"window") return Window(argv[2]);
  if (command == L"box-text") return BoxText(argv[2]);
  if (command == L"press-ok") return PressOk(argv[2]);
  if (command == L"close") return Close(argv[2]);
  if (command == L"post" && argc >= 5) return Post(argv[2], argv[3], argv[4]);
  if (command == L"processes") return Processes(argv[2]);
  if (command == L"open-path" && argc >= 4) return OpenPath(argv[2], argv[3]);
  return 2;
}
