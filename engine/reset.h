#pragma once

#include "engine/gamestate.h"

namespace ovali {

// Deals the money of a fresh game of the stored size and options, counts the
// players per level and starts the round counter and the long-run sums over.
void dealgame(GameState& g);

}  // namespace ovali
