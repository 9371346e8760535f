#pragma once
// Which encoding an input file is in: the ones spreadsheets save text in.
// A byte order mark decides; then valid UTF-8 is UTF-8; then a file that is
// all code page 932 characters is code page 932.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kxd_messages.h"

namespace kx {

enum class InputEncoding { kUtf8, kUtf16, kCp932 };

// Something in the input that no character stands for.
struct TextFault {
  std::size_t offset = 0;  // in InputText::text, where a stand-in U+FFFD or the end is
  std::string message;
  bool wholeFile = false;  // the file is damaged beyond one row
};

struct InputText {
  InputEncoding encoding = InputEncoding::kUtf8;
  bool decoded = false;  // false: `text` holds the bytes, which `encoding` does not fit
  std::string text;      // UTF-8 without a byte order mark when decoded
  // Read as UTF-8 without a mark, though it is all code page 932 characters
  // too, which read as other text.
  bool alsoCp932 = false;
  std::vector<TextFault> faults;  // by offset
};

// `forced` skips the detection; UTF-16 is little-endian, with or without a
// mark. The bytes are taken over, so a large file is held once.
// `language` is that of the faults.
InputText DecodeInput(std::string bytes, std::optional<InputEncoding> forced,
                      Language language = Language::kEnglish);

std::optional<InputEncoding> ParseEncodingName(std::string_view name);
std::string EncodingName(InputEncoding encoding, Language language = Language::kEnglish);

}  // namespace kx
