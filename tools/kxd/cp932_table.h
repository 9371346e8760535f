#pragma once
// Code page 932 forms of UTF-16 text, looked up per character. The converter
// is asked once per distinct character, not once per field: it costs a few
// hundred nanoseconds a character, too slow for files of 100,000 questions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

class Cp932Table {
 public:
  Cp932Table();

  // Finds the forms of every character of `text` not seen before, all in one
  // conversion when that succeeds.
  void Learn(std::u16string_view text);

  // The bytes of `text`, or nothing when some character has no form that
  // reads back as the same character. Every character must have been learnt.
  std::optional<std::string> Encode(std::u16string_view text) const;

  // Whether one character (a UTF-16 unit; surrogates never are) has such a form.
  bool HasForm(char16_t unit) const;

 private:
  struct Form {
    std::uint8_t length = 0;  // 0: no faithful form; kUnknown: not learnt yet
    char bytes[2] = {};
  };
  static constexpr std::uint8_t kUnknown = 0xFF;

  void LearnOne(char16_t unit);

  std::vector<Form> forms_;  // by UTF-16 unit
};

}  // namespace kx
