#include "cp932_table.h"

#include <cassert>
#include <vector>

#include "text/cp932.h"

namespace kx {
Cp932Table::Cp932Table() : forms_(0x10000) {
  for (Form& form : forms_) form.length = kUnknown;
  for (char16_t unit = 0xD800; unit <= 0xDFFF; ++unit) forms_[unit].length = 0;
}

void Cp932Table::LearnOne(char16_t unit) {
  const std::u16string_view one(&unit, 1);
  const auto bytes = EncodeCp932(one);
  Form& form = forms_[unit];
  form.length = 0;
  if (!bytes || bytes->empty() || bytes->size() > 2 || DecodeCp932(*bytes) != one) return;
  form.length = static_cast<std::uint8_t>(bytes->size());
  bytes->copy(form.bytes, bytes->size());
}

void Cp932Table::Learn(std::u16string_view text) {
  std::vector<char16_t> fresh;
  for (const char16_t unit : text) {
    if (forms_[unit].length != kUnknown) continue;
    forms_[unit].length = 0;  // marks it as queued
    fresh.push_back(unit);
  }
  if (fresh.empty()) return;
  // Each new character followed by a line break: 0x0A is never part of a
  // double-byte character, so the bytes split where the characters did.
  std::u16string batch;
  for (const char16_t unit : fresh) {
    if (unit == u'\n') continue;
    batch += unit;
    batch += u'\n';
  }
  const auto bytes = EncodeCp932(batch);
  if (bytes && DecodeCp932(*bytes) == batch) {
    std::size_t start = 0;
    for (const char16_t unit : fresh) {
      if (unit == u'\n') continue;
      const std::size_t end = bytes->find('\n', start);
      Form& form = forms_[unit];
      form.length = static_cast<std::uint8_t>(end - start);
      assert(form.length >= 1 && form.length <= 2 && "a character takes one or two bytes");
      bytes->copy(form.bytes, end - start, start);
      start = end + 1;
    }
    if (forms_[u'\n'].length == 0) LearnOne(u'\n');
    return;
  }
  // Some character reads back as another: find out which, one by one.
  for (const char16_t unit : fresh) LearnOne(unit);
}

std::optional<std::string> Cp932Table::Encode(std::u16string_view text) const {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    const Form& form = forms_[unit];
    assert(form.length != kUnknown && "character not learnt before encoding");
    if (form.length == 0 || form.length == kUnknown) return std::nullopt;
    bytes.append(form.bytes, form.length);
  }
  return bytes;
}

bool Cp932Table::HasForm(char16_t unit) const {
  const std::uint8_t length = forms_[unit].length;
  return length != 0 && length != kUnknown;
}

}  // namespace kx
