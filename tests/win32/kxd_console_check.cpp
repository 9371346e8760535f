// kxd.exe as a user sees it in a console window: a drop, then a dump, read
// back from the console's screen; then alone in a console of its own, as
// Explorer starts it, where it must wait for a key before its window closes.
// Arguments: kxd.exe, the code page the locale gives the console.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Started with `console` as its standard handles, or in a new console of its own.
PROCESS_INFORMATION Start(std::wstring command, HANDLE console) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = console ? STARTF_USESTDHANDLES : 0;
  startup.hStdOutput = startup.hStdError = console;
  PROCESS_INFORMATION process = {};
  (void)CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                       console ? 0 : CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &process);
  return process;
}

bool Ends(HANDLE process, DWORD milliseconds) {
  return process && WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 || (FreeConsole(), !AllocConsole())) return 2;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  const auto open = [&](const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, OPEN_EXISTING, 0, nullptr);
  };
  const HANDLE screen = open(L"CONOUT$");
  std::ofstream(std::filesystem::path(L"首都.csv"), std::ios::binary) << "日本の首都は？,東京\r\n";
  const std::wstring kxd = L"\"" + std::wstring(argv[1]) + L"\" ";
  bool ok = GetConsoleOutputCP() == std::wcstoul(argv[2], nullptr, 10) &&
            Ends(Start(kxd + L"首都.csv", screen).hProcess, 60000) &&
            Ends(Start(kxd + L"dump 首都.kxd", screen).hProcess, 60000);
  std::wstring text(12000, L' ');
  DWORD count = 0;
  (void)ReadConsoleOutputCharacterW(screen, text.data(), 12000, COORD{0, 0}, &count);
  for (const wchar_t* expected :
       {L"1 question written to 首都.kxd", L"問題,解答", L"日本の首都は？,東京"}) {
    ok = ok && text.find(expected) != std::wstring::npos;
  }

  const PROCESS_INFORMATION alone = Start(kxd + L"首都.kxd", nullptr);
  INPUT_RECORD key = {};
  key.EventType = KEY_EVENT;
  key.Event.KeyEvent = {TRUE, 1, VK_SPACE, 0, {L' '}, 0};
  DWORD written = 0;
  ok = ok && !Ends(alone.hProcess, 5000) && FreeConsole() && AttachConsole(alone.dwProcessId) &&
       WriteConsoleInputW(open(L"CONIN$"), &key, 1, &written) && Ends(alone.hProcess, 30000);
  (void)TerminateProcess(alone.hProcess, 1);
  std::fwprintf(stderr, L"code page %ls: %ls\n", argv[2], ok ? L"as written" : L"wrong");
  return ok ? 0 : 1;
}
