// The cost of first touching a fresh buffer the size of a 100,000-record
// question file: the loader's time is mostly this on a VM whose page faults
// are dear. Compare a run with GLIBC_TUNABLES=glibc.malloc.hugetlb=1.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kPage = 4096;

// A fresh allocation every iteration (large enough that malloc maps it anew
// and unmaps it on free), one write per page.
void BM_FirstTouch(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    auto* buffer = static_cast<char*>(std::malloc(size));
    if (buffer == nullptr) {
      state.SkipWithError("out of memory");
      break;
    }
    for (std::size_t i = 0; i < size; i += kPage) buffer[i] = 1;
    benchmark::DoNotOptimize(buffer);
    benchmark::ClobberMemory();
    std::free(buffer);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(size));
}
BENCHMARK(BM_FirstTouch)->Arg(35'100'000)->Unit(benchmark::kMillisecond);

// The same writes into a buffer whose pages are already there.
void BM_TouchAgain(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  auto* buffer = static_cast<char*>(std::malloc(size));
  if (buffer == nullptr) {
    state.SkipWithError("out of memory");
    return;
  }
  std::memset(buffer, 0, size);
  for (auto _ : state) {
    for (std::size_t i = 0; i < size; i += kPage) buffer[i] = 1;
    benchmark::DoNotOptimize(buffer);
    benchmark::ClobberMemory();
  }
  std::free(buffer);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(size));
}
BENCHMARK(BM_TouchAgain)->Arg(35'100'000)->Unit(benchmark::kMillisecond);

}  // namespace
