// Any bytes as a settings file: reading never crashes, and changing one value
// leaves every other value reading as before and reads back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace {

constexpr std::string_view kSections[] = {"SCROLL", "COLOR", "FilePath", "other"};
constexpr std::string_view kKeys[] = {"SPEED", "QUESTION", "ANSWER", "KX_FILE", "x"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const kx::IniFile before(bytes);
  kx::IniFile after(bytes);
  if (!after.WriteString("COLOR", "ANSWER", "2")) std::abort();
  const kx::IniFile reread(after.Bytes());
  if (reread.ReadString("COLOR", "ANSWER") != std::string("2")) std::abort();
  if (reread.ReadInt("COLOR", "ANSWER", 9) != 2) std::abort();
  for (const auto section : kSections) {
    for (const auto key : kKeys) {
      if (section == "COLOR" && key == "ANSWER") continue;
      if (before.ReadString(section, key) != reread.ReadString(section, key)) std::abort();
      if (before.ReadInt(section, key, 9) != reread.ReadInt(section, key, 9)) std::abort();
    }
  }
  return 0;
}
