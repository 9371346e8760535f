#pragma once
// The one window frmRuvoZava as the platform shows it.

#include <string_view>

#include "forms/geometry.h"
#include "forms/screen_units.h"

namespace kx {

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Outer size of the window in pixels, frame included.
  virtual Point OuterSize() const = 0;
  // Drops the caption bar and gives the window this outer size in pixels,
  // keeping its place on the screen.
  virtual void RemoveCaption(int outerWidth, int outerHeight) = 0;
  // The screen's scale changed: gives the window the outer size it is
  // created with at this scale, caption included, keeping its place and its
  // style; RemoveCaption then trims it as at start.
  virtual void SetScale(DisplayScale scale) = 0;
  virtual void Show() = 0;  // modeless, as the settings window
  virtual void Hide() = 0;
  // Repaint the visible window from the form's pictures.
  virtual void Refresh() = 0;
  // Opens the popup menu at the cursor; a choice comes back as PopUp_Click.
  virtual void ShowPopupMenu() = 0;
  // Opens an address with the user's default handler ("open").
  virtual void OpenAddress(std::u16string_view address) = 0;
  // Unloads the window: the message loop ends once the handler returns.
  virtual void Unload() = 0;
};

}  // namespace kx
