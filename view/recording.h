#pragma once

// The game's history as it is played: which rounds are measured, and how.

#include <cstdint>

#include "stats/history.h"
#include "view/form1.h"

namespace ovali {

// The spread of the game as it stands, from the players per level of each
// ring, as countlevels (engine/transfer.h) last counted them. The one place
// the history reads the game.
HistoryPoint measureGame(const GameState& game, std::int64_t round);

// A new history for a new game, starting with the deal as round 0.
void startHistory(Form1& f);

// Once per round, at its end: measures the game at the rounds the history
// keeps, at the round after each frame the screen has shown
// (historyFrameShown) and at the round a run or step ends, so the history
// ends where the counter does. Between those it costs one comparison.
void recordRound(Form1& f, std::int64_t round);

}  // namespace ovali
