#include "delimited_reader.h"

#include <algorithm>
#include <cctype>

namespace kx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  return std::equal(tail.begin(), tail.end(), suffix.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

DelimitedReader::DelimitedReader(std::string_view bytes, char delimiter, Language language)
    : bytes_(bytes), delimiter_(delimiter), language_(language) {
  if (bytes_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
}

bool DelimitedReader::AtLineEnd() const {
  return bytes_[pos_] == '\n' ||
         (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n');
}

void DelimitedReader::SkipLineEnd() {
  pos_ += bytes_[pos_] == '\r' ? std::size_t{2} : std::size_t{1};
  ++line_;
}

bool DelimitedReader::Next(DelimitedRow& row) {
  if (pos_ >= bytes_.size()) return false;
  row.line = line_;
  row.problem.clear();
  row.unreadable = false;
  std::size_t count = 0;
  for (;;) {
    if (count == row.fields.size()) row.fields.emplace_back();
    std::string& field = row.fields[count++];
    field.clear();
    if (pos_ < bytes_.size() && bytes_[pos_] == '"' && !ReadQuoted(field, row)) break;
    ReadUnquoted(field);
    if (pos_ >= bytes_.size()) break;
    if (bytes_[pos_] == delimiter_) {
      ++pos_;
      continue;
    }
    SkipLineEnd();
    break;
  }
  row.fields.resize(count);
  row.end = pos_;
  return true;
}

// Up to the next delimiter or line end. After a closing quote anything but
// those is a fault, though the text is still read so the row ends cleanly.
void DelimitedReader::ReadUnquoted(std::string& field) {
  const std::size_t start = pos_;
  while (pos_ < bytes_.size() && bytes_[pos_] != delimiter_ && !AtLineEnd()) ++pos_;
  field.append(bytes_.substr(start, pos_ - start));
}

bool DelimitedReader::ReadQuoted(std::string& field, DelimitedRow& row) {
  ++pos_;
  for (;;) {
    const std::size_t quote = bytes_.find('"', pos_);
    const std::string_view piece = bytes_.substr(pos_, quote - pos_);
    line_ += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
    if (quote == std::string_view::npos) {
      // Every later row is inside the quotes: none of them can be told apart.
      const std::size_t last = line_ - (bytes_.ends_with('\n') ? 1 : 0);
      row.problem = last > row.line ? Text(language_, Msg::kQuoteNeverClosedLines,
                                           {std::to_string(row.line), std::to_string(last)})
                                    : Text(language_, Msg::kQuoteNeverClosed);
      row.unreadable = true;
      pos_ = bytes_.size();
      return false;
    }
    field.append(piece);
    pos_ = quote + 1;
    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
      field.push_back('"');
      ++pos_;
      continue;
    }
    if (pos_ < bytes_.size() && bytes_[pos_] != delimiter_ && !AtLineEnd() && row.problem.empty()) {
      row.problem = Text(language_, Msg::kTextAfterQuote);
    }
    return true;
  }
}

char DetectDelimiter(std::string_view fileName, std::string_view bytes, bool deck) {
  if (EndsWithNoCase(fileName, ".tsv")) return '\t';
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::size_t tabs = 0;
  std::size_t commas = 0;
  bool quoted = false;
  for (const char c : bytes) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' && (tabs > 0 || commas > 0)) break;
    tabs += c == '\t';
    commas += c == ',';
  }
  return tabs > commas || (deck && tabs > 0) ? '\t' : ',';
}

}  // namespace kx
