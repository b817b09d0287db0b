#pragma once

#include "engine/gamestate.h"
#include "toolkit/toolkit.h"

namespace ovali {

// Counts one more round; the count stops far inside 64 bits, so that the
// pairing arithmetic cannot overflow however long a run goes on.
void countround(GameState& g);

// The exchanges of the current round: every ring pair plays once, or one
// unit passes between two random players. Draws from the toolkit.
void playexchanges(GameState& g, Toolkit& tk);

}  // namespace ovali
