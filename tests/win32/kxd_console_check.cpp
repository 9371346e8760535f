// kxd.exe as a user who drops a file on it sees it: alone in a console of its
// own, as Explorer starts it, it must still be waiting for a key long after
// its work, with its words readable on the console's screen.
// Arguments: kxd.exe, the code page the locale gives the console; 首都.csv
// holds 日本の首都は？,東京 in the current folder.
#include <windows.h>

#include <string>

// The screen, read while kxd waits, then a key that must let it end; empty
// when it did not wait, did not end or ran in another code page.
static std::wstring ScreenOf(std::wstring command, UINT codePage) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  INPUT_RECORD key{KEY_EVENT, {.KeyEvent = {TRUE, 1, VK_SPACE, 0, {L' '}, 0}}};
  const auto open = [](const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
  };
  std::wstring text(12000, L' ');
  DWORD count = 0;
  // Attaching makes two processes in that console, so kxd must be waiting by then.
  const bool waited =
      CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                     nullptr, &startup, &process) &&
      WaitForSingleObject(process.hProcess, 8000) == WAIT_TIMEOUT &&
      (FreeConsole(), AttachConsole(process.dwProcessId)) && GetConsoleOutputCP() == codePage &&
      ReadConsoleOutputCharacterW(open(L"CONOUT$"), text.data(), 12000, COORD{0, 0}, &count) &&
      WriteConsoleInputW(open(L"CONIN$"), &key, 1, &count) &&
      WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  (void)TerminateProcess(process.hProcess, 1);
  return waited ? text : std::wstring();
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const std::wstring kxd = L"\"" + std::wstring(argv[1]) + L"\" ";
  const UINT codePage = std::stoul(argv[2]);
  const std::wstring drop = ScreenOf(kxd + L"首都.csv", codePage);
  const std::wstring dump = ScreenOf(kxd + L"dump 首都.kxd", codePage);
  const bool ok = drop.find(L"1 question written to 首都.kxd") != std::wstring::npos &&
                  dump.find(L"問題,解答") != std::wstring::npos &&
                  dump.find(L'\uFEFF') == std::wstring::npos &&
                  dump.find(L"日本の首都は？,東京") != std::wstring::npos;
  return ok ? 0 : 1;
}
