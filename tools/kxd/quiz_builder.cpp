#include "quiz_builder.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdio>
#include <optional>

#include "anki_markup.h"
#include "cp932_table.h"
#include "delimited_reader.h"
#include "kxd_messages.h"
#include "questions/record_format.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/spaces.h"
#include "text/utf8.h"

namespace kx {
namespace {

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

bool IsLabel(std::u16string_view field, std::initializer_list<std::u16string_view> labels) {
  std::u16string lower(TrimSpaces(field));
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return std::find(labels.begin(), labels.end(), lower) != labels.end();
}

bool IsHeader(std::u16string_view question, std::u16string_view answer) {
  return IsLabel(question, {u"question", u"questions", u"問題", u"質問", u"問"}) &&
         IsLabel(answer, {u"answer", u"answers", u"解答", u"答え", u"答", u"回答"});
}

bool IsBlank(std::string_view field) { return field.find_first_not_of(' ') == std::string::npos; }

// A character the ticker could not show as text: line breaks and controls.
std::optional<std::string> CharacterFault(std::u16string_view text, Language language) {
  for (const char16_t unit : text) {
    if (unit == u'\n' || unit == u'\r') {
      return Text(language, Msg::kLineBreak, {CodePointName(unit)});
    }
    if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) {
      return Text(language, Msg::kControlCharacter, {CodePointName(unit)});
    }
  }
  return std::nullopt;
}

// One refusal message per character that has no faithful form.
std::vector<std::string> UnencodableCharacters(std::u16string_view text, const Cp932Table& table,
                                               Language language) {
  std::vector<std::string> messages;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 0;
    const char32_t cp = CodePointAt(text, i, length);
    const std::u16string_view character = text.substr(i, length);
    i += length;
    if (length == 1 && table.HasForm(character[0])) continue;
    const auto lookAlike = std::find_if(kLookAlikes.begin(), kLookAlikes.end(),
                                        [cp](const auto& pair) { return pair.first == cp; });
    if (lookAlike == kLookAlikes.end()) {
      messages.push_back(Text(language, Msg::kNoCp932Form, {CharacterName(character, cp)}));
    } else {
      const std::u16string instead(1, static_cast<char16_t>(lookAlike->second));
      messages.push_back(
          Text(language, Msg::kNoCp932FormWriteInstead,
               {CharacterName(character, cp), CharacterName(instead, lookAlike->second)}));
    }
  }
  return messages;
}

std::string Hex(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

// The field's characters, or why it has none.
std::optional<std::string> DecodeBytes(std::string_view bytes, bool cp932, std::u16string& text,
                                       Language language) {
  if (cp932) {
    Cp932Decoded decoded = DecodeCp932Strict(bytes);
    if (decoded.badByte) {
      return Text(language, Msg::kNotCp932Byte,
                  {Hex(static_cast<unsigned char>(bytes[*decoded.badByte])),
                   std::to_string(*decoded.badByte + 1)});
    }
    text = std::move(decoded.text);
    return std::nullopt;
  }
  Utf8Decoded decoded = DecodeUtf8(bytes);
  if (decoded.error) {
    return Text(language, Msg::kInvalidUtf8,
                {Hex(decoded.error->byte), std::to_string(decoded.error->offset + 1)});
  }
  text = std::move(decoded.text);
  return std::nullopt;
}

void AppendPadded(std::string& out, std::string_view bytes, int fieldBytes) {
  const auto width = static_cast<std::size_t>(fieldBytes);
  assert(bytes.size() <= width && "field longer than its place in the record");
  assert(EndsOnCharacterBoundary(bytes) && "a double-byte character would straddle a field end");
  out += bytes;
  out.append(width - bytes.size(), ' ');
}

// Rows become records one at a time, so reading holds little beyond the
// input and the records.
class QuizAssembler {
 public:
  QuizAssembler(const BuildOptions& options, BuiltQuiz& quiz) : options_(options), quiz_(quiz) {
    const auto [question, answer] =
        options.fields.value_or(std::pair<std::size_t, std::size_t>{0, 1});
    questionField_ = question;
    answerField_ = answer;
  }

  void Add(const DelimitedRow& row) {
    if (TakeTextFaults(row)) return;
    if (!row.problem.empty()) {
      Refuse(row.line, QuizColumn::kNone, row.problem);
      quiz_.unreadable = quiz_.unreadable || row.unreadable;
      return;
    }
    cells_.clear();
    for (std::size_t c = 0; c < row.fields.size(); ++c) {
      if (std::find(options_.otherColumns.begin(), options_.otherColumns.end(), c) ==
          options_.otherColumns.end()) {
        cells_.push_back(row.fields[c]);
      }
    }
    if (std::all_of(cells_.begin(), cells_.end(), IsBlank)) return;
    // Excel's used range may add empty cells after the last filled one.
    const std::size_t needed = std::max(questionField_, answerField_) + 1;
    while (cells_.size() > needed && cells_.back().empty()) cells_.pop_back();
    if (options_.fields ? cells_.size() < needed : cells_.size() != 2) {
      const std::string found = std::to_string(cells_.size());
      Refuse(row.line, QuizColumn::kNone,
             options_.fields
                 ? Text(language_, Msg::kExpectedFields, {std::to_string(needed), found})
                 : Text(language_, Msg::kExpectedTwoFields, {found}));
      return;
    }
    const std::string_view question = cells_[questionField_];
    const std::string_view answer = cells_[answerField_];
    if (!seenRow_ && IsHeaderRow(question, answer)) {
      seenRow_ = true;
      return;
    }
    seenRow_ = true;
    const std::size_t refused = quiz_.refusals.size();
    const auto questionBytes = Field(row.line, QuizColumn::kQuestion, question);
    const auto answerBytes = Field(row.line, QuizColumn::kAnswer, answer);
    if (quiz_.refusals.size() != refused || !questionBytes || !answerBytes) return;
    AppendPadded(quiz_.records, *questionBytes, kQuestionBytes);
    AppendPadded(quiz_.records, *answerBytes, kAnswerBytes);
    quiz_.records += " \r\n";
    ++quiz_.recordCount;
  }

  // Faults past the last row: at the end of the file.
  void Finish(std::size_t lastLine) {
    for (; nextFault_ < options_.textFaults.size(); ++nextFault_) {
      const TextFault& fault = options_.textFaults[nextFault_];
      Refuse(lastLine, QuizColumn::kNone, fault.message);
      quiz_.unreadable = quiz_.unreadable || fault.wholeFile;
    }
  }

 private:
  void Refuse(std::size_t line, QuizColumn column, std::string message) {
    quiz_.refusals.push_back({line, column, std::move(message)});
  }

  // Characters the decoder could not make, inside this row; a fault of the
  // whole file, the cut last byte, always comes after the last row.
  bool TakeTextFaults(const DelimitedRow& row) {
    bool any = false;
    for (; nextFault_ < options_.textFaults.size() &&
           options_.textFaults[nextFault_].offset < row.end;
         ++nextFault_) {
      const TextFault& fault = options_.textFaults[nextFault_];
      Refuse(row.line, QuizColumn::kNone, fault.message);
      any = true;
    }
    return any;
  }

  // Labels are compared as text, whatever the file's encoding.
  bool IsHeaderRow(std::string_view question, std::string_view answer) const {
    std::u16string questionText, answerText;
    return !DecodeBytes(question, options_.cp932Fields, questionText, language_) &&
           !DecodeBytes(answer, options_.cp932Fields, answerText, language_) &&
           IsHeader(questionText, answerText);
  }

  // The field's code page 932 bytes, or nothing after refusing it.
  std::optional<std::string> Field(std::size_t line, QuizColumn column, std::string_view bytes) {
    const bool question = column == QuizColumn::kQuestion;
    std::u16string text;
    if (auto fault = DecodeBytes(bytes, options_.cp932Fields, text, language_)) {
      Refuse(line, column, *std::move(fault));
      return std::nullopt;
    }
    const bool typed = !TrimSpaces(text).empty();
    std::vector<std::string> problems;
    if (options_.html) text = StripHtml(text, options_.keepReading, problems, language_);
    if (options_.cardText) text = PlainCardText(text, options_.keepReading);
    for (auto& problem : problems) Refuse(line, column, std::move(problem));
    if (!problems.empty()) return std::nullopt;
    const std::u16string_view shown = TrimSpaces(text);
    std::optional<std::string> fault;
    if (shown.empty() && typed) {
      fault = Text(language_, Msg::kOnlyMarkup);
    } else if (shown.empty() && question) {
      // An empty answer makes a statement; an empty question shows nothing.
      fault = Text(language_, Msg::kEmptyField);
    } else {
      fault = CharacterFault(shown, language_);
    }
    if (fault) {
      Refuse(line, column, *std::move(fault));
      return std::nullopt;
    }
    // A form counts only when it reads back as the same character, so what
    // the ticker shows is what was written.
    table_.Learn(shown);
    auto encoded = table_.Encode(shown);
    if (!encoded) {
      for (auto& message : UnencodableCharacters(shown, table_, language_)) {
        Refuse(line, column, std::move(message));
      }
      return std::nullopt;
    }
    const auto limit = static_cast<std::size_t>(question ? kQuestionBytes : kAnswerBytes);
    if (encoded->size() > limit) {
      Refuse(line, column,
             Text(language_, Msg::kTooLong,
                  {std::to_string(encoded->size()), std::to_string(limit),
                   std::to_string(limit / 2)}));
      return std::nullopt;
    }
    return encoded;
  }

  const BuildOptions& options_;
  const Language language_ = options_.language;
  BuiltQuiz& quiz_;
  std::size_t questionField_ = 0;
  std::size_t answerField_ = 1;
  std::vector<std::string_view> cells_;
  bool seenRow_ = false;  // a first readable row of labels is no question
  std::size_t nextFault_ = 0;
  Cp932Table table_;
};

}  // namespace

BuiltQuiz BuildQuiz(std::string_view input, const BuildOptions& options) {
  BuiltQuiz quiz;
  QuizAssembler assembler(options, quiz);
  DelimitedReader reader(input, options.delimiter, options.language);
  DelimitedRow row;
  while (reader.Next(row)) assembler.Add(row);
  assembler.Finish(reader.Line());
  if (quiz.recordCount == 0 && quiz.refusals.empty()) {
    quiz.refusals.push_back({0, QuizColumn::kNone, Text(options.language, Msg::kNoQuestions)});
  }
  return quiz;
}

std::string FormatRefusal(std::string_view inputName, const Refusal& refusal, Language language) {
  std::string message;
  if (refusal.column != QuizColumn::kNone) {
    message =
        Text(language, refusal.column == QuizColumn::kQuestion ? Msg::kQuestion : Msg::kAnswer);
    message += ": ";
  }
  message += refusal.message;
  if (refusal.line == 0) return std::string(inputName) + ": " + message;
  return Text(language, Msg::kAtLine, {inputName, std::to_string(refusal.line), message});
}

}  // namespace kx
