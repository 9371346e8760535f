// kxd: writes, checks and reads back quiz question files.
#include <iostream>
#include <string>
#include <vector>

#include "kxd_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = kx::RunKxd(args, std::cout, std::cerr);
  std::cout.flush();
  return std::cout ? status : kx::kExitUsage;
}
