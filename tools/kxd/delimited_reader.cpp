#include "delimited_reader.h"

#include <algorithm>
#include <cctype>

namespace kx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Reader {
 public:
  Reader(std::string_view bytes, char delimiter) : bytes_(bytes), delimiter_(delimiter) {
    if (bytes_.substr(0, kByteOrderMark.size()) == kByteOrderMark) pos_ = kByteOrderMark.size();
  }

  DelimitedTable ReadAll() {
    DelimitedTable table;
    while (pos_ < bytes_.size()) {
      DelimitedRow row;
      row.line = line_;
      problem_.clear();
      ReadRow(row);
      if (!problem_.empty()) {
        table.problems.push_back({row.line, problem_});
      } else {
        table.rows.push_back(std::move(row));
      }
    }
    return table;
  }

 private:
  bool AtLineEnd() const {
    return bytes_[pos_] == '\n' ||
           (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n');
  }

  void SkipLineEnd() {
    pos_ += bytes_[pos_] == '\r' ? std::size_t{2} : std::size_t{1};
    ++line_;
  }

  // Reads one row including its line end.
  void ReadRow(DelimitedRow& row) {
    for (;;) {
      row.fields.emplace_back();
      std::string& field = row.fields.back();
      if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        if (!ReadQuoted(field)) return;
      }
      ReadUnquoted(field);
      if (pos_ >= bytes_.size()) return;
      if (bytes_[pos_] == delimiter_) {
        ++pos_;
        continue;
      }
      SkipLineEnd();
      return;
    }
  }

  // Up to the next delimiter or line end. After a closing quote anything but
  // those is a fault, though the text is still read so the row ends cleanly.
  void ReadUnquoted(std::string& field) {
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != delimiter_ && !AtLineEnd()) ++pos_;
    field.append(bytes_.substr(start, pos_ - start));
  }

  bool ReadQuoted(std::string& field) {
    ++pos_;
    for (;;) {
      const std::size_t quote = bytes_.find('"', pos_);
      if (quote == std::string_view::npos) {
        problem_ = "a quoted field that starts here is never closed";
        pos_ = bytes_.size();
        return false;
      }
      const std::string_view piece = bytes_.substr(pos_, quote - pos_);
      line_ += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
      field.append(piece);
      pos_ = quote + 1;
      if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        field.push_back('"');
        ++pos_;
        continue;
      }
      if (pos_ < bytes_.size() && bytes_[pos_] != delimiter_ && !AtLineEnd()) {
        problem_ =
            "text after the closing quote of a field (inside quotes, write a quote as two "
            "quotes)";
      }
      return true;
    }
  }

  std::string_view bytes_;
  char delimiter_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
  std::string problem_;
};

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  return std::equal(tail.begin(), tail.end(), suffix.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

DelimitedTable ReadDelimited(std::string_view bytes, char delimiter) {
  return Reader(bytes, delimiter).ReadAll();
}

char DetectDelimiter(std::string_view fileName, std::string_view bytes) {
  if (EndsWithNoCase(fileName, ".tsv")) return '\t';
  const std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
  const auto tabs = std::count(firstLine.begin(), firstLine.end(), '\t');
  const auto commas = std::count(firstLine.begin(), firstLine.end(), ',');
  return tabs > commas ? '\t' : ',';
}

}  // namespace kx
