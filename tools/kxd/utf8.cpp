#include "utf8.h"

namespace kx {
namespace {

void AppendCodePoint(char32_t cp, std::u16string& text) {
  if (cp < 0x10000) {
    text.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

Utf8Decoded DecodeUtf8(std::string_view bytes) {
  Utf8Decoded result;
  result.text.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      result.text.push_back(lead);
      ++i;
      continue;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      cp = lead & 0x1Fu;
      minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      cp = lead & 0x0Fu;
      minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      cp = lead & 0x07u;
      minimum = 0x10000;
    } else {
      result.error = Utf8Error{i, lead};
      return result;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if (i + k >= bytes.size() || !IsContinuation(static_cast<unsigned char>(bytes[i + k]))) {
        const std::size_t at = i + k < bytes.size() ? i + k : i;
        result.error = Utf8Error{at, static_cast<unsigned char>(bytes[at])};
        return result;
      }
      cp = (cp << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      result.error = Utf8Error{i, lead};
      return result;
    }
    AppendCodePoint(cp, result.text);
    i += length;
  }
  return result;
}

char32_t CodePointAt(std::u16string_view text, std::size_t index, std::size_t& length) {
  const char16_t unit = text[index];
  if (unit >= 0xD800 && unit <= 0xDBFF && index + 1 < text.size() && text[index + 1] >= 0xDC00 &&
      text[index + 1] <= 0xDFFF) {
    length = 2;
    return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
           (static_cast<char32_t>(text[index + 1]) - 0xDC00);
  }
  length = 1;
  return unit;
}

void AppendUtf8(std::u16string_view text, std::string& out) {
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 0;
    char32_t cp = CodePointAt(text, i, length);
    i += length;
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

}  // namespace kx
