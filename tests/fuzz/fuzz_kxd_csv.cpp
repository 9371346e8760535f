// Any bytes as a CSV or TSV file for kxd build: reading and building never
// crash, and whenever build accepts the file, dumping the records gives each
// row's question and answer back as written (less the spaces around them).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "delimited_reader.h"
#include "questions/record_format.h"
#include "quiz_builder.h"
#include "quiz_dump.h"

namespace {

std::string Trimmed(std::string_view field) {
  const auto first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(field.substr(first, field.find_last_not_of(' ') - first + 1));
}

bool IsBlank(const kx::DelimitedRow& row) {
  return std::all_of(row.fields.begin(), row.fields.end(),
                     [](const std::string& f) { return Trimmed(f).empty(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const char delimiter = kx::DetectDelimiter("fuzz.csv", input);
  const kx::BuiltQuiz quiz = kx::BuildQuiz(input, delimiter);
  for (const auto& refusal : quiz.refusals) (void)kx::FormatRefusal("fuzz.csv", refusal);
  if (quiz.records.size() != quiz.recordCount * static_cast<std::size_t>(kx::kRecordSize)) {
    std::abort();
  }
  if (!quiz.refusals.empty()) return 0;

  std::vector<kx::DelimitedRow> written;
  for (auto& row : kx::ReadDelimited(input, delimiter).rows) {
    if (!IsBlank(row)) written.push_back(std::move(row));
  }
  // Only a header row is left out of an accepted file.
  if (quiz.recordCount != written.size() && quiz.recordCount + 1 != written.size()) std::abort();
  const kx::DumpedQuiz dump = kx::DumpQuiz(quiz.records);
  if (dump.recordCount != quiz.recordCount) std::abort();
  const kx::DelimitedTable back = kx::ReadDelimited(dump.csv, ',');
  if (!back.problems.empty() || back.rows.size() != quiz.recordCount + 1) std::abort();
  const std::size_t skipped = written.size() - quiz.recordCount;
  for (std::size_t i = 0; i < quiz.recordCount; ++i) {
    const auto& in = written[skipped + i].fields;
    const auto& out = back.rows[i + 1].fields;
    if (out.size() != 2 || out[0] != Trimmed(in[0]) || out[1] != Trimmed(in[1])) std::abort();
  }
  return 0;
}
