#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "toolkit/flags.h"

namespace ovali {

// The one record every part of the game reads or changes. Each player's
// dollars are not here: they live in the captions of the player labels, and
// the round counter in the caption of label C.
struct GameState {
  Flag running = kFalse;
  // Players per level (dollars / units), indexes 0 to ndollars: every player
  // while `separate` is off, the inner ring only while it is on.
  std::vector<std::int16_t> levels;
  // Outer-ring players per level; all 0 while `separate` is off.
  std::vector<std::int16_t> outerlevels;
  std::int16_t nplayers = 0;
  std::int16_t ndollars = 0;
  std::int16_t units = 0;
  // The long-run sums are 64-bit: with 200 players a fast run would overflow
  // 32-bit sums within minutes.
  std::int64_t nsamples = 0;
  Flag ready = kFalse;
  std::array<std::int64_t, 101> sumlevels{};
  std::int16_t maxlevel = 0;
  Flag randomexchange = kFalse;
  Flag inneronly = kFalse;
  Flag outeronly = kFalse;
  Flag alltoone = kFalse;
  Flag separate = kFalse;
};

}  // namespace ovali
