#pragma once

#include <cstdint>

#include "stats/history.h"
#include "view/form1.h"

namespace ovali {

// The spread of the game as it stands, from the players per level of each
// ring. The one place the history reads the game.
HistoryPoint measureGame(const GameState& game, std::int64_t round);

// A new history for a new game, starting with the deal as round 0.
void startHistory(Form1& f);

// Once per round: a slow run records every round, a fast run the first
// round after each frame the screen has shown (historyFrameShown).
void recordRound(Form1& f, std::int64_t round);

}  // namespace ovali
