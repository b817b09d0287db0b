#include "stats/levels.h"

#include <cmath>
#include <optional>

#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr std::int16_t kRows = 8;

std::string count(const std::vector<std::int16_t>& counts, std::int16_t level) {
  // Rows above the highest level of this game read 0 rather than keeping a
  // count left over from an earlier game with more money.
  return static_cast<std::size_t>(level) < counts.size() ? decimal(counts[level]) : "0";
}

// The ladder row of a tracked player, or nothing when it cannot be formed.
std::optional<std::int32_t> levelOf(const Form1& f, std::int16_t player) {
  const Label* p = f.P.find(player);
  if (p == nullptr || f.game.units == 0) return std::nullopt;
  const auto level = roundHalfEven32(val(p->caption) / f.game.units);
  if (!level || *level < -32768 || *level > 32767) return std::nullopt;
  return level;
}

void place(Circle* marker, const Label* row, float dy, std::int32_t level) {
  if (marker == nullptr) return;
  // A player above the top row has no row to stand beside: the marker stays
  // where it was and disappears until the player comes back down.
  if (row != nullptr) {
    marker->left = row->left - 100;
    marker->top = row->top + dy;
  }
  marker->visible = level <= kRows - 1;
}

}  // namespace

void checklevels(Form1& f) {
  const GameState& g = f.game;
  for (std::int16_t i = 0; i < kRows; ++i) {
    if (Label* t = f.T.find(i)) t->caption = count(g.levels, i);
    if (Label* ts = f.TS.find(i)) ts->caption = count(g.outerlevels, i);
  }

  // A level that cannot be formed keeps the row of the step before, starting at 0.
  std::int32_t level = 0;
  if (auto l = levelOf(f, 0)) level = *l;
  {
    const auto row = static_cast<std::int16_t>(level);
    const Label* reference = g.separate != kFalse ? f.TS.find(row) : f.T.find(row);
    place(f.Acircle.find(3), reference, 200, level);
  }
  if (auto l = levelOf(f, 1)) level = *l;
  {
    const auto row = static_cast<std::int16_t>(level);
    place(f.Acircle.find(2), f.T.find(row), 100, level);
  }
}

}  // namespace ovali
