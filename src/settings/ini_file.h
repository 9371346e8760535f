#pragma once
// An ini-style settings file held in memory, read and changed the way the
// platform's profile functions read and change it:
// - a line is a section header when it starts with "[" and has a "]"; the
//   name is what lies between "[" and the last "]";
// - any other non-blank line is a key: the text before its first "=" is the
//   name, the rest the value; a line without "=" is a key with no value;
// - names are compared without regard to ASCII case; the first matching
//   section, and in it the first matching key, win; keys of a later section
//   of the same name are never seen;
// - spaces and tabs around lines, names and values do not count, and one
//   pair of matching quotes (" or ') around a value is dropped;
// - there is no comment syntax: ";x=1" is simply a key named ";x".
// Changing a value rewrites only that line (or adds a line, or a section at
// the end); every other byte of the file stays as it was.
//
// Names and values passed in and out are code page 932 bytes, whatever the
// file's own encoding (code page 932, or UTF-8 / UTF-16LE with a mark).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_encoding.h"

namespace kx {

class IniFile {
 public:
  // An empty file.
  IniFile() = default;
  // The file's bytes, with or without a byte order mark.
  explicit IniFile(std::string_view bytes);

  // The value as read, quotes dropped; nothing when the section or key is
  // missing or the key's line has no "=".
  std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

  // An optional sign and the leading decimal digits of the value (no digits:
  // 0; more than 32 bits: wrapped); `defaultValue` when the key is missing
  // or its value empty.
  std::int32_t ReadInt(std::string_view section, std::string_view key,
                       std::int32_t defaultValue) const;

  // Sets the key, adding it (and its section) when missing. False, with
  // nothing changed, for a value that cannot stand on one line (CR, LF, NUL).
  // Section and key must be plain names (asserted).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

  // The whole file as it would be stored.
  std::string Bytes() const;

 private:
  IniText text_;
};

}  // namespace kx
