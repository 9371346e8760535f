#pragma once
// An Icon of the forms layer that owns its HICON.

#include "win32/windows_api.h"

#include "forms/tray.h"
#include "win32/scoped_win.h"

namespace kx::win {

class IconWin final : public Icon {
 public:
  explicit IconWin(HICON icon) : icon_(icon) {}
  HICON Handle() const { return icon_.Get(); }

 private:
  UniqueIcon icon_;
};

// The handle behind an Icon the binding made; nullptr for none.
inline HICON HandleOf(const Icon* icon) {
  return icon == nullptr ? nullptr : static_cast<const IconWin*>(icon)->Handle();
}

}  // namespace kx::win
