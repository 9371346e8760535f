#include "soak/soak_services.h"

#include <algorithm>

#include "win32/icon_win.h"

namespace kx::soak {

bool CountingTray::Add(const TrayData& data) {
  ++adds;
  lastAddIcon = data.icon;
  lastAddTip = data.tip;
  const TimeSpent timing(inShell);
  const bool accepted = forward_ && real_.Add(data);
  if (accepted) ++addsAccepted;
  return accepted;
}

bool CountingTray::Modify(const TrayData& data) {
  ++modifies;
  const TimeSpent timing(inShell);
  const bool accepted = forward_ && real_.Modify(data);
  if (accepted) ++modifiesAccepted;
  return accepted;
}

bool CountingTray::Delete(const TrayData& data) {
  ++deletes;
  return forward_ && real_.Delete(data);
}

CountingGraphics::CountingGraphics(Graphics& real)
    : real_(real),
      probeDc_(CreateCompatibleDC(nullptr)),
      probeBitmap_(CreateBitmap(16, 16, 1, 32, nullptr)) {
  // Selected for the whole run: the probe's GDI objects stay constant.
  (void)SelectObject(probeDc_.Get(), probeBitmap_.Get());
}

void CountingGraphics::SelectGlyphFont(std::u16string_view face, int points) {
  real_.SelectGlyphFont(face, points);
}

void CountingGraphics::SelectWindowFont(std::u16string_view face, float points) {
  real_.SelectWindowFont(face, points);
}

int CountingGraphics::DrawGlyph(std::u16string_view character, Color color, Surface& target) {
  ++glyphsDrawn;
  const TimeSpent timing(inGlyphs);
  return real_.DrawGlyph(character, color, target);
}

int CountingGraphics::DrawText(Surface& target, Point at, std::u16string_view text, Color color) {
  return real_.DrawText(target, at, text, color);
}

std::unique_ptr<Icon> CountingGraphics::MakeIcon(const Surface& picture) {
  std::unique_ptr<Icon> icon;
  {
    const TimeSpent timing(inIcons);
    icon = real_.MakeIcon(picture);
  }
  recent_[iconsMade % kRecentIcons] = win::HandleOf(icon.get());
  ++iconsMade;
  return icon;
}

const Icon& CountingGraphics::ProgramIcon() { return real_.ProgramIcon(); }

std::size_t CountingGraphics::LiveRecentIcons() const {
  // Drawing a destroyed icon fails; it allocates nothing, unlike asking for
  // the icon's bitmaps. The system does not hand out a freed handle's value
  // again within a few hundred icons.
  return static_cast<std::size_t>(std::count_if(recent_.begin(), recent_.end(), [&](HICON icon) {
    return icon != nullptr &&
           DrawIconEx(probeDc_.Get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL) != FALSE;
  }));
}

}  // namespace kx::soak
