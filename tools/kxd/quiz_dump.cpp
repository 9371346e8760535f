#include "quiz_dump.h"

#include "questions/question_lines.h"
#include "questions/record_format.h"
#include "text/utf8.h"

namespace kx {

void AppendCsvField(std::string_view field, std::string& out) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

DumpedQuiz DumpQuiz(std::string_view bytes) {
  DumpedQuiz dump;
  dump.csv = "問題,解答\r\n";
  const QuestionLines lines = QuestionLines::FromBytes(std::string(bytes));
  std::string field;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    for (const bool question : {true, false}) {
      field.clear();
      AppendUtf8(question ? QuestionOf(lines[i]) : AnswerOf(lines[i]), field);
      AppendCsvField(field, dump.csv);
      dump.csv += question ? "," : "\r\n";
    }
    ++dump.recordCount;
  }
  return dump;
}

}  // namespace kx
