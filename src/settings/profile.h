#pragma once
// The settings file on disk, one access per call like the platform's profile
// functions: each read loads the file, each write loads, changes and
// replaces it (through a temporary file, so a crash never leaves half a
// file). Names and values are code page 932 bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "forms/files.h"
#include "settings/ini_file.h"

namespace kx {

// The file as it is now; empty when it does not exist. Nothing when it
// exists but cannot be read, so that no write replaces what it could not see.
std::optional<IniFile> LoadIniFile(Files& files, std::u16string_view path);

// A missing or unreadable file reads as empty.
std::optional<std::string> ReadProfileString(Files& files, std::u16string_view path,
                                             std::string_view section, std::string_view key);

// Creates file, section and key as needed. False when nothing was stored:
// the file could not be read or written, or the value cannot stand on a line.
bool WriteProfileString(Files& files, std::u16string_view path, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace kx
