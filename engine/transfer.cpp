#include "engine/transfer.h"

#include <limits>
#include <vector>

namespace ovali {

namespace {

bool holds(const std::vector<std::int16_t>& counts, int level) {
  return level >= 0 && static_cast<std::size_t>(level) < counts.size();
}

}  // namespace

void addmoney(GameState& g, std::int16_t player, std::int16_t& level, std::int16_t delta,
              Flag accumulate) {
  if (delta == 0) return;

  // The outer ring is counted apart only while the surroundings are shown
  // separately; any non-zero flag counts, as the flags combine bitwise.
  std::vector<std::int16_t>& counts =
      (g.separate != kFalse && player % 2 == 0) ? g.outerlevels : g.levels;

  // A transfer that cannot be booked in full is not booked at all: a level
  // outside the counts, a new level outside 16 bits or a player who is not in
  // the game would otherwise leave the counts, the holdings and the totals
  // disagreeing.
  const int raised = level + delta;
  if (!holds(counts, level) || !holds(counts, raised) ||
      raised > std::numeric_limits<std::int16_t>::max() || player < 0 ||
      static_cast<std::size_t>(player) >= g.holdings.size() ||
      static_cast<std::size_t>(player) >= g.sampledto.size()) {
    return;
  }

  books::move(g, counts, player, level, delta);
  level = static_cast<std::int16_t>(raised);

  if (accumulate != kTrue) return;
  // The sums keep levels 0 to 100 only. A sample of a game that has gone
  // higher still adds what fits and still counts, so that every average the
  // analysis forms is over the same number of samples.
  ++g.nsamples;
}

void flushsums(GameState& g) {
  const int top = books::sampledTop(g);
  for (std::size_t p = 0; p < g.holdings.size() && p < g.sampledto.size(); ++p) {
    books::book(g, p, g.holdings[p], top);
  }
}

}  // namespace ovali
