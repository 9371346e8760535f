#pragma once
// The settings window's pointer events, routed: which of the form's named
// handlers a press, move or click calls, with which arguments. It owns the
// hit test, the conversion to the control's design pixels (or, on the bare
// window, to twips) and the capture a press holds; the form only calls.

#include <cstdint>

#include "forms/geometry.h"
#include "window/window_layout.h"

namespace kx {

enum class Handler {
  kNone,
  kForm_MouseDown,  // the closing click
  kForm_MouseMove,  // a tray notification
  kBackgroundMove,  // any other move over the bare window: the link's highlight ends
  kpicSpeed_MouseDown,
  kpicSpeed_MouseMove,
  kpicColorType_MouseDown,
  klblURL_Click,
  klblURL_MouseMove,
};

struct HandlerCall {
  Handler handler = Handler::kNone;
  std::int16_t index = 0;  // picColorType's
  int button = 0;
  int shift = 0;
  float x = 0.0f;  // the control's design pixels; twips for the Form_ handlers
  float y = 0.0f;
  friend bool operator==(const HandlerCall&, const HandlerCall&) = default;
};

// The window the pointer meets: its layout, the link's width as last drawn,
// and the module's twips per pixel.
struct PointerSpace {
  const WindowLayout& layout;
  int linkWidth = 0;
  int twipsPerPixelX = kDesignTwipsPerPixel;
  int twipsPerPixelY = kDesignTwipsPerPixel;
};

class PointerRouting {
 public:
  // Points are in client pixels; `buttons` is the mask of buttons held.
  HandlerCall Down(const PointerSpace& space, Point at, int button, int shift);
  HandlerCall Move(const PointerSpace& space, Point at, int buttons, int shift);
  // The left button went up there.
  HandlerCall Click(const PointerSpace& space, Point at);
  // The window no longer holds the mouse a press on it captured: the button
  // went up, or another window took the mouse.
  void CaptureEnded();

  static bool OverLink(const PointerSpace& space, Point at);

 private:
  // A left button pressed on the speed box is held: the box keeps receiving
  // the moves.
  bool captureHeld_ = false;
  // A press on the window holds the mouse: its moves may leave the window at
  // any x, where they would read as tray messages.
  bool pressHeld_ = false;
};

}  // namespace kx
