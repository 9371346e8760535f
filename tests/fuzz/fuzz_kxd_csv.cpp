// Any bytes as a CSV or TSV file for kxd build: reading and building never
// crash, whole records only, and an accepted file's records dump to a CSV
// that builds the very same records again. Input starting with '#' is read
// as a deck's notes, markup and all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "delimited_reader.h"
#include "questions/record_format.h"
#include "quiz_builder.h"
#include "quiz_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  kx::BuildOptions options;
  options.delimiter = kx::DetectDelimiter("fuzz.csv", input, false);
  const bool deck = input.starts_with('#');
  options.html = options.cardText = deck;
  options.keepReading = deck && size % 2 == 0;
  const kx::BuiltQuiz quiz = kx::BuildQuiz(input, options);
  for (const auto& refusal : quiz.refusals) (void)kx::FormatRefusal("fuzz.csv", refusal);
  if (quiz.records.size() != quiz.recordCount * static_cast<std::size_t>(kx::kRecordSize)) {
    std::abort();
  }
  if (!quiz.refusals.empty() || deck) return 0;
  const kx::DumpedQuiz dump = kx::DumpQuiz(quiz.records);
  const kx::BuiltQuiz again = kx::BuildQuiz(dump.csv, ',');
  if (dump.recordCount != quiz.recordCount || again.records != quiz.records) std::abort();
  return 0;
}
