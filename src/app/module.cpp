#include "app/module.h"

#include "app/messages.h"
#include "forms/screen_units.h"

namespace kx {
namespace {

std::u16string DecimalText(int value) {
  const std::string ascii = std::to_string(value);
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

std::u16string WithTrailingBackslash(std::u16string folder) {
  if (folder.empty() || folder.back() != u'\\') folder.push_back(u'\\');
  return folder;
}

std::u16string MakeVersionTitle(const StringTable& strings, const std::u16string& appTitle,
                                ProgramVersion version) {
  return appTitle +
         FormatResString(strings, StringId::kVersionPattern, DecimalText(version.major)) +
         DecimalText(version.minor);
}

void SetScreenUnits(basRuvoZava& module, const ScreenMetrics& screen) {
  module.TwipsPerPixelX = TwipsPerPixel(screen.dpiX);
  module.TwipsPerPixelY = TwipsPerPixel(screen.dpiY);
  module.Scale = ScaleOf(screen.dpiY);
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
  SetScreenUnits(module, platform.environment.Screen());
  loadForm();
  return true;
}

}  // namespace kx
