#include "soak/process_figures.h"

#include "win32/windows_api.h"

#include <psapi.h>

namespace kx::soak {

ProcessFigures MeasureProcess() {
  ProcessFigures figures;
  const HANDLE self = GetCurrentProcess();
  figures.gdiObjects = GetGuiResources(self, GR_GDIOBJECTS);
  figures.userObjects = GetGuiResources(self, GR_USEROBJECTS);
  DWORD handles = 0;
  if (GetProcessHandleCount(self, &handles)) {
    figures.handles = handles;
  } else {
    figures.handleCountError = GetLastError();
  }
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (K32GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof memory)) {
    // Hosts that leave PrivateUsage empty still fill its older twin.
    figures.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    figures.workingSetBytes = memory.WorkingSetSize;
  }
  return figures;
}

std::string Describe(const ProcessFigures& figures) {
  return "gdi " + std::to_string(figures.gdiObjects) + " user " +
         std::to_string(figures.userObjects) + " handles " + std::to_string(figures.handles) +
         (figures.handleCountError != 0
              ? " (error " + std::to_string(figures.handleCountError) + ")"
              : std::string()) +
         " private " + std::to_string(figures.privateBytes / 1024) + " KB working set " +
         std::to_string(figures.workingSetBytes / 1024) + " KB";
}

}  // namespace kx::soak
