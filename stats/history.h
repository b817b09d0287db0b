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

// The spread over the rounds of one game, in bounded memory: when it is full
// it keeps every other point and takes from then on one offer in twice as
// many, so a run of any length stays evenly sampled.
class History {
 public:
  static constexpr std::size_t kMostPoints = 2000;

  // A new game; `separate` says whether the rings are measured apart.
  void restart(bool separate);
  void offer(const HistoryPoint& point);

  const std::vector<HistoryPoint>& points() const { return points_; }
  bool separate() const { return separate_; }
  // Offers per point kept.
  std::int64_t every() const { return every_; }
  // Changes whenever a point is added or the history restarts.
  std::uint64_t version() const { return version_; }

 private:
  std::vector<HistoryPoint> points_;
  bool separate_ = false;
  std::int64_t every_ = 1;
  std::int64_t skipped_ = 0;
  std::uint64_t version_ = 0;
};

// "After 5,000 rounds: entropy 1.87 of at most 1.91; Gini 0.58, equilibrium
// 0.60", the latest values in words; each ring in turn while they are apart.
std::string historyDescription(const History& history);

// Every point as tab-separated rows under a header row, lines ending in a
// line feed, for a spreadsheet.
std::string historyTable(const History& history);

}  // namespace ovali
