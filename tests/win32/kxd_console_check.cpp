// kxd.exe as a user who drops a file on it sees it: alone in a console of its
// own, as Explorer starts it, it must still be waiting for a key long after
// its work, with its words readable on the console's screen. Run hidden by
// another program, it must not wait.
// Arguments: kxd.exe, the code page the locale gives the console (whose user
// reads Japanese); 首都.csv in the current folder holds 日本の首都は？,東京 and
// a row that cannot be stored.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <string>

// A failed start leaves no process handle, on which every wait fails.
static PROCESS_INFORMATION Start(std::wstring cmd, DWORD flags) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &si, &pi);
  return pi;
}

// The screen, read while kxd waits, then `typed` and the screen once it says
// "press a key", then a key that must let it end; empty when it did not
// wait, did not end or ran in another code page.
static std::wstring ScreenOf(std::wstring command, UINT codePage, const wchar_t* typed = L"") {
  const PROCESS_INFORMATION process = Start(command, CREATE_NEW_CONSOLE);
  const auto open = [](const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
  };
  std::wstring text(12000, L' ');
  DWORD count = 0;
  // Each key as it is pressed; its upper case is its key code, as for Enter and space.
  const auto type = [&](std::wstring keys) {
    bool ok = true;
    for (const wchar_t c : keys) {
      INPUT_RECORD key{KEY_EVENT,
                       {.KeyEvent = {TRUE, 1, static_cast<WORD>(towupper(c)), 0, {c}, 0}}};
      ok = ok && WriteConsoleInputW(open(L"CONIN$"), &key, 1, &count);
    }
    return ok;
  };
  const auto read = [&] {
    return ReadConsoleOutputCharacterW(open(L"CONOUT$"), text.data(), 12000, COORD{0, 0}, &count);
  };
  // Attaching makes two processes in that console, so kxd must be waiting by then.
  bool waited = WaitForSingleObject(process.hProcess, 8000) == WAIT_TIMEOUT &&
                (FreeConsole(), AttachConsole(process.dwProcessId)) &&
                GetConsoleOutputCP() == codePage && read();
  waited = waited && type(typed);
  for (int tries = 0; *typed && tries < 100 && text.find(L"キーを押す") == std::wstring::npos;
       ++tries) {
    Sleep(200);
    waited = waited && read();
  }
  waited = waited && type(L" ") && WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  (void)TerminateProcess(process.hProcess, 1);
  return waited ? text : std::wstring();
}

int wmain(int, wchar_t** argv) {
  const std::wstring kxd = L"\"" + std::wstring(argv[1]) + L"\" ";
  const UINT codePage = std::stoul(argv[2]);
  // Japanese whatever the page; asked, keeps the row that fits.
  const std::wstring seen = ScreenOf(kxd + L"--lang ja 首都.csv", codePage, L"y\r") +
                            ScreenOf(kxd + L"dump 首都.kxd", codePage);
  // Run hidden by another program, it has no one to press a key: it must end
  // (or is stopped, and fails).
  const PROCESS_INFORMATION hidden = Start(kxd + L"--version", CREATE_NO_WINDOW);
  const auto shows = [&](const wchar_t* text) { return seen.find(text) != std::wstring::npos; };
  const bool ok = (WaitForSingleObject(hidden.hProcess, 30000) == WAIT_OBJECT_0 ||
                   (TerminateProcess(hidden.hProcess, 1), false)) &&
                  !shows(L"\uFEFF") && shows(L"首都.csv 2行目: 解答: U+1F431") &&
                  shows(L"首都.csv: 2問のうち1問を書き込みますか？ (y/n) y") &&
                  shows(L"1問を 首都.kxd に書き込みました") && shows(L"問題,解答") &&
                  shows(L"日本の首都は？,東京") &&
                  // A Japanese user's console on another page, whose fonts lack Japanese.
                  shows(codePage == 932 ? L"何かキーを押すと" : L"Press a key to close");
  if (!ok)
    fwprintf(stderr, L"seen %zu characters of screen; hidden run ended: %d\n", seen.size(),
             WaitForSingleObject(hidden.hProcess, 0) == WAIT_OBJECT_0);
  return ok ? 0 : 1;
}
