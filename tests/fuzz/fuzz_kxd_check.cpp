// Any bytes as a question file for kxd check and dump: neither crashes, a
// file check finds clean holds whole records that dump gives in full, and a
// dump that builds again dumps the same, less the records with neither
// question nor answer (build skips blank rows).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "questions/record_format.h"
#include "quiz_builder.h"
#include "quiz_checker.h"
#include "quiz_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto problems = kx::CheckQuiz(bytes);
  for (const auto& problem : problems) (void)kx::FormatProblem("fuzz.kxd", problem);
  const kx::DumpedQuiz dump = kx::DumpQuiz(bytes);
  constexpr auto kRecord = static_cast<std::size_t>(kx::kRecordSize);
  if (problems.empty() && (size % kRecord != 0 || dump.recordCount != size / kRecord)) {
    std::abort();
  }
  const kx::BuiltQuiz rebuilt = kx::BuildQuiz(dump.csv, ',');
  std::string withoutBlankRows;
  for (std::size_t start = 0; start < dump.csv.size();) {
    const std::size_t end = dump.csv.find('\n', start);
    const std::size_t next = end == std::string::npos ? dump.csv.size() : end + 1;
    const std::string_view row = std::string_view(dump.csv).substr(start, next - start);
    if (row != ",\n" && row != ",\r\n") withoutBlankRows += row;
    start = next;
  }
  if (rebuilt.refusals.empty() && kx::DumpQuiz(rebuilt.records).csv != withoutBlankRows) {
    std::abort();
  }
  return 0;
}
