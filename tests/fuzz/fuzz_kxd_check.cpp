// Any bytes as a question file for kxd check and dump: neither crashes, a
// file check finds clean holds whole records that dump gives in full, and a
// dump that builds again dumps the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
  if (rebuilt.refusals.empty() && kx::DumpQuiz(rebuilt.records).csv != dump.csv) std::abort();
  return 0;
}
