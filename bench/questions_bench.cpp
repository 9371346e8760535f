// Loading question files of 1,000 to 1,000,000 records through the real file
// access: time, and the heap the load holds at its peak per byte of file.
// Most of the time is the first touch of the fresh buffer the file is read
// into; on a VM where page faults are dear, compare with
// GLIBC_TUNABLES=glibc.malloc.hugetlb=1, which backs it with huge pages.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <string>
#include <system_error>

#include "app/load_questions.h"
#include "app/module.h"
#include "fake/fake_platform.h"
#include "forms/files_std.h"
#include "questions/record_format.h"
#include "text/cp932.h"

namespace {

// Live and peak heap bytes, counted by the replaced operator new below.
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

struct alignas(std::max_align_t) BlockHeader {
  std::size_t size;
};

void* Allocate(std::size_t size) {
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
  if (header == nullptr) throw std::bad_alloc();
  header->size = size;
  liveBytes += size;
  if (liveBytes > peakBytes) peakBytes = liveBytes;
  return header + 1;
}

void Release(void* pointer) noexcept {
  if (pointer == nullptr) return;
  auto* header = static_cast<BlockHeader*>(pointer) - 1;
  liveBytes -= header->size;
  std::free(header);
}

// Resident set size and its peak, in bytes, from /proc/self/status.
std::size_t StatusBytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(key) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::stoul(line.substr(prefix.size())) * 1024;
  }
  return 0;
}

// Lets VmHWM start again from the current resident size.
void ResetPeakResident() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

// The generated files, removed again when the benchmarks end.
struct WrittenFiles {
  std::map<std::int64_t, std::filesystem::path> paths;
  ~WrittenFiles() {
    for (const auto& entry : paths) {
      std::error_code ignored;
      std::filesystem::remove(entry.second, ignored);
    }
  }
};

// A question file of `records` records in the temp folder, written once.
std::filesystem::path QuestionFile(std::int64_t records) {
  static WrittenFiles files;
  auto& written = files.paths;
  if (const auto found = written.find(records); found != written.end()) return found->second;
  const auto path =
      std::filesystem::temp_directory_path() / ("kx_bench_" + std::to_string(records) + ".kxd");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string question = *kx::EncodeCp932(u"全国には一級河川が一〇九水系ありますが、問");
  const std::string answer = *kx::EncodeCp932(u"荒川");
  for (std::int64_t i = 0; i < records; ++i) {
    std::string record = question + std::to_string(i);
    record.resize(kx::kQuestionBytes, ' ');
    record += answer;
    record.resize(kx::kLineBytes, ' ');
    record += "\r\n";
    out << record;
  }
  written.emplace(records, path);
  return path;
}

void BM_LoadQuestions(benchmark::State& state) {
  const auto path = QuestionFile(state.range(0));
  const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
  kx::fake::FakePlatform fake;
  kx::StdFiles files;
  const kx::Platform platform{fake.strings, fake.dialogs,  fake.environment, files,      fake.timer,
                              fake.tray,    fake.graphics, fake.window,      fake.random};
  kx::basRuvoZava module;
  module.QuestionFilePath = path.u16string();
  std::size_t worstHeap = 0;
  std::size_t worstResident = 0;
  for (auto _ : state) {
    state.PauseTiming();
    module.Questions = kx::QuestionSet();
    const std::size_t heapBefore = liveBytes;
    peakBytes = liveBytes;
    const std::size_t residentBefore = StatusBytes("VmRSS");
    ResetPeakResident();
    state.ResumeTiming();

    const bool loaded = kx::LoadQuestions(platform, module);

    state.PauseTiming();
    if (!loaded || module.Questions.count != state.range(0)) state.SkipWithError("load failed");
    worstHeap = std::max(worstHeap, peakBytes - heapBefore);
    const std::size_t residentPeak = StatusBytes("VmHWM");
    if (residentPeak > residentBefore) {
      worstResident = std::max(worstResident, residentPeak - residentBefore);
    }
    state.ResumeTiming();
  }
  state.counters["file_MB"] = fileBytes / 1e6;
  state.counters["peak_heap_per_file_byte"] = static_cast<double>(worstHeap) / fileBytes;
  state.counters["peak_rss_per_file_byte"] = static_cast<double>(worstResident) / fileBytes;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(fileBytes));
}
BENCHMARK(BM_LoadQuestions)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }
