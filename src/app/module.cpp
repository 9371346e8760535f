#include "app/module.h"

#include <algorithm>
#include <cmath>

#include "app/messages.h"

namespace kx {
namespace {

std::u16string DecimalText(int value) {
  const std::string ascii = std::to_string(value);
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

int TwipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) return 15;  // a screen that reports nothing: the usual 96 dpi
  // nearbyint follows the default rounding mode, which rounds halves to even.
  // Never 0: every pixel size is a division by this.
  return std::max(1, static_cast<int>(std::nearbyint(1440.0 / dotsPerInch)));
}

DisplayScale ScaleOf(int dotsPerInch) { return DisplayScale{std::max(dotsPerInch, 96)}; }

std::u16string WithTrailingBackslash(std::u16string folder) {
  if (folder.empty() || folder.back() != u'\\') folder.push_back(u'\\');
  return folder;
}

std::u16string MakeVersionTitle(const StringTable& strings, const std::u16string& appTitle,
                                ProgramVersion version) {
  return appTitle + FormatResString(strings, StringId::kVersionPattern, DecimalText(version.major)) +
         DecimalText(version.minor);
}

bool Main(const Platform& platform, basRuvoZava& module, const std::function<void()>& loadForm) {
  module.AppTitle = platform.strings.Text(StringId::kAppTitle);
  if (platform.environment.TopLevelWindowExists(module.AppTitle)) {
    (void)ShowResMessage(platform.strings, platform.dialogs, kWarningMessage,
                         StringId::kStartupErrorTitle, StringId::kAlreadyRunning);
    return false;
  }
  module.AppPath = WithTrailingBackslash(platform.environment.ProgramFolder());
  module.IniPath = module.AppPath + platform.strings.Text(StringId::kIniFileName);
  module.VersionTitle =
      MakeVersionTitle(platform.strings, module.AppTitle, platform.environment.Version());
  const ScreenMetrics screen = platform.environment.Screen();
  module.TwipsPerPixelX = TwipsPerPixel(screen.dpiX);
  module.TwipsPerPixelY = TwipsPerPixel(screen.dpiY);
  module.Scale = ScaleOf(screen.dpiY);
  loadForm();
  return true;
}

}  // namespace kx
