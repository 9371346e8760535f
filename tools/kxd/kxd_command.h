#pragma once
// The kxd command line: build, check, dump and help. Returns the exit status:
// 0 done, 1 refusals or problems found, 2 bad usage or a file that cannot be
// read or written. Results go to `out`, every message to `err`.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "kxd_messages.h"

namespace kx {

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;

// Puts a question to whoever dropped files on kxd, in its console: the line
// typed in answer, or nullopt when there is no one to ask.
using AskInConsole = std::function<std::optional<std::string>(const std::string& question)>;

struct KxdUser {
  Language language = Language::kEnglish;  // unless --lang names another
  AskInConsole ask;                        // empty: no one to ask
};

// `args` without the program name, in UTF-8.
int RunKxd(std::vector<std::string> args, std::ostream& out, std::ostream& err,
           const KxdUser& user = {});

// The language of kxd's messages for `args`: the one --lang names, or `fallback`.
Language ChosenLanguage(std::vector<std::string> args, Language fallback);

}  // namespace kx
