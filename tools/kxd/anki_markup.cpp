#include "anki_markup.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "text/utf16.h"

namespace kx {
namespace {

// Tags whose start or end breaks the line in a card.
constexpr std::array<std::u16string_view, 16> kBlockTags = {
    u"br", u"div", u"p",  u"li", u"ul", u"ol", u"tr", u"td",
    u"th", u"h1",  u"h2", u"h3", u"h4", u"h5", u"h6", u"hr"};

constexpr std::array<std::pair<std::u16string_view, char16_t>, 6> kNamedEntities = {{
    {u"amp", u'&'},
    {u"lt", u'<'},
    {u"gt", u'>'},
    {u"quot", u'"'},
    {u"apos", u'\''},
    {u"nbsp", u' '},  // kept, unlike a run of white space
}};

void AppendSpace(std::u16string& out) {
  if (!out.empty() && out.back() != u' ') out.push_back(u' ');
}

std::u16string TagName(std::u16string_view tag) {
  std::size_t at = tag.starts_with(u'/') ? 1 : 0;
  std::u16string name;
  for (; at < tag.size() && tag[at] < 0x80 && std::isalnum(tag[at]); ++at) {
    name.push_back(static_cast<char16_t>(std::tolower(tag[at])));
  }
  return name;
}

// The character of the entity at html[at] ('&'); its length, 0 when unknown.
std::size_t DecodeEntity(std::u16string_view html, std::size_t at, std::u16string& out) {
  const std::size_t end = html.find(u';', at);
  if (end == std::u16string_view::npos || end - at > 10) return 0;
  const std::u16string_view name = html.substr(at + 1, end - at - 1);
  if (name.starts_with(u'#') && name.size() > 1) {
    const bool hex = name[1] == u'x' || name[1] == u'X';
    char32_t cp = 0;
    for (const char16_t digit : name.substr(hex ? 2 : 1)) {
      const int value = digit < 0x80 && std::isxdigit(digit)
                            ? (std::isdigit(digit) ? digit - u'0' : std::tolower(digit) - 'a' + 10)
                            : 99;
      if (value >= (hex ? 16 : 10) || cp > 0x10FFFF) return 0;
      cp = cp * (hex ? 16 : 10) + static_cast<char32_t>(value);
    }
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    AppendCodePoint(cp, out);
    return end - at + 1;
  }
  for (const auto& [entity, character] : kNamedEntities) {
    if (entity != name) continue;
    out.push_back(character);
    return end - at + 1;
  }
  return 0;
}

}  // namespace

std::u16string StripHtml(std::u16string_view html) {
  std::u16string out;
  out.reserve(html.size());
  for (std::size_t at = 0; at < html.size();) {
    if (html[at] == u'<') {
      const std::size_t end = html.find(u'>', at);
      if (end != std::u16string_view::npos) {
        const std::u16string name = TagName(html.substr(at + 1, end - at - 1));
        if (std::find(kBlockTags.begin(), kBlockTags.end(), name) != kBlockTags.end()) {
          AppendSpace(out);
        }
        at = end + 1;
        continue;
      }
    }
    if (html[at] == u' ' || html[at] == u'\t' || html[at] == u'\r' || html[at] == u'\n') {
      AppendSpace(out);  // as a browser shows a run of white space
      ++at;
      continue;
    }
    if (html[at] == u'&') {
      if (const std::size_t length = DecodeEntity(html, at, out)) {
        at += length;
        continue;
      }
    }
    out.push_back(html[at++]);
  }
  return out;
}

std::u16string PlainCardText(std::u16string_view text, bool keepReading) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t baseStart = 0;  // where in `out` the current run of non-spaces starts
  for (std::size_t at = 0; at < text.size();) {
    const char16_t unit = text[at];
    if (unit == u'[') {
      const std::size_t end = text.find(u']', at);
      if (end != std::u16string_view::npos) {
        const std::u16string_view inside = text.substr(at + 1, end - at - 1);
        if (inside.starts_with(u"sound:")) {
          at = end + 1;
          continue;
        }
        if (baseStart < out.size() && !inside.empty()) {
          // The space that marked the start of the base is no text.
          if (baseStart > 0 && out[baseStart - 1] == u' ') {
            out.erase(baseStart - 1, 1);
            --baseStart;
          }
          if (keepReading) {
            out += u'(';
            out += inside;
            out += u')';
          }
          baseStart = out.size();
          at = end + 1;
          continue;
        }
      }
    }
    out.push_back(unit);
    if (unit == u' ') baseStart = out.size();
    ++at;
  }
  return out;
}

}  // namespace kx
