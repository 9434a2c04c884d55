#pragma once
// Deterministic dice for the fuzz targets and the soaks: a seed plays the same way again, so
// that a failure replays.
#include <cstdint>

namespace vtg::testing {

class Dice {
 public:
  explicit Dice(std::uint32_t seed) : x_(seed * 2654435761u + 1u) {}
  // 0..n-1
  int Below(int n) {
    x_ ^= x_ << 13;
    x_ ^= x_ >> 17;
    x_ ^= x_ << 5;
    return static_cast<int>(x_ % static_cast<std::uint32_t>(n));
  }

 private:
  std::uint32_t x_;
};

}  // namespace vtg::testing
