#include "settings/ini_file.h"

#include <cassert>
#include <vector>

#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/utf8.h"

namespace kx {
namespace {

constexpr std::size_t kNone = std::string::npos;

bool IsBlank(char byte) {
  // 0x1A: the old end-of-file mark, which the platform skips like a space.
  return byte == ' ' || byte == '\t' || byte == '\v' || byte == '\f' || byte == '\x1A';
}

bool IsLineBreak(char byte) { return byte == '\r' || byte == '\n'; }

// Bytes of the character at `at`: a code page 932 double-byte character
// counts as one, so its second byte is never taken for "]" or a letter.
std::size_t CharLength(std::string_view text, std::size_t at, bool doubleBytes) {
  return doubleBytes ? Cp932CharacterLength(text, at) : 1;
}

char FoldAscii(char byte) {
  return (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 32) : byte;
}

std::uint32_t DigitValue(char byte) {
  if (byte >= '0' && byte <= '9') return static_cast<std::uint32_t>(byte - '0');
  if (byte >= 'a' && byte <= 'z') return static_cast<std::uint32_t>(byte - 'a') + 10;
  if (byte >= 'A' && byte <= 'Z') return static_cast<std::uint32_t>(byte - 'A') + 10;
  return 99;
}

bool SameName(std::string_view a, std::string_view b, bool doubleBytes) {
  if (a.size() != b.size()) return false;
  for (std::size_t at = 0; at < a.size();) {
    const std::size_t length = CharLength(a, at, doubleBytes);
    if (length == 2) {
      // Only ASCII letters have case here, as in the platform's comparison.
      if (a.substr(at, 2) != b.substr(at, 2)) return false;
    } else if (FoldAscii(a[at]) != FoldAscii(b[at])) {
      return false;
    }
    at += length;
  }
  return true;
}

enum class LineKind { kBlank, kSection, kKey };

struct Line {
  std::size_t begin = 0;       // first byte of the line
  std::size_t contentEnd = 0;  // where the line break starts
  std::size_t end = 0;         // after the line break
  LineKind kind = LineKind::kBlank;
  std::size_t nameBegin = 0;
  std::size_t nameEnd = 0;
  std::size_t equals = kNone;  // position of the first "=", if any
  std::size_t valueBegin = 0;
  std::size_t valueEnd = 0;
};

Line ParseLine(std::string_view text, std::size_t begin, bool doubleBytes) {
  Line line;
  line.begin = begin;
  std::size_t at = begin;
  while (at < text.size() && !IsLineBreak(text[at])) ++at;
  line.contentEnd = at;
  // One break: CR LF, LF or CR alone.
  if (at < text.size() && text[at] == '\r') {
    ++at;
    if (at < text.size() && text[at] == '\n') ++at;
  } else if (at < text.size()) {
    ++at;  // LF
  }
  line.end = at;

  std::size_t first = line.begin;
  std::size_t last = line.contentEnd;
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  if (first == last) return line;

  if (text[first] == '[') {
    std::size_t closing = kNone;
    for (std::size_t i = first + 1; i < last; i += CharLength(text, i, doubleBytes)) {
      if (text[i] == ']') closing = i;
    }
    if (closing != kNone) {
      line.kind = LineKind::kSection;
      line.nameBegin = first + 1;
      line.nameEnd = closing;
      while (line.nameBegin < line.nameEnd && IsBlank(text[line.nameBegin])) ++line.nameBegin;
      while (line.nameEnd > line.nameBegin && IsBlank(text[line.nameEnd - 1])) --line.nameEnd;
      return line;
    }
  }

  line.kind = LineKind::kKey;
  line.nameBegin = first;
  line.nameEnd = last;
  for (std::size_t i = first; i < last; i += CharLength(text, i, doubleBytes)) {
    if (text[i] == '=') {
      line.equals = i;
      break;
    }
  }
  if (line.equals != kNone) {
    line.nameEnd = line.equals;
    while (line.nameEnd > line.nameBegin && IsBlank(text[line.nameEnd - 1])) --line.nameEnd;
    line.valueBegin = line.equals + 1;
    line.valueEnd = last;
    while (line.valueBegin < line.valueEnd && IsBlank(text[line.valueBegin])) ++line.valueBegin;
  }
  return line;
}

std::vector<Line> ParseLines(std::string_view text, bool doubleBytes) {
  std::vector<Line> lines;
  for (std::size_t at = 0; at < text.size();) {
    lines.push_back(ParseLine(text, at, doubleBytes));
    at = lines.back().end;
  }
  return lines;
}

std::string_view NameOf(std::string_view text, const Line& line) {
  return text.substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

// Where a key was found: the index of its line, or of the place to add it.
struct Place {
  std::size_t sectionLine = kNone;     // header of the first matching section
  std::size_t keyLine = kNone;         // the first matching key in it
  std::size_t lastFilledLine = kNone;  // last non-blank line of that section
};

Place Find(std::string_view text, const std::vector<Line>& lines, std::string_view section,
           std::string_view key, bool doubleBytes) {
  Place place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    if (place.sectionLine == kNone) {
      if (line.kind == LineKind::kSection && SameName(NameOf(text, line), section, doubleBytes)) {
        place.sectionLine = i;
        place.lastFilledLine = i;
      }
      continue;
    }
    if (line.kind == LineKind::kSection) break;
    if (line.kind == LineKind::kBlank) continue;
    place.lastFilledLine = i;
    if (SameName(NameOf(text, line), key, doubleBytes)) {
      place.keyLine = i;
      break;
    }
  }
  return place;
}

std::string_view LineBreakOf(std::string_view text) {
  const std::size_t at = text.find_first_of("\r\n");
  if (at == kNone) return "\r\n";
  if (text[at] == '\n') return "\n";
  return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

void DropQuotes(std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
}

[[maybe_unused]] bool IsPlainName(std::string_view name) {
  if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
  return name.find_first_of(std::string_view("\r\n\0=[]", 6)) == kNone;
}

}  // namespace

IniFile::IniFile(std::string_view bytes) : text_(DecodeIniFile(bytes)) {}

std::string IniFile::Bytes() const { return EncodeIniFile(text_); }

std::optional<std::string> IniFile::ReadString(std::string_view section,
                                               std::string_view key) const {
  const bool doubleBytes = text_.encoding == IniEncoding::kCp932;
  std::string sectionName(section);
  std::string keyName(key);
  if (!doubleBytes) {
    sectionName = Utf16ToUtf8(DecodeCp932(section));
    keyName = Utf16ToUtf8(DecodeCp932(key));
  }
  const std::string_view text = text_.text;
  const auto lines = ParseLines(text, doubleBytes);
  const Place place = Find(text, lines, sectionName, keyName, doubleBytes);
  if (place.keyLine == kNone) return std::nullopt;
  const Line& line = lines[place.keyLine];
  if (line.equals == kNone) return std::nullopt;
  std::string value(text.substr(line.valueBegin, line.valueEnd - line.valueBegin));
  if (!doubleBytes) value = EncodeCp932OrQuestionMark(Utf8ToUtf16(value));
  DropQuotes(value);
  return value;
}

std::int32_t IniFile::ReadInt(std::string_view section, std::string_view key,
                              std::int32_t defaultValue) const {
  const auto value = ReadString(section, key);
  if (!value || value->empty()) return defaultValue;
  // The platform reads at most 29 characters into its number buffer.
  const std::string_view digits = std::string_view(*value).substr(0, 29);
  std::size_t at = 0;
  while (at < digits.size() && static_cast<unsigned char>(digits[at]) <= ' ') ++at;
  bool negative = false;
  if (at < digits.size() && (digits[at] == '+' || digits[at] == '-')) {
    negative = digits[at] == '-';
    ++at;
  }
  // The platform also takes "0x", "0o" and "0b" for bases 16, 8 and 2.
  std::uint32_t base = 10;
  if (at + 1 < digits.size() && digits[at] == '0') {
    base = digits[at + 1] == 'x' ? 16 : digits[at + 1] == 'o' ? 8 : digits[at + 1] == 'b' ? 2 : 10;
    if (base != 10) at += 2;
  }
  std::uint32_t total = 0;
  for (; at < digits.size(); ++at) {
    const std::uint32_t digit = DigitValue(digits[at]);
    if (digit >= base) break;
    total = total * base + digit;
  }
  if (negative) total = 0u - total;
  return static_cast<std::int32_t>(total);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  assert(IsPlainName(section) && "an ini section name must be a plain name");
  assert(IsPlainName(key) && "an ini key name must be a plain name");
  if (value.find_first_of(std::string_view("\r\n\0", 3)) != kNone) return false;

  const bool doubleBytes = text_.encoding == IniEncoding::kCp932;
  std::string sectionName(section);
  std::string keyName(key);
  std::string newValue(value);
  if (!doubleBytes) {
    sectionName = Utf16ToUtf8(DecodeCp932(section));
    keyName = Utf16ToUtf8(DecodeCp932(key));
    newValue = Utf16ToUtf8(DecodeCp932(value));
  }
  std::string& text = text_.text;
  const auto lines = ParseLines(text, doubleBytes);
  const Place place = Find(text, lines, sectionName, keyName, doubleBytes);
  const std::string lineBreak(LineBreakOf(text));

  if (place.keyLine != kNone) {
    // Keep the name as it is written; replace only what follows it.
    const Line& line = lines[place.keyLine];
    const std::size_t valueStart = line.equals != kNone ? line.equals + 1 : line.nameEnd;
    const std::string replacement = (line.equals != kNone ? "" : "=") + newValue;
    text.replace(valueStart, line.contentEnd - valueStart, replacement);
    return true;
  }
  if (place.sectionLine != kNone) {
    const Line& after = lines[place.lastFilledLine];
    std::string insertion;
    if (after.end == after.contentEnd) insertion += lineBreak;  // last line had no break
    insertion += keyName + "=" + newValue + lineBreak;
    text.insert(after.end, insertion);
    return true;
  }
  if (!text.empty() && !IsLineBreak(text.back())) text += lineBreak;
  text += "[" + sectionName + "]" + lineBreak + keyName + "=" + newValue + lineBreak;
  return true;
}

}  // namespace kx
