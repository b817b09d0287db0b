#pragma once

#include <cstdint>

namespace ovali {

// xoshiro256+ : fast, uniform enough for dice and far from the bottleneck of a
// round, which draws twice per pair.
class Random {
 public:
  explicit Random(std::uint64_t seed = 0x0A11CEu) { reseed(seed); }

  void reseed(std::uint64_t seed) {
    // splitmix64 spreads any seed, even 0, over the whole state.
    for (auto& word : s_) {
      seed += 0x9E3779B97F4A7C15u;
      std::uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
      word = z ^ (z >> 31);
    }
  }

  // Uniform in [0, 1), 53 random bits.
  double next() { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }

  // The generator's next 64-bit output, whose top 53 bits next() scales.
  std::uint64_t nextBits() {
    const std::uint64_t result = s_[0] + s_[3];
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = (s_[3] << 45) | (s_[3] >> 19);
    return result;
  }

 private:
  std::uint64_t s_[4];
};

}  // namespace ovali
