#include "text/utf8.h"

#include "text/utf16.h"

namespace kx {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character at bytes[at], appended to `text`; its length, or 0 with
// `error` naming the first byte that does not fit.
std::size_t DecodeOne(std::string_view bytes, std::size_t at, std::u16string& text,
                      Utf8Error& error) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (lead < 0x80) {
    text.push_back(lead);
    return 1;
  }
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07u, minimum = 0x10000;
  } else {
    error = Utf8Error{at, lead};
    return 0;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if (at + k >= bytes.size() || !IsContinuation(static_cast<unsigned char>(bytes[at + k]))) {
      const std::size_t bad = at + k < bytes.size() ? at + k : at;
      error = Utf8Error{bad, static_cast<unsigned char>(bytes[bad])};
      return 0;
    }
    cp = (cp << 6) | (static_cast<unsigned char>(bytes[at + k]) & 0x3Fu);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    error = Utf8Error{at, lead};
    return 0;
  }
  AppendCodePoint(cp, text);
  return length;
}

}  // namespace

Utf8Decoded DecodeUtf8(std::string_view bytes) {
  Utf8Decoded result;
  result.text.reserve(bytes.size());
  Utf8Error error;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = DecodeOne(bytes, at, result.text, error);
    if (length == 0) {
      result.error = error;
      break;
    }
    at += length;
  }
  return result;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  Utf8Error error;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = DecodeOne(bytes, at, text, error);
    if (length == 0) text.push_back(u'\uFFFD');
    at += length == 0 ? 1 : length;
  }
  return text;
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

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8(text, out);
  return out;
}

}  // namespace kx
