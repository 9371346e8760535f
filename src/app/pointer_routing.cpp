#include "app/pointer_routing.h"

#include "forms/mouse.h"
#include "forms/screen_units.h"

namespace kx {
namespace {

// The controls' arithmetic is that of the 96-dpi design: a press lands on the
// same step and cell at every scale.
HandlerCall InDesignPixels(Handler handler, const PointerSpace& space, Point local, int button,
                           int shift, std::int16_t index = 0) {
  const DisplayScale scale = space.layout.scale;
  return HandlerCall{handler,
                     index,
                     button,
                     shift,
                     static_cast<float>(scale.ToDesign(local.x)),
                     static_cast<float>(scale.ToDesign(local.y))};
}

}  // namespace

HandlerCall PointerRouting::Down(const PointerSpace& space, Point at, int button, int shift) {
  const Hit hit = HitTest(space.layout, space.linkWidth, at);
  // Only a left-button drag of the knob needs the moves outside its box.
  // Capturing for anything else would also swallow tray messages, which
  // arrive as moves that look as if the left button were held.
  pressHeld_ = true;
  captureHeld_ = hit.part == WindowPart::kSpeedBox && button == kLeftButton;
  switch (hit.part) {
    case WindowPart::kBackground:
      return HandlerCall{Handler::kForm_MouseDown,
                         0,
                         button,
                         shift,
                         static_cast<float>(TwipsOf(at.x, space.twipsPerPixelX)),
                         static_cast<float>(TwipsOf(at.y, space.twipsPerPixelY))};
    case WindowPart::kSpeedBox:
      return InDesignPixels(Handler::kpicSpeed_MouseDown, space, hit.local, button, shift);
    case WindowPart::kQuestionColorBox:
      return InDesignPixels(Handler::kpicColorType_MouseDown, space, hit.local, button, shift, 0);
    case WindowPart::kAnswerColorBox:
      return InDesignPixels(Handler::kpicColorType_MouseDown, space, hit.local, button, shift, 1);
    default: return {};  // frames, labels, borders, the emblem and the link take it silently
  }
}

HandlerCall PointerRouting::Move(const PointerSpace& space, Point at, int buttons, int shift) {
  if (buttons == 0) captureHeld_ = false;
  // While the left button pressed on the speed box is held, its moves go
  // there, wherever the pointer is.
  const Rect box = space.layout.speedBox;
  const auto [part, local] =
      captureHeld_ ? Hit{WindowPart::kSpeedBox, Point{at.x - box.left, at.y - box.top}}
                   : HitTest(space.layout, space.linkWidth, at);
  switch (part) {
    case WindowPart::kBackground:
      // The shell's notifications come at y 0 with what reads as the left
      // button held. From 200 % on the window is wider than the message
      // numbers, and a plain move across it must not read as one.
      if (!pressHeld_ && local.y == 0 && buttons == kLeftButton) {
        return HandlerCall{Handler::kForm_MouseMove,
                           0,
                           buttons,
                           shift,
                           static_cast<float>(TwipsOf(local.x, space.twipsPerPixelX)),
                           0.0f};
      }
      return HandlerCall{Handler::kBackgroundMove};
    case WindowPart::kSpeedBox:
      return InDesignPixels(Handler::kpicSpeed_MouseMove, space, local, buttons, shift);
    case WindowPart::kLink:
      return InDesignPixels(Handler::klblURL_MouseMove, space, local, buttons, shift);
    default: return {};
  }
}

// The capture the press held has ended already: the button's release ends it.
HandlerCall PointerRouting::Click(const PointerSpace& space, Point at) {
  return OverLink(space, at) ? HandlerCall{Handler::klblURL_Click} : HandlerCall{};
}

void PointerRouting::CaptureEnded() {
  pressHeld_ = false;
  captureHeld_ = false;
}

bool PointerRouting::OverLink(const PointerSpace& space, Point at) {
  return HitTest(space.layout, space.linkWidth, at).part == WindowPart::kLink;
}

}  // namespace kx
