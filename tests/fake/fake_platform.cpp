#include "fake/fake_platform.h"

#include <map>
#include <new>
#include <sstream>
#include <stdexcept>

#include "text/cp932.h"
#include "text/utf8.h"

extern const char kResourceScript[];

namespace kx::fake {

namespace {

// The STRINGTABLE block of the resource script: `id "text"` lines, UTF-8.
std::map<std::uint16_t, std::u16string> ReadStringTable() {
  std::map<std::uint16_t, std::u16string> table;
  std::istringstream script(kResourceScript);
  std::string line;
  while (std::getline(script, line) && line.find("STRINGTABLE") != 0) {
  }
  while (std::getline(script, line) && line.find("END") != 0) {
    const auto open = line.find('"');
    const auto close = line.rfind('"');
    if (open == std::string::npos || close == open || line.find("//") < open) continue;
    table[static_cast<std::uint16_t>(std::stoi(line.substr(0, open)))] =
        Utf8ToUtf16(line.substr(open + 1, close - open - 1));
  }
  return table;
}

}  // namespace

std::u16string FakeStringTable::Text(StringId id) const {
  static const auto table = ReadStringTable();
  const auto found = table.find(static_cast<std::uint16_t>(id));
  if (found == table.end()) throw std::invalid_argument("string id not in the table");
  return found->second;
}

int FakeDialogs::MessageBox(std::u16string_view text, std::u16string_view title,
                            std::uint32_t style) {
  messages.emplace_back(text);
  boxes.push_back({std::u16string(title), style});
  if (onMessage) onMessage();
  return kIdOk;
}

std::optional<std::u16string> FakeDialogs::OpenFile(const OpenFileRequest& request) {
  fileRequests.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

std::optional<std::string> FakeFiles::ReadWhole(std::u16string_view path) {
  const auto found = contents.find(std::u16string(path));
  if (found != contents.end() && huge.contains(found->first)) throw std::bad_alloc();
  if (found == contents.end() || unreadable.contains(found->first)) return std::nullopt;
  return found->second;
}

std::optional<std::uint64_t> FakeFiles::Length(std::u16string_view path) {
  const auto found = contents.find(std::u16string(path));
  if (found == contents.end() || unmeasurable.contains(found->first)) return std::nullopt;
  return found->second.size();
}

bool FakeFiles::ReplaceWhole(std::u16string_view path, std::string_view bytes) {
  if (readOnly.contains(std::u16string(path))) return false;
  ++writes;
  contents[std::u16string(path)] = std::string(bytes);
  return true;
}

int FakeGraphics::DrawGlyph(std::u16string_view character, Color color, Surface& target) {
  glyphsDrawn.emplace_back(character);
  const auto bytes = EncodeCp932(character);
  const int width = bytes && bytes->size() == 2 ? 15 : 8;
  target.FillRect(Rect{0, 2, width - 1, 14}, color);
  return width;
}

int FakeGraphics::DrawText(Surface& target, Point at, std::u16string_view text, Color color) {
  textsDrawn.push_back({at, std::u16string(text), color});
  const int width = 7 * static_cast<int>(text.size());
  target.FillRect(Rect{at.x, at.y, at.x + width, at.y + 1}, color);
  return width;
}

}  // namespace kx::fake
