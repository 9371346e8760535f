#include "forms/random_source.h"

#include <chrono>

namespace kx {

void ClockSeededRandom::SeedFromClock() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                   std::chrono::system_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::mt19937::result_type>(now));
}

float ClockSeededRandom::Next() {
  // 24 random bits scaled by 2^-24 are exact in a float and stay below 1;
  // std::generate_canonical<float> may round up to 1.0.
  return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

}  // namespace kx
