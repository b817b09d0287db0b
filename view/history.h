#pragma once

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

// When a front end redraws its history view: when the history has changed,
// at most four times a second while a game runs (a curve that grows needs no
// more, and a fast run keeps its speed) and at once otherwise.
class HistoryRedraw {
 public:
  // Says whether to redraw now, and if so takes it as done.
  bool due(Form1& f);
  // The view has just opened: the next call says to draw.
  void forget() { drawn_ = false; }

  static constexpr double kShortestSeconds = 0.25;

 private:
  bool drawn_ = false;
  std::uint64_t version_ = 0;
  double at_ = 0;
};

}  // namespace ovali
