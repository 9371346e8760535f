#include "input_encoding.h"

#include <utility>

#include "text/cp932.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace kx {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

InputText FromUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  const bool valid = !DecodeUtf8(bytes).error;
  return {InputEncoding::kUtf8, valid, std::string(bytes)};
}

InputText FromUtf16(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeMark)) bytes.remove_prefix(kUtf16LeMark.size());
  // An unpaired surrogate becomes U+FFFD, which no record can hold: the
  // row is refused by name rather than the file as a whole.
  return {InputEncoding::kUtf16, true, Utf16ToUtf8(DecodeUtf16Le(bytes))};
}

InputText FromCp932(std::string_view bytes) {
  Cp932Decoded decoded = DecodeCp932Strict(bytes);
  if (decoded.badByte) return {InputEncoding::kCp932, false, std::string(bytes)};
  return {InputEncoding::kCp932, true, Utf16ToUtf8(decoded.text)};
}

}  // namespace

InputText DecodeInput(std::string_view bytes, std::optional<InputEncoding> forced) {
  if (forced == InputEncoding::kUtf8) return FromUtf8(bytes);
  if (forced == InputEncoding::kUtf16) return FromUtf16(bytes);
  if (forced == InputEncoding::kCp932) return FromCp932(bytes);
  if (bytes.starts_with(kUtf16LeMark)) return FromUtf16(bytes);
  InputText utf8 = FromUtf8(bytes);
  if (utf8.decoded || bytes.starts_with(kUtf8Mark)) return utf8;
  InputText cp932 = FromCp932(bytes);
  // Neither: the rows are read as UTF-8, so each refusal names its bad byte.
  return cp932.decoded ? std::move(cp932) : std::move(utf8);
}

std::optional<InputEncoding> ParseEncodingName(std::string_view name) {
  if (name == "utf-8" || name == "utf8") return InputEncoding::kUtf8;
  if (name == "utf-16" || name == "utf16" || name == "utf-16le") return InputEncoding::kUtf16;
  if (name == "cp932" || name == "shift_jis" || name == "sjis") return InputEncoding::kCp932;
  return std::nullopt;
}

std::string_view EncodingName(InputEncoding encoding) {
  switch (encoding) {
    case InputEncoding::kUtf8: return "UTF-8";
    case InputEncoding::kUtf16: return "UTF-16LE";
    case InputEncoding::kCp932: return "code page 932";
  }
  return "UTF-8";
}

}  // namespace kx
