#include "input_encoding.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "text/cp932.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace kx {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// Decoders build UTF-16 text twice the size of their input: they are given
// a piece at a time, each ending on a line end, which is a whole character
// in UTF-8 and code page 932 alike.
constexpr std::size_t kPieceBytes = 1 << 16;

template <typename Each>
bool EveryPiece(std::string_view bytes, Each each) {
  while (!bytes.empty()) {
    std::size_t end = bytes.find('\n', std::min(bytes.size(), kPieceBytes) - 1);
    end = end == std::string_view::npos ? bytes.size() : end + 1;
    if (!each(bytes.substr(0, end))) return false;
    bytes.remove_prefix(end);
  }
  return true;
}

bool IsUtf8(std::string_view bytes) {
  return EveryPiece(bytes, [](std::string_view piece) { return !DecodeUtf8(piece).error; });
}

bool IsCp932(std::string_view bytes) {
  return EveryPiece(bytes,
                    [](std::string_view piece) { return !DecodeCp932Strict(piece).badByte; });
}

std::string Hex(unsigned value, int digits) {
  char text[12];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

InputText FromUtf8(std::string bytes) {
  if (bytes.starts_with(kUtf8Mark)) bytes.erase(0, kUtf8Mark.size());
  const bool valid = IsUtf8(bytes);
  return {InputEncoding::kUtf8, valid, std::move(bytes), false, {}};
}

InputText FromUtf16(std::string_view bytes, Language language) {
  if (bytes.starts_with(kUtf16LeMark)) bytes.remove_prefix(kUtf16LeMark.size());
  InputText input{InputEncoding::kUtf16, true, {}, false, {}};
  input.text.reserve(bytes.size() / 2 * 3 / 2);
  const auto unitAt = [&](std::size_t at) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes.at(at)) |
                                 static_cast<unsigned char>(bytes.at(at + 1)) << 8);
  };
  const std::size_t units = bytes.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t pair[2] = {unitAt(2 * i), i + 1 < units ? unitAt(2 * i + 2) : u'\0'};
    const bool high = pair[0] >= 0xD800 && pair[0] <= 0xDBFF;
    if (high && pair[1] >= 0xDC00 && pair[1] <= 0xDFFF) {
      AppendUtf8(std::u16string_view(pair, 2), input.text);
      ++i;
    } else if (high || (pair[0] >= 0xDC00 && pair[0] <= 0xDFFF)) {
      input.faults.push_back(
          {input.text.size(), Text(language, Msg::kHalfSurrogate, {Hex(pair[0], 4)}), false});
      AppendUtf8(u"\uFFFD", input.text);
    } else {
      AppendUtf8(std::u16string_view(pair, 1), input.text);
    }
  }
  if (bytes.size() % 2 != 0) {
    input.faults.push_back(
        {input.text.size(),
         Text(language, Msg::kHalfUtf16AtEnd, {Hex(static_cast<unsigned char>(bytes.back()), 2)}),
         true});
  }
  return input;
}

InputText FromCp932(std::string bytes) {
  std::string text;
  const bool valid = EveryPiece(bytes, [&](std::string_view piece) {
    Cp932Decoded decoded = DecodeCp932Strict(piece);
    if (decoded.badByte) return false;
    AppendUtf8(decoded.text, text);
    return true;
  });
  if (!valid) return {InputEncoding::kCp932, false, std::move(bytes), false, {}};
  return {InputEncoding::kCp932, true, std::move(text), false, {}};
}

}  // namespace

InputText DecodeInput(std::string bytes, std::optional<InputEncoding> forced, Language language) {
  if (forced == InputEncoding::kUtf8) return FromUtf8(std::move(bytes));
  if (forced == InputEncoding::kUtf16) return FromUtf16(bytes, language);
  if (forced == InputEncoding::kCp932) return FromCp932(std::move(bytes));
  if (bytes.starts_with(kUtf16LeMark)) return FromUtf16(bytes, language);
  const bool marked = bytes.starts_with(kUtf8Mark);
  InputText utf8 = FromUtf8(std::move(bytes));
  if (utf8.decoded && !marked) {
    const bool ascii = std::all_of(utf8.text.begin(), utf8.text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    utf8.alsoCp932 = !ascii && IsCp932(utf8.text);
  }
  if (utf8.decoded || marked) return utf8;
  // Neither: the rows are read as UTF-8, so each refusal names its bad byte.
  InputText cp932 = FromCp932(std::move(utf8.text));
  if (cp932.decoded) return cp932;
  return {InputEncoding::kUtf8, false, std::move(cp932.text), false, {}};
}

std::optional<InputEncoding> ParseEncodingName(std::string_view name) {
  if (name == "utf-8" || name == "utf8") return InputEncoding::kUtf8;
  if (name == "utf-16" || name == "utf16" || name == "utf-16le") return InputEncoding::kUtf16;
  if (name == "cp932" || name == "shift_jis" || name == "sjis") return InputEncoding::kCp932;
  return std::nullopt;
}

std::string EncodingName(InputEncoding encoding, Language language) {
  switch (encoding) {
    case InputEncoding::kUtf8: break;
    case InputEncoding::kUtf16: return Text(language, Msg::kEncodingUtf16);
    case InputEncoding::kCp932: return Text(language, Msg::kEncodingCp932);
  }
  return Text(language, Msg::kEncodingUtf8);
}

}  // namespace kx
