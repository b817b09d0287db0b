#include "engine/transfer.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace ovali {

namespace {

bool holds(const std::vector<std::int16_t>& counts, int level) {
  return level >= 0 && static_cast<std::size_t>(level) < counts.size();
}

// Writes the decimal text of `dollars` over `caption`. This runs for both
// sides of every transfer of a fast run; the text of a short sum is written
// digit by digit into the caption's own buffer.
void writeDollars(std::string& caption, std::int64_t dollars) {
  if (dollars >= 0 && dollars < 10) {
    caption.resize(1);
    caption[0] = static_cast<char>('0' + dollars);
    return;
  }
  if (dollars >= 10 && dollars < 100) {
    caption.resize(2);
    caption[0] = static_cast<char>('0' + dollars / 10);
    caption[1] = static_cast<char>('0' + dollars % 10);
    return;
  }
  char buffer[24];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, dollars);
  caption.assign(buffer, written.ptr);
}

}  // namespace

void addmoney(Form1& f, std::int16_t player, std::int16_t& level, std::int16_t delta,
              Flag accumulate) {
  if (delta == 0) return;
  GameState& g = f.game;

  // The outer ring is counted apart only while the surroundings are shown
  // separately; any non-zero flag counts, as the flags combine bitwise.
  std::vector<std::int16_t>& counts =
      (g.separate != kFalse && player % 2 == 0) ? g.outerlevels : g.levels;

  // A transfer that cannot be booked in full is not booked at all: a level
  // outside the counts, a new level outside 16 bits or a missing label would
  // otherwise leave the counts, the caption and the totals disagreeing.
  const int raised = level + delta;
  Label* label = f.P.find(player);
  if (!holds(counts, level) || !holds(counts, raised) ||
      raised > std::numeric_limits<std::int16_t>::max() || label == nullptr) {
    return;
  }

  --counts[static_cast<std::size_t>(level)];
  level = static_cast<std::int16_t>(raised);
  ++counts[static_cast<std::size_t>(level)];

  writeDollars(label->caption, static_cast<std::int64_t>(g.units) * level);

  if (level > g.maxlevel) g.maxlevel = level;

  if (accumulate != kTrue) return;
  // The sums keep levels 0 to 100 only. A sample of a game that has gone
  // higher still adds what fits and still counts, so that every average the
  // analysis forms is over the same number of samples.
  const std::size_t kept = std::min({static_cast<std::size_t>(std::max<int>(g.maxlevel, -1) + 1),
                                     g.sumlevels.size(), g.levels.size(), g.outerlevels.size()});
  for (std::size_t k = 0; k < kept; ++k) {
    g.sumlevels[k] += g.levels[k] + g.outerlevels[k];
  }
  ++g.nsamples;
}

}  // namespace ovali
