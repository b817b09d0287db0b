#include "view/history.h"

namespace ovali {

HistoryPoint measureGame(const GameState& game, std::int64_t round) {
  HistoryPoint p;
  p.round = round;
  p.system = measure(game.levels);
  if (game.separate != kFalse) p.surroundings = measure(game.outerlevels);
  return p;
}

void startHistory(Form1& f) {
  f.history.restart(f.game.separate != kFalse);
  f.history.offer(measureGame(f.game, 0));
}

void recordRound(Form1& f, std::int64_t round) {
  if (f.chkFast.value != 0) {
    if (!f.historyFrameShown) return;
    f.historyFrameShown = false;
  }
  f.history.offer(measureGame(f.game, round));
}

}  // namespace ovali
