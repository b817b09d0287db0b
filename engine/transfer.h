#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/gamestate.h"
#include "toolkit/flags.h"

namespace ovali {

// Moves `player` from `level` by `delta` units, keeping the per-level counts,
// the player's holding and maxlevel in step; with `accumulate` True it then
// adds one sample of the distribution into the long-run sums.
void addmoney(GameState& g, std::int16_t player, std::int16_t& level, std::int16_t delta,
              Flag accumulate);

// Brings sumlevels up to the last sample; whatever reads the sums calls it first.
void flushsums(GameState& g);

// Counts the players per level from their holdings, into levels and
// outerlevels; whatever reads the counts calls it first.
void countlevels(GameState& g);

// The books of one transfer, without the checks of addmoney.
namespace books {

// The highest level whose count the samples add.
inline int sampledTop(const GameState& g) {
  int top = g.maxlevel < 100 ? g.maxlevel : 100;
  const int last = static_cast<int>(g.levels.size()) - 1;
  return top < last ? top : last;
}

// The slot of `booked` that a level's samples go to: levels above 100 share
// the last one. A negative level, which no rule makes, goes there too.
inline std::size_t slot(int level) {
  constexpr unsigned kAbove = 101;
  const auto at = static_cast<unsigned>(level);
  return at < kAbove ? at : kAbove;
}

// Books the samples a player has spent at `level` since it was last booked.
// Outside the sampled range they go where they are cleared before being read.
inline void book(GameState& g, std::size_t player, int level, std::size_t bank) {
  std::int64_t& since = g.sampledto[player];
  g.booked[bank][slot(level)] += g.nsamples - since;
  since = g.nsamples;
}

// Makes `level` the highest level a player has moved to, if it is above the
// last; the levels it brings into the sampled range count from the next
// sample on.
void raise(GameState& g, int level);

}  // namespace books

}  // namespace ovali
