#pragma once

#include <cstdint>
#include <string>

#include "engine/gamestate.h"
#include "stats/distribution.h"

namespace ovali {

// The time-averaged counts per level beside the theoretical ones, from sums
// that are up to date (flushsums).
Distribution distributionOf(const GameState& g);

// The analysis's text: the two columns and what they mean.
std::string report(const GameState& g, const Distribution& d);

// `value` with `decimals` decimals (halves away from zero), right-aligned in
// exactly `width` characters; a longer number loses its leading characters.
std::string fmtnum(const float& value, std::int16_t decimals, std::int16_t width);

}  // namespace ovali
