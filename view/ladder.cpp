#include "view/ladder.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "engine/transfer.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr std::int16_t kRows = 8;

std::string count(const std::vector<std::int16_t>& counts, std::int16_t level) {
  // Rows above the highest level of this game read 0 rather than keeping a
  // count left over from an earlier game with more money.
  return static_cast<std::size_t>(level) < counts.size() ? decimal(counts[level]) : "0";
}

// The levels of the two tracked players, P(0) and P(1). A player who is
// not in the game takes the level read before it, starting at 0.
std::array<std::int32_t, 2> trackedLevels(const Form1& f) {
  const auto& holdings = f.game.holdings;
  std::array<std::int32_t, 2> levels{};
  std::int32_t level = 0;
  for (std::size_t p = 0; p < 2; ++p) {
    if (p < holdings.size()) level = holdings[p];
    levels[p] = level;
  }
  return levels;
}

// A player above the top row has no row to stand beside: its marker stays
// where it was and disappears until the player comes back down.
void place(Circle* marker, const Label* row, float dy, std::int32_t level) {
  if (marker == nullptr) return;
  if (row != nullptr) {
    marker->left = row->left - 100;
    marker->top = row->top + dy;
  }
  marker->visible = level <= kRows - 1;
}

}  // namespace

void notemarkers(Form1& f) {
  const auto levels = trackedLevels(f);
  for (std::size_t p = 0; p < 2; ++p) {
    if (levels[p] >= 0 && levels[p] < kRows) f.markerRows[p] = static_cast<std::int16_t>(levels[p]);
  }
}

void checklevels(Form1& f) {
  countlevels(f.game);
  const GameState& g = f.game;
  for (std::int16_t i = 0; i < kRows; ++i) {
    if (Label* t = f.T.find(i)) t->caption = count(g.levels, i);
    if (Label* ts = f.TS.find(i)) ts->caption = count(g.outerlevels, i);
  }

  notemarkers(f);
  const auto levels = trackedLevels(f);
  const std::int16_t blueRow = f.markerRows[0];
  const Label* blueReference = g.separate != kFalse ? f.TS.find(blueRow) : f.T.find(blueRow);
  place(f.Acircle.find(3), blueReference, 200, levels[0]);
  place(f.Acircle.find(2), f.T.find(f.markerRows[1]), 100, levels[1]);
}

}  // namespace ovali
