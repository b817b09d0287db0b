#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ovali {

// How far a group of players has spread its money, from the number of
// players at each level (index = level). Dollars are a whole number of units
// per level, so the counts give the inequality of the dollars exactly.
struct Spread {
  double entropy = 0;      // of the players over the levels, in nats
  double maximum = 0;      // the entropy of the most probable spread at this mean
  double gini = 0;         // of the players' money
  double equilibrium = 0;  // the Gini of that most probable (geometric) spread
};

Spread measure(std::span<const std::int16_t> playersPerLevel);

// The most probable spread of m units per player on average, a geometric law:
// its entropy (1 + m) ln(1 + m) - m ln m and its Gini (1 + m) / (1 + 2m).
double maximumEntropy(double mean);
double equilibriumGini(double mean);

struct HistoryPoint {
  std::int64_t round = 0;
  Spread system;        // every player, or the inner ring while counted apart
  Spread surroundings;  // the outer ring while counted apart
};

// The spread over the rounds of one game, in bounded memory. The points
// stand at fixed rounds of the game's own count: every round at first, then
// kPerDecade a decade, evenly on a logarithmic scale, so that the approach
// to equilibrium is as well kept after ten million rounds as after ten. A
// point offered between them (the round a run stopped at, the round after a
// shown frame) stands at the end until the next one replaces it, so the
// history always ends where the counter does.
class History {
 public:
  static constexpr int kPerDecade = 40;
  // Every round up to about 17, then 40 a decade up to the 19 decades of the
  // round counter, and the one at the end.
  static constexpr std::size_t kMostPoints = 800;

  // A new game; `separate` says whether the rings are measured apart.
  void restart(bool separate);
  // Whether `round` is one the history keeps: the game is measured only then.
  bool due(std::int64_t round) const { return round >= next_; }
  void offer(const HistoryPoint& point);

  const std::vector<HistoryPoint>& points() const { return points_; }
  bool separate() const { return separate_; }
  // Changes whenever a point is added or the history restarts.
  std::uint64_t version() const { return version_; }

  // The first round after `round` that the history keeps.
  static std::int64_t keptAfter(std::int64_t round);

 private:
  std::vector<HistoryPoint> points_;
  bool separate_ = false;
  // The last point is one between the kept rounds.
  bool passing_ = false;
  std::int64_t next_ = 0;
  std::uint64_t version_ = 0;
};

// "After 5,000 rounds: entropy 1.87 of at most 1.91; Gini 0.58, equilibrium
// 0.60", the latest values in words; each ring in turn while they are apart.
std::string historyDescription(const History& history);

// Every point as tab-separated rows under a header row, with the Gini of
// equilibrium beside each Gini, lines ending in a line feed, for a
// spreadsheet.
std::string historyTable(const History& history);

}  // namespace ovali
