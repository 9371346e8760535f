#pragma once
// Which encoding an input file is in: the ones spreadsheets save text in.
// A byte order mark decides; then valid UTF-8 is UTF-8; then a file that is
// all code page 932 characters is code page 932.

#include <optional>
#include <string>
#include <string_view>

namespace kx {

enum class InputEncoding { kUtf8, kUtf16, kCp932 };

struct InputText {
  InputEncoding encoding = InputEncoding::kUtf8;
  bool decoded = false;  // false: `text` holds the bytes, which `encoding` does not fit
  std::string text;      // UTF-8 without a byte order mark when decoded
};

// `forced` skips the detection; UTF-16 is little-endian, with or without a mark.
InputText DecodeInput(std::string_view bytes, std::optional<InputEncoding> forced);

std::optional<InputEncoding> ParseEncodingName(std::string_view name);
std::string_view EncodingName(InputEncoding encoding);

}  // namespace kx
