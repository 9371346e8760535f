// A console takes wide text: the UTF-8 bytes themselves would be read in the
// console's code page (932 or 437) and show as mojibake.
#include <windows.h>

#include <algorithm>
#include <string>

#include "console_output.h"
#include "text/utf8.h"

namespace kx {
namespace {

class HandleSink : public TextSink {
 public:
  explicit HandleSink(HANDLE handle) : handle_(handle) {
    DWORD mode = 0;
    console_ = GetConsoleMode(handle_, &mode) != 0;
  }

  bool Write(std::string_view utf8) override {
    if (console_) {
      std::u16string wide = Utf8ToUtf16(utf8);
      // The byte order mark is for files; a console would show it as a blank.
      std::erase(wide, u'\uFEFF');
      return WriteAll(wide.data(), wide.size(), true);
    }
    return WriteAll(utf8.data(), utf8.size(), false);
  }

  bool IsConsole() const override { return console_; }

 private:
  template <typename Unit>
  bool WriteAll(const Unit* data, std::size_t count, bool wide) {
    while (count > 0) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 16 * 1024));
      DWORD written = 0;
      const BOOL ok = wide ? WriteConsoleW(handle_, data, chunk, &written, nullptr)
                           : WriteFile(handle_, data, chunk, &written, nullptr);
      if (!ok || written == 0) return false;
      data += written;
      count -= written;
    }
    return true;
  }

  HANDLE handle_;  // the process's standard handle, not owned
  bool console_ = false;
};

}  // namespace

std::unique_ptr<TextSink> OpenStandardSink(StandardStream stream) {
  return std::make_unique<HandleSink>(
      GetStdHandle(stream == StandardStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE));
}

bool OwnsConsoleAlone() {
  DWORD processes[2] = {};
  // A hidden console, as a program that runs kxd with CREATE_NO_WINDOW gives
  // it, has no one to press the key.
  const HWND window = GetConsoleWindow();
  if (GetConsoleProcessList(processes, 2) != 1 || window == nullptr) return false;
  // A console made for us may still be on its way to the screen (seen under
  // Wine on a first start): give it a moment before calling it hidden.
  for (int tries = 0; tries < 20 && !IsWindowVisible(window); ++tries) Sleep(100);
  return IsWindowVisible(window) != FALSE;
}

void WaitForKey() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(input, &mode)) return;
  (void)FlushConsoleInputBuffer(input);
  INPUT_RECORD record = {};
  DWORD read = 0;
  while (ReadConsoleInputW(input, &record, 1, &read) && read == 1) {
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
  }
}

std::optional<std::string> ReadConsoleLine() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(input, &mode)) return std::nullopt;
  // Keys pressed while kxd worked answer no question: they came before it.
  (void)FlushConsoleInputBuffer(input);
  std::u16string line;
  char16_t buffer[256];
  DWORD read = 0;
  while (line.find(u'\n') == std::u16string::npos &&
         ReadConsoleW(input, buffer, static_cast<DWORD>(std::size(buffer)), &read, nullptr) &&
         read > 0) {
    line.append(buffer, read);
  }
  if (line.empty()) return std::nullopt;
  line.erase(std::min(line.find(u'\r'), line.find(u'\n')), std::u16string::npos);
  return Utf16ToUtf8(line);
}

}  // namespace kx
