#include "settings/ini_encoding.h"

#include "text/cp932.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace kx {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

}  // namespace

IniText DecodeIniFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    return IniText{IniEncoding::kUtf8, std::string(bytes.substr(kUtf8Mark.size())), {}};
  }
  if (bytes.starts_with(kUtf16LeMark)) {
    auto body = bytes.substr(kUtf16LeMark.size());
    // DecodeUtf16Le takes whole pairs only; an odd last byte is kept aside.
    std::string oddByte;
    if (body.size() % 2 != 0) oddByte = std::string(body.substr(body.size() - 1));
    return IniText{IniEncoding::kUtf16Le, Utf16ToUtf8(DecodeUtf16Le(body)), std::move(oddByte)};
  }
  return IniText{IniEncoding::kCp932, std::string(bytes), {}};
}

std::string EncodeIniFile(const IniText& text) {
  switch (text.encoding) {
    case IniEncoding::kCp932: return text.text;
    case IniEncoding::kUtf8: return std::string(kUtf8Mark) + text.text;
    case IniEncoding::kUtf16Le:
      return std::string(kUtf16LeMark) + EncodeUtf16Le(Utf8ToUtf16(text.text)) + text.oddByte;
  }
  return text.text;
}

}  // namespace kx
