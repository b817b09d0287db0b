#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "toolkit/text.h"

namespace ovali {

inline constexpr int kLastSum = 100;
// Levels whose predicted count is at most the threshold are left out of the
// analysis, and so are levels above the highest listed.
inline constexpr float kListingThreshold = 0.1f;
inline constexpr int kHighestListed = 10;

// The analysis's two columns for every level, in the single precision the
// report shows: the time-averaged players and the theoretical count.
struct Distribution {
  std::array<float, kLastSum + 1> average{};
  std::array<float, kLastSum + 1> theory{};
};

inline bool listed(const Distribution& d, int level) {
  return level >= 0 && level <= kHighestListed &&
         d.theory[static_cast<std::size_t>(level)] > kListingThreshold;
}

// The amount a level stands for, in dollars: "$" and the decimal.
inline std::string amount(int level, std::int16_t units) {
  return dollarCaption(static_cast<std::int64_t>(level) * units);
}

}  // namespace ovali
