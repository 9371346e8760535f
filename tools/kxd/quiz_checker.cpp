#include "quiz_checker.h"

#include <cstdio>
#include <vector>

#include "kxd_messages.h"
#include "questions/record_format.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"

namespace kx {
namespace {

constexpr auto kRecord = static_cast<std::size_t>(kRecordSize);
constexpr auto kQuestion = static_cast<std::size_t>(kQuestionBytes);
constexpr auto kAnswer = static_cast<std::size_t>(kAnswerBytes);
constexpr auto kLine = static_cast<std::size_t>(kLineBytes);

std::string Hex(unsigned char byte) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "0x%02X", byte);
  return buffer;
}

unsigned char At(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

// Whether each structurally sound pair is one the converter can read,
// asked once per distinct pair: the converter is slow.
class PairTable {
 public:
  bool IsUnassigned(std::string_view pair) {
    signed char& known = known_.at(static_cast<std::size_t>(At(pair, 0) << 8 | At(pair, 1)));
    if (known == kUnknown) known = DecodeCp932Strict(pair).badByte ? 1 : 0;
    return known == 1;
  }

 private:
  static constexpr signed char kUnknown = -1;
  std::vector<signed char> known_ = std::vector<signed char>(0x10000, kUnknown);
};

bool IsBlank(std::string_view field) {
  return field.find_first_not_of(' ') == std::string_view::npos;
}

class FieldChecker {
 public:
  FieldChecker(Msg name, std::size_t firstByte, PairTable& pairs, Language language)
      : name_(Text(language, name)), base_(firstByte), pairs_(pairs), language_(language) {}

  bool FoundCut() const { return !cut_.empty(); }

  // Walks the field character by character; `problems` gets one line per kind
  // of fault, naming its first place and how often it occurs.
  void Check(std::string_view field, std::vector<std::string>& problems) {
    std::size_t i = 0;
    while (i < field.size()) {
      const unsigned char byte = At(field, i);
      const std::size_t length = Cp932CharacterLength(field, i);
      // A lead byte before a byte that cannot follow it is a byte of its own.
      if (length == 2 || (IsCp932LeadByte(byte) && i + 1 == field.size())) {
        if (i + 1 == field.size()) {
          cut_ = Text(language_, Msg::kCutCharacter, {std::to_string(base_ + i), Hex(byte)});
        } else if (pairs_.IsUnassigned(field.substr(i, 2))) {
          Note(invalid_, invalidCount_, i,
               Text(language_, Msg::kBytesAt,
                    {Hex(byte), Hex(At(field, i + 1)), std::to_string(base_ + i)}));
        }
        i += length;
        continue;
      }
      if (field.substr(i, 2) == "\r\n") {
        i += 2;  // reported as a split record
        continue;
      }
      if (!IsCp932SingleByte(byte)) {
        Note(invalid_, invalidCount_, i,
             Text(language_, Msg::kByteAt, {Hex(byte), std::to_string(base_ + i)}));
      } else if (byte < 0x20 || byte == 0x7F) {
        Note(control_, controlCount_, i,
             Text(language_, Msg::kControlByte, {Hex(byte), std::to_string(base_ + i)}));
      }
      ++i;
    }
    const std::string prefix = name_ + ": ";
    if (!cut_.empty()) problems.push_back(prefix + cut_);
    if (invalidCount_ > 0) {
      problems.push_back(prefix + Text(language_, Msg::kNoCp932Character, {invalid_}) +
                         Times(invalidCount_));
    }
    if (controlCount_ > 0) problems.push_back(prefix + control_ + Times(controlCount_));
  }

 private:
  static void Note(std::string& first, std::size_t& count, std::size_t, std::string what) {
    if (count++ == 0) first = std::move(what);
  }

  std::string Times(std::size_t count) const {
    return count == 1 ? "" : Text(language_, Msg::kAndMore, {std::to_string(count - 1)});
  }

  std::string name_;
  std::size_t base_;  // 1-based position of the field's first byte in the record
  PairTable& pairs_;
  Language language_;
  std::string cut_;
  std::string invalid_;
  std::string control_;
  std::size_t invalidCount_ = 0;
  std::size_t controlCount_ = 0;
};

void CheckRecord(std::string_view record, PairTable& pairs, Language language,
                 std::vector<std::string>& problems) {
  if (record.substr(kLine, 2) != "\r\n") problems.push_back(Text(language, Msg::kNotCrLf));
  const std::string_view body = record.substr(0, kLine + 1);
  for (std::size_t pos = body.find("\r\n"); pos != std::string_view::npos;
       pos = body.find("\r\n", pos + 2)) {
    if (pos == kLine) break;  // the record's own line end
    problems.push_back(
        Text(language, Msg::kCrLfSplits, {std::to_string(pos + 1), std::to_string(pos + 2)}));
  }
  const std::string_view question = record.substr(0, kQuestion);
  const std::string_view answer = record.substr(kQuestion, kAnswer);
  FieldChecker(Msg::kQuestion, 1, pairs, language).Check(question, problems);
  FieldChecker answerChecker(Msg::kAnswer, kQuestion + 1, pairs, language);
  answerChecker.Check(answer, problems);
  const unsigned char last = At(record, kQuestion + kAnswer);
  // After a cut answer, byte 349 is the cut character's second half.
  if (!answerChecker.FoundCut() && (IsCp932LeadByte(last) || !IsCp932SingleByte(last))) {
    problems.push_back(Text(language, Msg::kByte349, {Hex(last)}));
  }
  // What the ticker reads is empty exactly when the field is all spaces:
  // every other byte reads as some character that is not a space. An empty
  // answer is a statement without one, which the format allows.
  if (IsBlank(question)) {
    problems.push_back(Text(language, Msg::kQuestion) + ": " + Text(language, Msg::kEmpty));
  }
}

}  // namespace

std::vector<QuizProblem> CheckQuiz(std::string_view bytes, Language language) {
  std::vector<QuizProblem> problems;
  const std::size_t records = bytes.size() / kRecord;
  const std::size_t rest = bytes.size() % kRecord;
  if (bytes.empty()) {
    problems.push_back({0, Text(language, Msg::kFileEmpty)});
  } else if (rest != 0) {
    std::string message = Text(language, Msg::kLengthNotMultiple,
                               {std::to_string(bytes.size()), std::to_string(kRecord)});
    for (const int old : kOldRecordSizes) {
      if (bytes.size() % static_cast<std::size_t>(old) == 0) {
        message += Text(language, Msg::kOlderRecordSize, {std::to_string(old)});
      }
    }
    problems.push_back({0, std::move(message)});
  }
  std::vector<std::string> found;
  PairTable pairs;
  for (std::size_t r = 0; r < records; ++r) {
    found.clear();
    CheckRecord(bytes.substr(r * kRecord, kRecord), pairs, language, found);
    for (auto& message : found) problems.push_back({r + 1, std::move(message)});
  }
  if (rest != 0 && records > 0) {
    problems.push_back({records + 1, Text(language, Msg::kCutShort,
                                          {std::to_string(rest), std::to_string(kRecord)})});
  }
  return problems;
}

std::string FormatProblem(std::string_view fileName, const QuizProblem& problem,
                          Language language) {
  if (problem.record == 0) return std::string(fileName) + ": " + problem.message;
  return Text(language, Msg::kAtRecord,
              {fileName, std::to_string(problem.record), problem.message});
}

}  // namespace kx
