#include "fake/fake_platform.h"

#include <new>
#include <stdexcept>

#include "text/cp932.h"

namespace kx::fake {

// A switch rather than a table: the compiler then names any id left out.
std::u16string FakeStringTable::Text(StringId id) const {
  switch (id) {
    case StringId::kAppTitle: return u"KX_RuvoZava";
    case StringId::kVersionPattern: return u" Version @.0 Level ";
    case StringId::kHomePage: return u"http://www.kxquiz.example";
    case StringId::kIniFileName: return u"KXT.ini";
    case StringId::kSpecifyFileAgain: return u"Fileを指定し直して下さい。";
    case StringId::kOldFileUnusable: return u"旧Fileは使用出来ません、";
    case StringId::kFileUnusable: return u"指定されたFileは使用出来ません、";
    case StringId::kFileMissing: return u"指定されたFileは存在しません、";
    case StringId::kAlreadyRunning: return u"多重起動は出来ません。";
    case StringId::kSpeedScale: return u"Fast         Slow";
    case StringId::kPleaseLoadFile: return u"Fileを読み込んで下さい。";
    case StringId::kOpenFilter: return u"KX問題ﾌｧｲﾙ (*.kxd),*.kxd,全てのﾌｧｲﾙ (*.*),*.*";
    case StringId::kOpenTitle: return u"問題を読む";
    case StringId::kFileErrorTitle: return u"File読込Error";
    case StringId::kStartupErrorTitle: return u"起動Error";
    case StringId::kGlyphFace: return u"ＭＳ ゴシック";
    case StringId::kSampleRecord:
      return u"全国には一級河川が一〇九水系ありますが、ただ一組同じ名前の川があります。なんという川"
             u"でしょう？" +
             std::u16string(194, u' ') + u"荒川" + std::u16string(55, u' ');
  }
  throw std::invalid_argument("string id not in the table");
}

int FakeDialogs::MessageBox(std::u16string_view text, std::u16string_view, std::uint32_t) {
  messages.emplace_back(text);
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
  const int width = 7 * static_cast<int>(text.size());
  target.FillRect(Rect{at.x, at.y, at.x + width, at.y + 1}, color);
  return width;
}

}  // namespace kx::fake
