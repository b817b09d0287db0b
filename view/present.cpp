#include "view/present.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "engine/transfer.h"
#include "view/ladder.h"
#include "view/rings.h"

namespace ovali {

namespace {

// Writes the decimal text of `number` over `caption`, in the caption's own
// buffer: every frame of a fast run writes every player's caption.
void writeNumber(std::string& caption, std::int64_t number) {
  char buffer[24];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, number);
  caption.assign(buffer, written.ptr);
}

}  // namespace

void showmoney(Form1& f) {
  const GameState& g = f.game;
  // Labels of players not in the game (a later, smaller game) keep what they
  // showed, hidden.
  for (std::size_t i = 0; i < g.holdings.size(); ++i) {
    if (Label* player = f.P.find(static_cast<std::int16_t>(i))) {
      writeNumber(player->caption, static_cast<std::int64_t>(g.units) * g.holdings[i]);
    }
  }
  writeNumber(f.C.caption, g.round);
}

void markSpeed(Form1& f) {
  for (std::size_t k = 0; k < f.mnuSpeed.size(); ++k) {
    const bool fast = k == static_cast<std::size_t>(kFastSpeed);
    f.mnuSpeed[k].checked = f.chkFast.value != 0 ? fast : !fast && kSpeedPaces[k] == f.pace;
  }
}

void present(Form1& f) {
  markSpeed(f);
  const GameState& g = f.game;
  if (g.ready == kFalse && g.holdings.empty()) return;  // no game built yet
  showmoney(f);
  const int n = g.nplayers;
  if (n > 0) placeplayers(f, static_cast<std::int16_t>(g.round % n), kFalse);
  // The counts are brought up to the holdings also while the ladder waits
  // for its phase, for whatever else reads them.
  if (f.ladderBehind) {
    countlevels(f.game);
  } else {
    checklevels(f);
  }
}

}  // namespace ovali
