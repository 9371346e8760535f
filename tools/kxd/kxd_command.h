#pragma once
// The kxd command line: build, check, dump and help. Returns the exit status:
// 0 done, 1 refusals or problems found, 2 bad usage or a file that cannot be
// read or written. Results go to `out`, every message to `err`.

#include <ostream>
#include <string>
#include <vector>

namespace kx {

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;

// `args` without the program name, in UTF-8.
int RunKxd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kx
