#pragma once
// What the program needs to know about the process and the screen.

#include <string>
#include <string_view>

namespace kx {

struct ProgramVersion {
  int major = 0;
  int minor = 0;
};

struct ScreenMetrics {
  int widthPixels = 0;
  int heightPixels = 0;
  int dpiX = 96;  // logical pixels per inch
  int dpiY = 96;
  int captionHeight = 0;  // height of a window caption bar in pixels
};

class Environment {
 public:
  virtual ~Environment() = default;
  // Whether any top-level window, hidden or not, of any program carries this
  // exact title.
  virtual bool TopLevelWindowExists(std::u16string_view title) = 0;
  // The folder holding the running program file, as the platform gives it
  // (with or without a trailing backslash).
  virtual std::u16string ProgramFolder() = 0;
  // Major and minor number of the program file's own version record.
  virtual ProgramVersion Version() = 0;
  virtual ScreenMetrics Screen() = 0;
};

}  // namespace kx
