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
  double next() { return unit(nextBits()); }

  // The draw next() makes of 64 bits of the generator: their top 53 bits.
  static double unit(std::uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

  // int(unit(bits) * 3), a throw of 0, 1 or 2, in integers: with u the 53
  // bits, the double product rounds 3u to 53 bits, which moves it across a
  // multiple of 2^53 only at the one tie 3u = 2^54 - 1 (up, to 2).
  static int throwOf3(std::uint64_t bits) { return static_cast<int>((3 * (bits >> 11) + 1) >> 53); }

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
