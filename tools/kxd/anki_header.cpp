#include "anki_header.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kx {
namespace {

constexpr std::array<std::pair<std::string_view, char>, 6> kSeparators = {{
    {"tab", '\t'},
    {"comma", ','},
    {"semicolon", ';'},
    {"pipe", '|'},
    {"space", ' '},
    {"colon", ':'},
}};

constexpr std::array<std::string_view, 4> kColumnKeys = {"guid column", "notetype column",
                                                         "deck column", "tags column"};

// Header keys that say nothing about where the fields are.
constexpr std::array<std::string_view, 4> kOtherKeys = {"notetype", "deck", "tags", "columns"};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

template <std::size_t N>
bool Has(const std::array<std::string_view, N>& keys, std::string_view key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::optional<char> SeparatorNamed(std::string_view value) {
  if (value.size() == 1) return value[0];
  // "#separator: tab" is read as the deck program reads it, trimmed.
  const std::size_t first = value.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  value = value.substr(first, value.find_last_not_of(' ') - first + 1);
  if (value.size() == 1) return value[0];
  const std::string name = Lower(value);
  for (const auto& [separatorName, separator] : kSeparators) {
    if (separatorName == name) return separator;
  }
  return std::nullopt;
}

}  // namespace

AnkiHeader TakeAnkiHeader(std::string& text, Language language) {
  AnkiHeader header;
  std::size_t lineNumber = 1;
  for (std::size_t at = 0; at < text.size() && text[at] == '#'; ++lineNumber) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + at, end - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) break;
    const std::string key = Lower(line.substr(1, colon - 1));
    const std::string_view value = line.substr(colon + 1);
    const auto problem = [&](Msg id) {
      header.problems.push_back({lineNumber, Text(language, id, {value})});
    };
    if (key == "separator") {
      if (const auto separator = SeparatorNamed(value)) {
        header.separator = *separator;
      } else {
        problem(Msg::kUnknownSeparator);
      }
    } else if (key == "html") {
      header.html = Lower(value) == "true";
    } else if (Has(kColumnKeys, key)) {
      std::size_t column = 0;
      for (const char digit : value) {
        column = std::isdigit(static_cast<unsigned char>(digit)) && column < 1000
                     ? column * 10 + static_cast<std::size_t>(digit - '0')
                     : 0;
      }
      if (column == 0) {
        problem(Msg::kNoColumnNumber);
      } else {
        header.otherColumns.push_back(column - 1);
      }
    } else if (!Has(kOtherKeys, key)) {
      break;  // a note that starts with '#', not a header line
    }
    header.found = true;
    std::fill(text.begin() + static_cast<std::ptrdiff_t>(at),
              text.begin() + static_cast<std::ptrdiff_t>(end), ' ');
    at = end + 1;
  }
  return header;
}

}  // namespace kx
