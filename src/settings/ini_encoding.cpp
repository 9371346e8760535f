#include "settings/ini_encoding.h"

#include "text/cp932.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace kx {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string Cp932OrQuestionMarks(std::u16string_view text) {
  if (auto whole = EncodeCp932(text)) return *whole;
  std::string out;
  for (std::size_t at = 0; at < text.size(); ++at) {
    std::size_t length = 1;
    if (IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
      length = 2;
    }
    const auto piece = EncodeCp932(text.substr(at, length));
    out += piece ? *piece : std::string("?");
    at += length - 1;
  }
  return out;
}

IniText DecodeIniFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    return IniText{IniEncoding::kUtf8, std::string(bytes.substr(kUtf8Mark.size())), {}};
  }
  if (bytes.starts_with(kUtf16LeMark)) {
    auto body = bytes.substr(kUtf16LeMark.size());
    std::string oddByte;
    if (body.size() % 2 != 0) {
      oddByte = std::string(body.substr(body.size() - 1));
      body.remove_suffix(1);
    }
    return IniText{IniEncoding::kUtf16Le, Utf16ToUtf8(DecodeUtf16Le(body)), std::move(oddByte)};
  }
  return IniText{IniEncoding::kCp932, std::string(bytes), {}};
}

std::string EncodeIniFile(const IniText& text) {
  switch (text.encoding) {
    case IniEncoding::kCp932:
      return text.text;
    case IniEncoding::kUtf8:
      return std::string(kUtf8Mark) + text.text;
    case IniEncoding::kUtf16Le:
      return std::string(kUtf16LeMark) + EncodeUtf16Le(Utf8ToUtf16(text.text)) + text.oddByte;
  }
  return text.text;
}

}  // namespace kx
