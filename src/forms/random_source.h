#pragma once
// The random generator: seeded once from the clock, each draw 0 <= r < 1.

#include <cstdint>
#include <random>

namespace kx {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void SeedFromClock() = 0;
  // Always 0 <= r < 1, never 1.0.
  virtual float Next() = 0;
};

// The largest float below 1, the highest value Next() may return.
inline constexpr float kLargestRandom = 0x1.fffffep-1f;

class ClockSeededRandom final : public RandomSource {
 public:
  void SeedFromClock() override;
  float Next() override;

 private:
  std::mt19937 engine_;
};

}  // namespace kx
