#include "anki_markup.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <span>

#include "html_entities.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace kx {
namespace {

// Tags whose start or end breaks the line in a card.
constexpr std::array<std::u16string_view, 16> kBlockTags = {
    u"br", u"div", u"p",  u"li", u"ul", u"ol", u"tr", u"td",
    u"th", u"h1",  u"h2", u"h3", u"h4", u"h5", u"h6", u"hr"};

constexpr std::size_t kLongestEntityName = 32;
constexpr std::size_t kLongestNumericEntity = 8;  // "#x10FFFF"

// The next `closer` at or after a position that only grows: found once, and
// searched again only when passed.
class NextCloser {
 public:
  NextCloser(std::u16string_view text, std::u16string_view closer) : text_(text), closer_(closer) {}

  std::size_t From(std::size_t at) {
    if (!searched_ || (next_ != std::u16string_view::npos && next_ < at)) {
      next_ = text_.find(closer_, at);
      searched_ = true;
    }
    return next_;
  }

 private:
  std::u16string_view text_;
  std::u16string_view closer_;
  std::size_t next_ = std::u16string_view::npos;
  bool searched_ = false;
};

bool IsAsciiAlnum(char16_t unit) { return unit < 0x80 && std::isalnum(unit); }

void AppendSpace(std::u16string& out) {
  if (!out.empty() && out.back() != u' ') out.push_back(u' ');
}

std::u16string TagName(std::u16string_view tag) {
  std::size_t at = tag.starts_with(u'/') ? 1 : 0;
  std::u16string name;
  for (; at < tag.size() && IsAsciiAlnum(tag[at]); ++at) {
    name.push_back(static_cast<char16_t>(std::tolower(tag[at])));
  }
  return name;
}

std::optional<char32_t> NumericEntity(std::u16string_view digits) {
  const bool hex = digits.starts_with(u'x') || digits.starts_with(u'X');
  if (hex) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  char32_t cp = 0;
  for (const char16_t digit : digits) {
    const int value = digit < 0x80 && std::isxdigit(digit)
                          ? (std::isdigit(digit) ? digit - u'0' : std::tolower(digit) - 'a' + 10)
                          : 99;
    if (value >= (hex ? 16 : 10)) return std::nullopt;
    cp = cp * (hex ? 16 : 10) + static_cast<char32_t>(value);
  }
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return cp;
}

const HtmlEntity* NamedEntity(std::u16string_view name16) {
  std::string name;
  for (const char16_t unit : name16) name.push_back(static_cast<char>(unit));
  const std::span<const HtmlEntity> entities(kHtmlEntities, kHtmlEntityCount);
  const auto found = std::lower_bound(
      entities.begin(), entities.end(), name,
      [](const HtmlEntity& entity, const std::string& key) { return entity.name < key; });
  return found != entities.end() && found->name == name ? &*found : nullptr;
}

// The text of the entity at html[at] ('&'); its length, 0 when it is none.
std::size_t DecodeEntity(std::u16string_view html, std::size_t at, std::u16string& out,
                         std::vector<std::string>& problems, Language language) {
  const bool numeric = at + 1 < html.size() && html[at + 1] == u'#';
  const std::size_t start = at + (numeric ? 2 : 1);
  const std::size_t longest = numeric ? kLongestNumericEntity : kLongestEntityName;
  std::size_t end = start;
  while (end < html.size() && end - start <= longest && IsAsciiAlnum(html[end])) ++end;
  if (end == start || end >= html.size() || html[end] != u';') return 0;
  const std::u16string_view name = html.substr(start, end - start);
  if (numeric) {
    const auto cp = NumericEntity(name);
    if (!cp) return 0;
    AppendCodePoint(*cp, out);
  } else if (name == u"nbsp") {
    out.push_back(u' ');  // kept, unlike a run of white space; code page 932 has no U+00A0
  } else if (const HtmlEntity* entity = NamedEntity(name)) {
    if (entity->cp932Form) {
      out += entity->text;
    } else {
      std::string text;
      AppendUtf8(entity->text, text);
      problems.push_back(Text(language, Msg::kEntityNoCp932Form, {entity->name, text}));
    }
  } else {
    return 0;  // shown as typed, as a browser shows an unknown name
  }
  return end - at + 1;
}

bool IsKana(char16_t unit) {
  return (unit >= 0x3041 && unit <= 0x30FF) || (unit >= 0xFF66 && unit <= 0xFF9F);
}

bool EndsInKanji(std::u16string_view text) {
  if (text.empty()) return false;
  const char16_t last = text.back();
  if (last >= 0xDC00 && last <= 0xDFFF && text.size() >= 2) {
    const char16_t high = text[text.size() - 2];
    return high >= 0xD840 && high <= 0xD87F;  // the ideographs of plane 2
  }
  return (last >= 0x3400 && last <= 0x4DBF) || (last >= 0x4E00 && last <= 0x9FFF) ||
         (last >= 0xF900 && last <= 0xFAFF) || (last >= 0x3005 && last <= 0x3007);
}

// "{{c12::" at text[at]; its length, 0 when it is none.
std::size_t ClozeOpener(std::u16string_view text, std::size_t at) {
  if (text.substr(at, 3) != u"{{c") return 0;
  std::size_t end = at + 3;
  while (end < text.size() && end - at < 8 && text[end] >= u'0' && text[end] <= u'9') ++end;
  return end > at + 3 && text.substr(end, 2) == u"::" ? end + 2 - at : 0;
}

}  // namespace

std::u16string StripHtml(std::u16string_view html, bool keepReading,
                         std::vector<std::string>& problems, Language language) {
  std::u16string out;
  out.reserve(html.size());
  NextCloser tagEnd(html, u">");
  bool inReading = false;   // inside <rt>
  bool inFallback = false;  // inside <rp>, the parentheses for browsers without ruby
  for (std::size_t at = 0; at < html.size();) {
    if (html[at] == u'<') {
      const std::size_t end = tagEnd.From(at);
      if (end != std::u16string_view::npos) {
        const std::u16string_view tag = html.substr(at + 1, end - at - 1);
        const bool closing = tag.starts_with(u'/');
        const std::u16string name = TagName(tag);
        const bool endsReading = inReading && (closing ? name == u"rt" || name == u"ruby"
                                                       : name == u"rt" || name == u"rb");
        if (endsReading) {
          inReading = false;
          if (keepReading) out.push_back(u')');
        }
        if (name == u"rt" && !closing) {
          inReading = true;
          if (keepReading) out.push_back(u'(');
        } else if (name == u"rp") {
          inFallback = !closing;
        } else if (std::find(kBlockTags.begin(), kBlockTags.end(), name) != kBlockTags.end()) {
          AppendSpace(out);
        }
        at = end + 1;
        continue;
      }
    }
    if (inFallback || (inReading && !keepReading)) {
      ++at;
      continue;
    }
    if (html[at] == u' ' || html[at] == u'\t' || html[at] == u'\r' || html[at] == u'\n') {
      AppendSpace(out);  // as a browser shows a run of white space
      ++at;
      continue;
    }
    if (html[at] == u'&') {
      if (const std::size_t length = DecodeEntity(html, at, out, problems, language)) {
        at += length;
        continue;
      }
    }
    out.push_back(html[at++]);
  }
  if (inReading && keepReading) out.push_back(u')');
  return out;
}

std::u16string PlainCardText(std::u16string_view text, bool keepReading) {
  std::u16string out;
  out.reserve(text.size());
  NextCloser bracketEnd(text, u"]");
  NextCloser clozeEnd(text, u"}}");
  std::size_t baseStart = 0;  // where in `out` the current run of non-spaces starts
  int clozes = 0;             // open clozes
  bool inHint = false;
  for (std::size_t at = 0; at < text.size();) {
    const char16_t unit = text[at];
    if (const std::size_t opener = ClozeOpener(text, at)) {
      if (clozeEnd.From(at + opener) != std::u16string_view::npos) {
        ++clozes;
        at += opener;
        continue;
      }
    }
    if (clozes > 0 && text.substr(at, 2) == u"}}") {
      --clozes;
      inHint = false;
      at += 2;
      continue;
    }
    if (clozes > 0 && !inHint && text.substr(at, 2) == u"::") {
      inHint = true;
      at += 2;
      continue;
    }
    if (inHint) {
      ++at;
      continue;
    }
    if (unit == u'[') {
      const std::size_t end = bracketEnd.From(at);
      if (end != std::u16string_view::npos) {
        const std::u16string_view inside = text.substr(at + 1, end - at - 1);
        if (inside.starts_with(u"sound:")) {
          at = end + 1;
          continue;
        }
        const bool reading = !inside.empty() && std::all_of(inside.begin(), inside.end(), IsKana);
        if (reading && EndsInKanji(std::u16string_view(out).substr(baseStart))) {
          // The space that marked the start of the base is no text.
          if (std::u16string_view(out).substr(0, baseStart).ends_with(u' ')) {
            out.erase(baseStart - 1, 1);
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
