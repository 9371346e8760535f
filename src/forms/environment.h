#pragma once
// What the program needs to know about the process and the screen.

#include <string>
#include <string_view>

#include "forms/screen_units.h"

namespace kx {

struct ProgramVersion {
  int major = 0;
  int minor = 0;
};

struct ScreenMetrics {
  int widthPixels = 0;
  int heightPixels = 0;
  int dpiX = kDesignDpi;  // logical pixels per inch
  int dpiY = kDesignDpi;
  int captionHeight = 0;  // height of a window caption bar in pixels
};

// The system's colours for 3-D elements and control text, 0x00BBGGRR. The
// defaults are the platform's standard scheme, for hosts that cannot ask.
struct SystemColors {
  Color face = 0x00F0F0F0;        // button face: the window's background
  Color shadow = 0x00A0A0A0;      // 3-D shadow
  Color highlight = 0x00FFFFFF;   // 3-D highlight
  Color darkShadow = 0x00696969;  // 3-D dark shadow
  Color light = 0x00E3E3E3;       // 3-D light
  Color buttonText = 0x00000000;  // captions of frames and labels
  Color windowText = 0x00000000;  // text drawn into picture boxes
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
  // Colours of the current system scheme (GetSysColor on Windows).
  virtual SystemColors Colors() { return {}; }
};

}  // namespace kx
