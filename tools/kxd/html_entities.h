#pragma once
// The HTML named entities, sorted by name (made at build time by
// make_html_entities.py).

#include <cstddef>

namespace kx {

// Plain pointers: two thousand string views made the table slow to compile.
struct HtmlEntity {
  const char* name;  // without '&' and ';'
  const char16_t* text;
  bool cp932Form;  // the text has a code page 932 form that reads back the same
};

extern const HtmlEntity kHtmlEntities[];
extern const std::size_t kHtmlEntityCount;

}  // namespace kx
