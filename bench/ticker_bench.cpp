// The portable part of one timer tick, with a stub platform that does as
// little as a platform can: it paints glyphs as bars and builds empty icons.
// Besides the time, each benchmark reports heap allocations per tick.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "forms/graphics.h"
#include "forms/random_source.h"
#include "questions/question_set.h"
#include "questions/record_format.h"
#include "text/cp932.h"
#include "ticker/ticker_engine.h"
#include "ticker/tray_icon.h"

namespace {

std::atomic<long long> allocations{0};

void* Allocate(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void Release(void* p) noexcept { std::free(p); }

}  // namespace

// Counting replacements of the global allocation functions.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

namespace {

class BarGraphics final : public kx::Graphics {
 public:
  void SetScreenDpi(int) override {}
  void SelectGlyphFont(std::u16string_view, int) override {}
  void SelectWindowFont(std::u16string_view, float) override {}
  int DrawGlyph(std::u16string_view character, kx::Color color, kx::Surface& target) override {
    const int width = !character.empty() && character[0] >= 0x80 ? 15 : 8;
    target.FillRect(kx::Rect{0, 2, width - 1, 14}, color);
    return width;
  }
  int DrawText(kx::Surface&, kx::Point, std::u16string_view, kx::Color) override { return 0; }
  std::unique_ptr<kx::Icon> MakeIcon(const kx::Surface&) override {
    return std::make_unique<kx::Icon>();
  }
  const kx::Icon& ProgramIcon() override { return programIcon_; }

 private:
  kx::Icon programIcon_;
};

class NullTray final : public kx::TrayShell {
 public:
  bool Add(const kx::TrayData&) override { return true; }
  bool Modify(const kx::TrayData& data) override {
    benchmark::DoNotOptimize(data.icon);
    return true;
  }
  bool Delete(const kx::TrayData&) override { return true; }
};

// A quiz of 50 records, each a full 144-character question and a
// 30-character answer.
kx::QuestionSet FullQuiz() {
  const std::string question = kx::EncodeCp932(std::u16string(144, u'問')).value();
  const std::string answer = kx::EncodeCp932(std::u16string(30, u'答')).value();
  std::string bytes;
  for (int i = 0; i < 50; ++i) bytes += question + answer + " \r\n";
  return kx::QuestionSet{kx::QuestionLines::FromBytes(bytes), 50};
}

void ReportAllocations(benchmark::State& state, long long before) {
  const long long made = allocations.load(std::memory_order_relaxed) - before;
  state.counters["allocs/tick"] =
      benchmark::Counter(static_cast<double>(made) / static_cast<double>(state.iterations()));
}

// Steps 1-4 and 7: glyph fetch, scroll, feed, publish.
void BM_EngineTick(benchmark::State& state) {
  BarGraphics graphics;
  kx::ClockSeededRandom random;
  random.SeedFromClock();
  const kx::QuestionSet questions = FullQuiz();
  kx::TickerEngine engine(graphics, random, kx::DisplayScale{});
  const long long before = allocations.load();
  for (auto _ : state) {
    engine.Tick(questions, 0, 1);
    benchmark::DoNotOptimize(engine.Picture1().Pixels().data());
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_EngineTick);

// The whole portable tick, icon and tray call included: one icon is made
// per tick, the one allocation a tick cannot avoid.
void BM_TickWithIcon(benchmark::State& state) {
  BarGraphics graphics;
  NullTray shell;
  kx::ClockSeededRandom random;
  random.SeedFromClock();
  const kx::QuestionSet questions = FullQuiz();
  kx::TickerEngine engine(graphics, random, kx::DisplayScale{});
  kx::TrayIcon tray(shell, graphics);
  tray.Fill(u"KX_RuvoZava");
  tray.Add();
  const long long before = allocations.load();
  for (auto _ : state) {
    engine.ScrollAndPublish(questions, 0, 1);
    tray.ShowPicture(engine.Picture1());
    engine.AdvanceColumn();
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_TickWithIcon);

}  // namespace
