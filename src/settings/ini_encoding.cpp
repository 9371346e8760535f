#include "settings/ini_encoding.h"

#include <cstdint>

#include "text/cp932.h"

namespace kx {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
  const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0 | (code >> 6));
    put(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    put(0xE0 | (code >> 12));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  } else {
    put(0xF0 | (code >> 18));
    put(0x80 | ((code >> 12) & 0x3F));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
  } else {
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      length = 1, code = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, code = lead & 0x07u, minimum = 0x10000;
    }
    bool valid = length != 0 && at + length <= utf8.size();
    for (std::size_t i = 1; valid && i < length; ++i) {
      const auto next = static_cast<unsigned char>(utf8[at + i]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (valid && length > 1) {
      valid = code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    }
    if (!valid) {
      out.push_back(u'\uFFFD');
      ++at;
      continue;
    }
    AppendUtf16(out, code);
    at += length;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  for (std::size_t at = 0; at < utf16.size(); ++at) {
    char32_t code = utf16[at];
    if (IsHighSurrogate(code) && at + 1 < utf16.size() && IsLowSurrogate(utf16[at + 1])) {
      code = 0x10000 + ((code - 0xD800) << 10) + (utf16[at + 1] - 0xDC00u);
      ++at;
    } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
      code = 0xFFFD;
    }
    AppendUtf8(out, code);
  }
  return out;
}

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
    std::u16string units;
    units.reserve(body.size() / 2);
    for (std::size_t at = 0; at < body.size(); at += 2) {
      units.push_back(static_cast<char16_t>(static_cast<unsigned char>(body[at]) |
                                            (static_cast<unsigned char>(body[at + 1]) << 8)));
    }
    return IniText{IniEncoding::kUtf16Le, Utf16ToUtf8(units), std::move(oddByte)};
  }
  return IniText{IniEncoding::kCp932, std::string(bytes), {}};
}

std::string EncodeIniFile(const IniText& text) {
  switch (text.encoding) {
    case IniEncoding::kCp932:
      return text.text;
    case IniEncoding::kUtf8:
      return std::string(kUtf8Mark) + text.text;
    case IniEncoding::kUtf16Le: {
      std::string out(kUtf16LeMark);
      for (const char16_t unit : Utf8ToUtf16(text.text)) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
      }
      return out + text.oddByte;
    }
  }
  return text.text;
}

}  // namespace kx
