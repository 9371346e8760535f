#pragma once
// Tray notifications reach the hidden window as mouse moves: the shell puts
// the number of the mouse message that happened on the icon into x, in
// pixels, and the binding hands x over in twips like any mouse move.

namespace kx {

// The mouse message number carried by x (twips): x rounded to an integer,
// divided by the twips per pixel, the remainder dropped. 0 for an x no
// notification can carry or a factor that is not positive.
int TrayMessageOf(float xTwips, int twipsPerPixelX);

}  // namespace kx
