#pragma once
// The text encodings a settings file may be stored in. Files without a byte
// order mark hold code page 932 bytes; a UTF-8 or UTF-16LE mark selects that
// encoding, as the platform's profile functions honour it. The ini parser
// works on code page 932 or UTF-8 bytes (std::string): in both, the ASCII
// bytes it looks for never occur inside another character, except as the
// second byte of a code page 932 double-byte character, which it steps over.

#include <string>
#include <string_view>

namespace kx {

enum class IniEncoding { kCp932, kUtf8, kUtf16Le };

struct IniText {
  IniEncoding encoding = IniEncoding::kCp932;
  // Code page 932 bytes for kCp932, UTF-8 for the others; without the mark.
  std::string text;
  // A UTF-16 file's odd last byte, which is no character but is kept.
  std::string oddByte;
};

// Splits off the byte order mark. UTF-16LE content is turned into UTF-8 so
// the parser sees bytes; an unpaired surrogate becomes U+FFFD.
IniText DecodeIniFile(std::string_view bytes);

// The file's bytes again, mark included. Exactly the original bytes when
// `text` came unchanged from DecodeIniFile from valid text.
std::string EncodeIniFile(const IniText& text);

}  // namespace kx
