#include "quiz_checker.h"

#include <cstdio>
#include <vector>

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
  FieldChecker(std::string_view name, std::size_t firstByte, PairTable& pairs)
      : name_(name), base_(firstByte), pairs_(pairs) {}

  bool FoundCut() const { return !cut_.empty(); }

  // Walks the field character by character; `problems` gets one line per kind
  // of fault, naming its first place and how often it occurs.
  void Check(std::string_view field, std::vector<std::string>& problems) {
    std::size_t i = 0;
    while (i < field.size()) {
      const unsigned char byte = At(field, i);
      if (IsCp932LeadByte(byte)) {
        if (i + 1 == field.size()) {
          cut_ = "a double-byte character is cut at byte " + std::to_string(base_ + i) +
                 " (lead byte " + Hex(byte) + ")";
        } else if (!IsCp932TrailByte(At(field, i + 1)) || pairs_.IsUnassigned(field.substr(i, 2))) {
          Note(invalid_, invalidCount_, i,
               "bytes " + Hex(byte) + " " + Hex(At(field, i + 1)) + " at byte " +
                   std::to_string(base_ + i));
        }
        i += 2;
        continue;
      }
      if (field.substr(i, 2) == "\r\n") {
        i += 2;  // reported as a split record
        continue;
      }
      if (!IsCp932SingleByte(byte)) {
        Note(invalid_, invalidCount_, i,
             "byte " + Hex(byte) + " at byte " + std::to_string(base_ + i));
      } else if (byte < 0x20 || byte == 0x7F) {
        Note(control_, controlCount_, i,
             "control byte " + Hex(byte) + " at byte " + std::to_string(base_ + i));
      }
      ++i;
    }
    const std::string prefix = std::string(name_) + ": ";
    if (!cut_.empty()) problems.push_back(prefix + cut_);
    if (invalidCount_ > 0) {
      problems.push_back(prefix + "no code page 932 character: " + invalid_ + Times(invalidCount_));
    }
    if (controlCount_ > 0) problems.push_back(prefix + control_ + Times(controlCount_));
  }

 private:
  static void Note(std::string& first, std::size_t& count, std::size_t, std::string what) {
    if (count++ == 0) first = std::move(what);
  }

  static std::string Times(std::size_t count) {
    return count == 1 ? "" : " (and " + std::to_string(count - 1) + " more)";
  }

  std::string_view name_;
  std::size_t base_;  // 1-based position of the field's first byte in the record
  PairTable& pairs_;
  std::string cut_;
  std::string invalid_;
  std::string control_;
  std::size_t invalidCount_ = 0;
  std::size_t controlCount_ = 0;
};

void CheckRecord(std::string_view record, PairTable& pairs, std::vector<std::string>& problems) {
  if (record.substr(kLine, 2) != "\r\n") problems.push_back("bytes 350-351 are not CR LF");
  const std::string_view body = record.substr(0, kLine + 1);
  for (std::size_t pos = body.find("\r\n"); pos != std::string_view::npos;
       pos = body.find("\r\n", pos + 2)) {
    if (pos == kLine) break;  // the record's own line end
    problems.push_back("a CR LF at bytes " + std::to_string(pos + 1) + "-" +
                       std::to_string(pos + 2) + " splits the record");
  }
  const std::string_view question = record.substr(0, kQuestion);
  const std::string_view answer = record.substr(kQuestion, kAnswer);
  FieldChecker("question", 1, pairs).Check(question, problems);
  FieldChecker answerChecker("answer", kQuestion + 1, pairs);
  answerChecker.Check(answer, problems);
  const unsigned char last = At(record, kQuestion + kAnswer);
  // After a cut answer, byte 349 is the cut character's second half.
  if (!answerChecker.FoundCut() && (IsCp932LeadByte(last) || !IsCp932SingleByte(last))) {
    problems.push_back("byte 349 (" + Hex(last) + ") is not a single-byte character");
  }
  // What the ticker reads is empty exactly when the field is all spaces:
  // every other byte reads as some character that is not a space. An empty
  // answer is a statement without one, which the format allows.
  if (IsBlank(question)) problems.push_back("question: empty");
}

}  // namespace

std::vector<QuizProblem> CheckQuiz(std::string_view bytes) {
  std::vector<QuizProblem> problems;
  const std::size_t records = bytes.size() / kRecord;
  const std::size_t rest = bytes.size() % kRecord;
  if (bytes.empty()) {
    problems.push_back({0, "empty: no records (the ticker would show its built-in sample)"});
  } else if (rest != 0) {
    std::string message = "length " + std::to_string(bytes.size()) + " is not a multiple of " +
                          std::to_string(kRecord);
    for (const int old : kOldRecordSizes) {
      if (bytes.size() % static_cast<std::size_t>(old) == 0) {
        message += "; it is a multiple of " + std::to_string(old) +
                   ", an older record size that the program refuses";
      }
    }
    problems.push_back({0, std::move(message)});
  }
  std::vector<std::string> found;
  PairTable pairs;
  for (std::size_t r = 0; r < records; ++r) {
    found.clear();
    CheckRecord(bytes.substr(r * kRecord, kRecord), pairs, found);
    for (auto& message : found) problems.push_back({r + 1, std::move(message)});
  }
  if (rest != 0 && records > 0) {
    problems.push_back({records + 1, "cut short: " + std::to_string(rest) + " of " +
                                         std::to_string(kRecord) + " bytes"});
  }
  return problems;
}

std::string FormatProblem(std::string_view fileName, const QuizProblem& problem) {
  std::string text(fileName);
  if (problem.record != 0) {
    text += ": record ";  // piece by piece, as in FormatRefusal
    text += std::to_string(problem.record);
  }
  return text + ": " + problem.message;
}

}  // namespace kx
