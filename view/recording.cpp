#include "view/recording.h"

#include "engine/transfer.h"

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
  countlevels(f.game);
  f.history.offer(measureGame(f.game, 0));
}

void recordRound(Form1& f, std::int64_t round) {
  if (!f.history.due(round) && !f.historyFrameShown && f.game.running != kFalse) return;
  f.historyFrameShown = false;
  countlevels(f.game);
  f.history.offer(measureGame(f.game, round));
}

}  // namespace ovali
