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

// The books of one transfer, without the checks of addmoney: for the rounds,
// whose levels are always in range. Inline, as they run for every transfer.
namespace books {

// The highest level whose count the samples add.
inline int sampledTop(const GameState& g) {
  int top = g.maxlevel < 100 ? g.maxlevel : 100;
  const int last = static_cast<int>(g.levels.size()) - 1;
  return top < last ? top : last;
}

// Adds the samples a player has spent at `level` since it was last booked,
// counting only those taken while the level was in the sampled range.
inline void book(GameState& g, std::size_t player, int level, int top) {
  std::int64_t& since = g.sampledto[player];
  if (level <= top) {
    const auto at = static_cast<std::size_t>(level);
    const std::int64_t from = since > g.levelsince[at] ? since : g.levelsince[at];
    g.sumlevels[at] += g.nsamples - from;
  }
  since = g.nsamples;
}

// Levels that come into the sampled range count from the next sample on.
inline void raise(GameState& g, int level) {
  if (level <= g.maxlevel) return;
  const int last = static_cast<int>(g.levels.size()) - 1;
  for (int k = g.maxlevel + 1; k <= level && k <= 100 && k <= last; ++k) {
    g.levelsince[static_cast<std::size_t>(k)] = g.nsamples;
  }
  g.maxlevel = static_cast<std::int16_t>(level);
}

// Moves one player `delta` units from `level`, in its count array.
inline void move(GameState& g, std::vector<std::int16_t>& counts, int player, int level,
                 int delta) {
  const int to = level + delta;
  book(g, static_cast<std::size_t>(player), level, sampledTop(g));
  --counts[static_cast<std::size_t>(level)];
  ++counts[static_cast<std::size_t>(to)];
  g.holdings[static_cast<std::size_t>(player)] = static_cast<std::int16_t>(to);
  raise(g, to);
}

}  // namespace books

}  // namespace ovali
