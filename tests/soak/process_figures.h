#pragma once
// What the soak watches of its own process: the window system's object
// counts, the kernel handle count and the memory the process holds.

#include <cstdint>
#include <string>

namespace kx::soak {

struct ProcessFigures {
  // GetGuiResources; a host that does not keep these counts reports 0.
  std::uint32_t gdiObjects = 0;
  std::uint32_t userObjects = 0;
  std::uint32_t handles = 0;
  std::uint32_t handleCountError = 0;  // GetLastError when the count failed
  std::uint64_t privateBytes = 0;
  std::uint64_t workingSetBytes = 0;
};

ProcessFigures MeasureProcess();

// One line for the log, e.g. "gdi 12 user 5 handles 40 private 3200 KB ...".
std::string Describe(const ProcessFigures& figures);

}  // namespace kx::soak
