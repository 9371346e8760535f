// The language of the user's Windows, unless kxd's console cannot show it.
#include <windows.h>

#include "user_language.h"

namespace kx {

Language UserLanguage() {
  if (PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_JAPANESE) return Language::kEnglish;
  // A console on another code page, as after "chcp 437", has fonts without
  // Japanese and would show boxes: there kxd speaks English, as Windows' own
  // console tools do. A file or a pipe takes the UTF-8 of either language.
  DWORD mode = 0;
  const bool console = GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) ||
                       GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
  const UINT page = GetConsoleOutputCP();
  return console && page != 932 && page != CP_UTF8 ? Language::kEnglish : Language::kJapanese;
}

}  // namespace kx
