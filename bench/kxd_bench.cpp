#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "anki_markup.h"
#include "quiz_builder.h"
#include "quiz_checker.h"
#include "quiz_dump.h"

namespace {

// A CSV of `rows` questions of typical length: full-width text, half-width
// katakana and digits, about 80 characters a row.
std::string QuizCsv(int rows) {
  std::string csv = "問題,解答\n";
  for (int i = 0; i < rows; ++i) {
    const std::string n = std::to_string(i);
    csv += "第" + n + "問：日本で一番高い山は何でしょう？ﾋﾝﾄ:静岡県と山梨県の境にあります,富士山" +
           n + "\n";
  }
  return csv;
}

void BM_BuildQuiz(benchmark::State& state) {
  const std::string csv = QuizCsv(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const kx::BuiltQuiz quiz = kx::BuildQuiz(csv, ',');
    benchmark::DoNotOptimize(quiz.records.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(csv.size()));
}
BENCHMARK(BM_BuildQuiz)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_CheckQuiz(benchmark::State& state) {
  const std::string records = kx::BuildQuiz(QuizCsv(static_cast<int>(state.range(0))), ',').records;
  for (auto _ : state) benchmark::DoNotOptimize(kx::CheckQuiz(records));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckQuiz)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DumpQuiz(benchmark::State& state) {
  const std::string records = kx::BuildQuiz(QuizCsv(static_cast<int>(state.range(0))), ',').records;
  for (auto _ : state) benchmark::DoNotOptimize(kx::DumpQuiz(records).csv.data());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DumpQuiz)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

// One 400 KB field of markup openers that never close: every search for the
// closer must not rescan the rest of the field.
void BM_PlainLongField(benchmark::State& state) {
  const std::u16string field(static_cast<std::size_t>(state.range(0)), u"&<[{"[state.range(1)]);
  std::vector<std::string> problems;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        kx::PlainCardText(kx::StripHtml(field, false, problems), false).data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PlainLongField)->ArgsProduct({{400000}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);
