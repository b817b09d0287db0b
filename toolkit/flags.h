#pragma once

#include <cstdint>

namespace ovali {

// Booleans of the game are 16-bit values, True = -1 and False = 0, so that
// they combine bitwise (a & b, a | b, ~a) the way the game's rules state them.
using Flag = std::int16_t;

inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

constexpr Flag toFlag(bool b) { return b ? kTrue : kFalse; }

}  // namespace ovali
