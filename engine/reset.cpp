#include "engine/reset.h"

#include <cstddef>

#include "engine/transfer.h"

namespace ovali {

namespace {

// One unit at a time round the players, from the one after the start index.
// A count of no players deals nothing; a unit below 1 could never use the
// money up, so it deals nothing either.
void deal(GameState& g, int amount) {
  const int n = g.nplayers;
  if (n <= 0 || g.units <= 0) return;
  const int step = (g.inneronly != kFalse || g.outeronly != kFalse) ? 2 : 1;
  int i = g.outeronly != kFalse ? n - 2 : n - 1;
  while (amount > 0) {
    i = (i + step) % n;
    ++g.holdings[static_cast<std::size_t>(i)];
    amount -= g.units;
  }
}

}  // namespace

void dealgame(GameState& g) {
  const int n = g.nplayers;
  g.holdings.assign(n > 0 ? static_cast<std::size_t>(n) : 0, 0);

  int todeal = g.ndollars;
  if (g.alltoone != kFalse) {
    // The inputs are checked before a deal, so the unit divides the total.
    if (n > 0 && g.units > 0) g.holdings[0] = static_cast<std::int16_t>(g.ndollars / g.units);
    todeal = 0;
  }
  deal(g, todeal);
  countlevels(g);

  g.maxlevel = 1;
  g.nsamples = 0;
  g.sumlevels.fill(0);
  g.booked = {};
  g.sampledto.assign(g.holdings.size(), 0);
  g.round = 0;
}

}  // namespace ovali
