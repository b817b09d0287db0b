#include "view/history.h"

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

bool HistoryRedraw::due(Form1& f) {
  if (drawn_ && version_ == f.history.version()) return false;
  const double now = f.tk.timer();
  // A clock that went back has passed midnight.
  if (drawn_ && f.game.running != kFalse && now >= at_ && now - at_ < kShortestSeconds) {
    return false;
  }
  drawn_ = true;
  version_ = f.history.version();
  at_ = now;
  return true;
}

}  // namespace ovali
