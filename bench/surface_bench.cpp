#include <benchmark/benchmark.h>

#include "forms/surface.h"

namespace {

// The three block copies of one tick on the 16 x 16 canvas.
void BM_TickCopies(benchmark::State& state) {
  kx::Surface canvas(16, 16);
  const kx::Surface glyph(20, 20, 0x00FF00);
  kx::Surface picture(16, 16);
  for (auto _ : state) {
    canvas.Blit(canvas, 2, 0, 14, 16, 0, 0);
    canvas.Blit(glyph, 4, 0, 2, 16, 14, 0);
    picture.Blit(canvas, 0, 0, 16, 16, 0, 0);
    benchmark::DoNotOptimize(picture.Pixels().data());
  }
}
BENCHMARK(BM_TickCopies);

}  // namespace
