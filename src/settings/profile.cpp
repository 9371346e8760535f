#include "settings/profile.h"

namespace kx {

std::optional<IniFile> LoadIniFile(Files& files, std::u16string_view path) {
  if (auto bytes = files.ReadWhole(path)) return IniFile(*bytes);
  if (files.Length(path)) return std::nullopt;  // there, but unreadable
  return IniFile();
}

std::optional<std::string> ReadProfileString(Files& files, std::u16string_view path,
                                             std::string_view section, std::string_view key) {
  const auto ini = LoadIniFile(files, path);
  if (!ini) return std::nullopt;
  return ini->ReadString(section, key);
}

bool WriteProfileString(Files& files, std::u16string_view path, std::string_view section,
                        std::string_view key, std::string_view value) {
  auto ini = LoadIniFile(files, path);
  if (!ini) return false;
  if (!ini->WriteString(section, key, value)) return false;
  return files.ReplaceWhole(path, ini->Bytes());
}

}  // namespace kx
