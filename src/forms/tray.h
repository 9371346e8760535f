#pragma once
// The notification-area icon: the tray record and the shell's three calls.

#include <cstdint>
#include <string>

namespace kx {

// An icon the platform built. Its owner (a std::unique_ptr<Icon>) destroys
// it; the program keeps an icon alive until the shell holds its successor.
class Icon {
 public:
  virtual ~Icon() = default;
  Icon() = default;
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
};

// Mouse message numbers that the shell reports for the icon.
inline constexpr int kWmMouseMove = 0x200;
inline constexpr int kWmLButtonDown = 0x201;
inline constexpr int kWmLButtonDblClk = 0x203;
inline constexpr int kWmRButtonDown = 0x204;

// The program's tray record. The binding lays it out as the shell's first
// record version; the tip goes over as at most 63 bytes of text.
struct TrayData {
  std::uint32_t id = 1;
  std::uint32_t flags = 0x17;  // message, icon, tip, info
  std::uint32_t callbackMessage = kWmMouseMove;
  const Icon* icon = nullptr;  // not owned
  std::u16string tip;
};

class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // Results are what the shell answered. The program looks only at a
  // modify's, after a pause: false means the shell lost the icon.
  virtual bool Add(const TrayData& data) = 0;
  virtual bool Modify(const TrayData& data) = 0;
  virtual bool Delete(const TrayData& data) = 0;
};

}  // namespace kx
