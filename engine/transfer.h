#pragma once

#include <cstdint>

#include "toolkit/flags.h"
#include "view/form1.h"

namespace ovali {

// Moves `player` from `level` by `delta` units, keeping the per-level counts,
// the player's caption and maxlevel in step; with `accumulate` True it then
// adds one sample of the distribution into the long-run sums.
void addmoney(Form1& f, std::int16_t player, std::int16_t& level, std::int16_t delta,
              Flag accumulate);

}  // namespace ovali
