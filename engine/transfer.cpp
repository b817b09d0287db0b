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

  const auto at = static_cast<std::size_t>(player);
  books::book(g, at, level, 0);
  --counts[static_cast<std::size_t>(level)];
  ++counts[static_cast<std::size_t>(raised)];
  g.holdings[at] = static_cast<std::int16_t>(raised);
  books::raise(g, raised);
  level = static_cast<std::int16_t>(raised);

  if (accumulate != kTrue) return;
  // The sums keep levels 0 to 100 only. A sample of a game that has gone
  // higher still adds what fits and still counts, so that every average the
  // analysis forms is over the same number of samples.
  ++g.nsamples;
}

void flushsums(GameState& g) {
  for (std::size_t p = 0; p < g.holdings.size() && p < g.sampledto.size(); ++p) {
    books::book(g, p, g.holdings[p], 0);
  }
  const int top = books::sampledTop(g);
  for (int k = 0; k <= top; ++k) {
    const auto at = static_cast<std::size_t>(k);
    g.sumlevels[at] += g.booked[0][at] + g.booked[1][at];
  }
  g.booked = {};
}

void countlevels(GameState& g) {
  const std::size_t size = g.ndollars >= 0 ? static_cast<std::size_t>(g.ndollars) + 1 : 0;
  g.levels.assign(size, 0);
  g.outerlevels.assign(size, 0);
  for (std::size_t i = 0; i < g.holdings.size(); ++i) {
    const int level = g.holdings[i];
    if (level < 0 || static_cast<std::size_t>(level) >= size) continue;
    auto& counts = (g.separate != kFalse && i % 2 == 0) ? g.outerlevels : g.levels;
    ++counts[static_cast<std::size_t>(level)];
  }
}

namespace books {

void raise(GameState& g, int level) {
  if (level <= g.maxlevel) return;
  const int before = sampledTop(g);
  g.maxlevel = static_cast<std::int16_t>(level);
  const int after = sampledTop(g);
  if (after <= before) return;
  // What the entering levels hold was booked while they were out of range.
  // Each player standing on one has samples not yet booked, which are
  // booked from its last booking on: it owes them back from that to now.
  for (int k = before + 1; k <= after; ++k) {
    for (auto& bank : g.booked) bank[static_cast<std::size_t>(k)] = 0;
  }
  for (std::size_t p = 0; p < g.holdings.size() && p < g.sampledto.size(); ++p) {
    const int at = g.holdings[p];
    if (at > before && at <= after) {
      g.booked[0][static_cast<std::size_t>(at)] -= g.nsamples - g.sampledto[p];
    }
  }
}

}  // namespace books

}  // namespace ovali
