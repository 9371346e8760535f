#include "quiz_builder.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <optional>

#include "anki_markup.h"
#include "cp932_table.h"
#include "delimited_reader.h"
#include "questions/record_format.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/utf8.h"

namespace kx {
namespace {

struct Field {
  std::size_t row = 0;  // index into the rows being built
  QuizColumn column = QuizColumn::kQuestion;
  std::u16string text;
  std::string bytes;
};

struct PendingRow {
  std::size_t line = 0;
  bool refused = false;
  std::size_t question = 0;  // indices into the fields, valid unless refused
  std::size_t answer = 0;
};

// Characters that glibc's converter maps one way onto a code page 932 form
// that reads back as another character, with the character to write instead.
constexpr std::array<std::pair<char32_t, char32_t>, 10> kLookAlikes = {{
    {0x301C, 0xFF5E},  // wave dash -> full-width tilde
    {0x2212, 0xFF0D},  // minus sign -> full-width hyphen-minus
    {0x2016, 0x2225},  // double vertical line -> parallel to
    {0x2014, 0x2015},  // em dash -> horizontal bar
    {0x00A2, 0xFFE0},  // cent
    {0x00A3, 0xFFE1},  // pound
    {0x00A5, 0xFFE5},  // yen
    {0x00AC, 0xFFE2},  // not sign
    {0x00A6, 0xFFE4},  // broken bar
    {0x203E, 0xFFE3},  // overline
}};

std::string CodePointName(char32_t cp) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}

std::string CharacterName(std::u16string_view character, char32_t cp) {
  std::string name = CodePointName(cp) + " '";
  AppendUtf8(character, name);
  return name + "'";
}

std::string_view ColumnName(QuizColumn column) {
  return column == QuizColumn::kQuestion ? "question" : "answer";
}

bool IsLabel(std::string_view field, std::initializer_list<std::string_view> labels) {
  const auto first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  field = field.substr(first, field.find_last_not_of(' ') - first + 1);
  std::string lower(field);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::find(labels.begin(), labels.end(), lower) != labels.end();
}

bool IsHeader(const DelimitedRow& row) {
  return row.fields.size() == 2 &&
         IsLabel(row.fields[0], {"question", "questions", "問題", "質問", "問"}) &&
         IsLabel(row.fields[1], {"answer", "answers", "解答", "答え", "答", "回答"});
}

bool IsBlank(const DelimitedRow& row) {
  return std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& field) {
    return field.find_first_not_of(' ') == std::string::npos;
  });
}

std::u16string_view TrimSpaces(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// A character the ticker could not show as text: line breaks and controls.
std::optional<std::string> CharacterFault(std::u16string_view text) {
  for (const char16_t unit : text) {
    if (unit == u'\n' || unit == u'\r') {
      return "holds a line break (" + CodePointName(unit) + "); a record holds one line";
    }
    if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) {
      return "holds the control character " + CodePointName(unit);
    }
  }
  return std::nullopt;
}

// One refusal message per character that has no faithful form.
std::vector<std::string> UnencodableCharacters(std::u16string_view text, const Cp932Table& table) {
  std::vector<std::string> messages;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 0;
    const char32_t cp = CodePointAt(text, i, length);
    const std::u16string_view character = text.substr(i, length);
    i += length;
    if (length == 1 && table.HasForm(character[0])) continue;
    std::string message = CharacterName(character, cp) + " has no code page 932 form";
    for (const auto& [from, to] : kLookAlikes) {
      if (from != cp) continue;
      const std::u16string instead(1, static_cast<char16_t>(to));
      message += "; write " + CharacterName(instead, to) + " instead";
    }
    messages.push_back(std::move(message));
  }
  return messages;
}

// A form counts only when it reads back as the same character, so what the
// ticker shows is what was written.
void EncodeFields(std::vector<Field>& fields, std::vector<PendingRow>& rows,
                  std::vector<Refusal>& refusals) {
  Cp932Table table;
  for (const Field& field : fields) table.Learn(field.text);
  for (Field& field : fields) {
    if (auto bytes = table.Encode(field.text)) {
      field.bytes = *std::move(bytes);
      continue;
    }
    rows[field.row].refused = true;
    for (auto& message : UnencodableCharacters(field.text, table)) {
      refusals.push_back({rows[field.row].line, field.column, std::move(message)});
    }
  }
}

void CheckByteCounts(const std::vector<Field>& fields, std::vector<PendingRow>& rows,
                     std::vector<Refusal>& refusals) {
  for (const Field& field : fields) {
    if (field.bytes.empty()) continue;  // not converted: refused already
    const bool question = field.column == QuizColumn::kQuestion;
    const auto limit = static_cast<std::size_t>(question ? kQuestionBytes : kAnswerBytes);
    if (field.bytes.size() <= limit) continue;
    rows[field.row].refused = true;
    refusals.push_back({rows[field.row].line, field.column,
                        std::to_string(field.bytes.size()) + " bytes in code page 932; at most " +
                            std::to_string(limit) + " fit (" + std::to_string(limit / 2) +
                            " full-width characters)"});
  }
}

bool HoldsTwoFields(const std::vector<std::string_view>& cells) {
  return cells.size() >= 2 && std::all_of(cells.begin() + 2, cells.end(),
                                          [](std::string_view cell) { return cell.empty(); });
}

std::string Hex(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

// The field's text as the ticker is to show it, or why it has none.
std::optional<std::string> DecodeField(std::string_view bytes, const BuildOptions& options,
                                       std::u16string& text) {
  if (options.cp932Fields) {
    Cp932Decoded decoded = DecodeCp932Strict(bytes);
    if (decoded.badByte) {
      return "not code page 932: byte " + Hex(static_cast<unsigned char>(bytes[*decoded.badByte])) +
             " at byte " + std::to_string(*decoded.badByte + 1) + " of the field";
    }
    text = std::move(decoded.text);
  } else {
    Utf8Decoded decoded = DecodeUtf8(bytes);
    if (decoded.error) {
      return "invalid UTF-8: byte " + Hex(decoded.error->byte) + " at byte " +
             std::to_string(decoded.error->offset + 1) + " of the field";
    }
    text = std::move(decoded.text);
  }
  if (options.html) text = StripHtml(text);
  if (options.cardText) text = PlainCardText(text, options.keepReading);
  return std::nullopt;
}

void AppendPadded(std::string& out, std::string_view bytes, int fieldBytes) {
  const auto width = static_cast<std::size_t>(fieldBytes);
  assert(bytes.size() <= width && "field longer than its place in the record");
  assert(EndsOnCharacterBoundary(bytes) && "a double-byte character would straddle a field end");
  out += bytes;
  out.append(width - bytes.size(), ' ');
}

}  // namespace

BuiltQuiz BuildQuiz(std::string_view input, const BuildOptions& options) {
  BuiltQuiz quiz;
  DelimitedTable table = ReadDelimited(input, options.delimiter);
  for (auto& problem : table.problems) {
    quiz.refusals.push_back({problem.line, QuizColumn::kNone, std::move(problem.message)});
  }

  std::vector<PendingRow> rows;
  std::vector<Field> fields;
  rows.reserve(table.rows.size());
  fields.reserve(table.rows.size() * 2);
  const auto [questionField, answerField] =
      options.fields.value_or(std::pair<std::size_t, std::size_t>{0, 1});
  const std::size_t needed = std::max(questionField, answerField) + 1;
  std::vector<std::string_view> cells;
  bool first = true;
  for (const DelimitedRow& row : table.rows) {
    if (IsBlank(row)) continue;
    const bool header = first && IsHeader(row);
    first = false;
    if (header) continue;
    cells.clear();
    for (std::size_t c = 0; c < row.fields.size(); ++c) {
      if (std::find(options.otherColumns.begin(), options.otherColumns.end(), c) ==
          options.otherColumns.end()) {
        cells.push_back(row.fields[c]);
      }
    }
    if (options.fields ? cells.size() < needed : !HoldsTwoFields(cells)) {
      quiz.refusals.push_back(
          {row.line, QuizColumn::kNone,
           (options.fields ? "expected at least " + std::to_string(needed) + " fields, found "
                           : std::string("expected 2 fields (question, answer), found ")) +
               std::to_string(cells.size())});
      continue;
    }
    const std::size_t index = rows.size();
    rows.push_back({row.line, false, 0, 0});
    for (const QuizColumn column : {QuizColumn::kQuestion, QuizColumn::kAnswer}) {
      const bool question = column == QuizColumn::kQuestion;
      std::u16string text;
      std::optional<std::string> fault =
          DecodeField(cells[question ? questionField : answerField], options, text);
      if (!fault && question && TrimSpaces(text).empty()) {
        // An empty answer makes a statement; an empty question shows nothing.
        fault = "empty; the ticker would have nothing to show";
      } else if (!fault) {
        fault = CharacterFault(text);
      }
      if (fault) {
        rows[index].refused = true;
        quiz.refusals.push_back({row.line, column, *std::move(fault)});
        continue;
      }
      (question ? rows[index].question : rows[index].answer) = fields.size();
      fields.push_back({index, column, std::u16string(TrimSpaces(text)), {}});
    }
  }
  table.rows.clear();

  EncodeFields(fields, rows, quiz.refusals);
  CheckByteCounts(fields, rows, quiz.refusals);
  std::stable_sort(quiz.refusals.begin(), quiz.refusals.end(),
                   [](const Refusal& a, const Refusal& b) { return a.line < b.line; });
  if (rows.empty() && quiz.refusals.empty()) {
    quiz.refusals.push_back({0, QuizColumn::kNone, "no questions in the file"});
  }

  quiz.records.reserve(rows.size() * static_cast<std::size_t>(kRecordSize));
  for (const PendingRow& row : rows) {
    if (row.refused) continue;
    AppendPadded(quiz.records, fields[row.question].bytes, kQuestionBytes);
    AppendPadded(quiz.records, fields[row.answer].bytes, kAnswerBytes);
    quiz.records += " \r\n";
    ++quiz.recordCount;
  }
  return quiz;
}

std::string FormatRefusal(std::string_view inputName, const Refusal& refusal) {
  std::string text(inputName);
  if (refusal.line != 0) {
    // Appended piece by piece: GCC 12 at -O3 misreads "literal" + string (-Wrestrict).
    text += ':';
    text += std::to_string(refusal.line);
  }
  text += ": ";
  if (refusal.column != QuizColumn::kNone) {
    text += ColumnName(refusal.column);
    text += ": ";
  }
  return text + refusal.message;
}

}  // namespace kx
