// kxd.exe as a user sees it in a console window: run in a console of its own
// (a drop, then a dump), its output read back from the console's screen.
// Arguments: kxd.exe, the code page the locale gives the console.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool Run(std::wstring command, HANDLE console) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = console;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  DWORD status = 1;
  (void)WaitForSingleObject(process.hProcess, 60000);
  (void)GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  (void)FreeConsole();
  if (!AllocConsole()) return 2;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  const HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  &inherit, OPEN_EXISTING, 0, nullptr);
  std::ofstream(std::filesystem::path(L"首都.csv"), std::ios::binary) << "日本の首都は？,東京\r\n";
  const std::wstring kxd = L"\"" + std::wstring(argv[1]) + L"\" ";
  bool ok = GetConsoleOutputCP() == std::wcstoul(argv[2], nullptr, 10) &&
            Run(kxd + L"首都.csv", console) && Run(kxd + L"dump 首都.kxd", console);

  CONSOLE_SCREEN_BUFFER_INFO info = {};
  (void)GetConsoleScreenBufferInfo(console, &info);
  std::wstring screen(static_cast<std::size_t>(info.dwSize.X * info.dwSize.Y), L' ');
  DWORD read = 0;
  (void)ReadConsoleOutputCharacterW(console, screen.data(), static_cast<DWORD>(screen.size()),
                                    COORD{0, 0}, &read);
  for (const wchar_t* expected :
       {L"1 question written to 首都.kxd", L"問題,解答", L"日本の首都は？,東京"}) {
    ok = ok && screen.find(expected) != std::wstring::npos;
  }
  std::fwprintf(stderr, L"code page %u, %ls\n", GetConsoleOutputCP(),
                ok ? L"as written" : L"wrong");
  return ok ? 0 : 1;
}
