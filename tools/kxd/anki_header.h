#pragma once
// The header lines of a deck's "notes in plain text" export: "#key:value"
// lines before the first note, naming the separator, whether fields hold
// HTML, and which columns hold the note's id, type, deck and tags rather
// than its fields.

#include <cstddef>
#include <string>
#include <vector>

#include "kxd_messages.h"

namespace kx {

struct HeaderProblem {
  std::size_t line = 0;  // 1-based
  std::string message;   // in the language asked for
};

struct AnkiHeader {
  bool found = false;  // some header line was there: the file is such an export
  char separator = 0;  // 0: not named
  bool html = false;
  std::vector<std::size_t> otherColumns;  // 0-based, columns that are no field
  std::vector<HeaderProblem> problems;    // lines not understood
};

// Reads the header lines and blanks them in `text`, so every later line
// keeps its number.
AnkiHeader TakeAnkiHeader(std::string& text, Language language = Language::kEnglish);

}  // namespace kx
