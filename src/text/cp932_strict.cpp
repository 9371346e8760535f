#include <algorithm>
#include <vector>

#include "text/cp932.h"
#include "text/cp932_bytes.h"

namespace kx {
namespace {

constexpr char16_t kStandIn = u'\u30FB';  // the converters' stand-in, also 0x81 0x45
constexpr std::string_view kStandInBytes = "\x81\x45";

unsigned char At(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

// Whether one character's bytes read back as exactly one real character.
bool ReadsAsOne(std::string_view character) {
  const std::u16string text = DecodeCp932(character);
  return text.size() == 1 && (text[0] != kStandIn || character == kStandInBytes);
}

}  // namespace

Cp932Decoded DecodeCp932Strict(std::string_view bytes) {
  // The byte structure first; the converters each excuse different faults.
  std::size_t characters = 0;
  for (std::size_t at = 0; at < bytes.size(); ++characters) {
    const std::size_t length = Cp932CharacterLength(bytes, at);
    // A lead byte without its trail byte is no single-byte character either.
    // An unassigned pair before it is the first bad byte, though.
    if (length == 1 && !IsCp932SingleByte(At(bytes, at))) {
      return {{}, DecodeCp932Strict(bytes.substr(0, at)).badByte.value_or(at)};
    }
    at += length;
  }
  Cp932Decoded result{DecodeCp932(bytes), std::nullopt};
  if (result.text.size() == characters) {
    // One unit per character: an unassigned pair shows as the stand-in.
    if (result.text.find(kStandIn) == std::u16string::npos) return result;
    for (std::size_t at = 0, unit = 0; at < bytes.size(); ++unit) {
      const std::size_t length = Cp932CharacterLength(bytes, at);
      if (result.text[unit] == kStandIn && bytes.substr(at, length) != kStandInBytes) {
        return {{}, at};
      }
      at += length;
    }
    return result;
  }
  // The converter split some pair: find it, asking once per distinct pair.
  std::vector<signed char> known(0x10000, -1);
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = Cp932CharacterLength(bytes, at);
    const std::size_t lead = At(bytes, at);
    // at(): a key past the table would be a fault of ours, never a write beyond it.
    signed char& readsAsOne = known.at(length == 1 ? lead : (lead << 8 | At(bytes, at + 1)));
    if (readsAsOne < 0) readsAsOne = ReadsAsOne(bytes.substr(at, length)) ? 1 : 0;
    if (readsAsOne == 0) return {{}, at};
    at += length;
  }
  return result;
}

}  // namespace kx
