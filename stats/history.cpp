#include "stats/history.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "toolkit/text.h"

namespace ovali {

double maximumEntropy(double mean) {
  if (!(mean > 0)) return 0;
  return (1 + mean) * std::log1p(mean) - mean * std::log(mean);
}

double equilibriumGini(double mean) {
  if (!(mean > 0)) return 0;
  return (1 + mean) / (1 + 2 * mean);
}

Spread measure(std::span<const std::int16_t> playersPerLevel) {
  double players = 0;
  double units = 0;
  for (std::size_t k = 0; k < playersPerLevel.size(); ++k) {
    const double count = playersPerLevel[k] > 0 ? playersPerLevel[k] : 0;
    players += count;
    units += count * static_cast<double>(k);
  }
  Spread s;
  if (players == 0) return s;
  const double mean = units / players;
  s.maximum = maximumEntropy(mean);
  s.equilibrium = equilibriumGini(mean);

  // Gini = sum over all ordered pairs of |x_i - x_j| / (2 N^2 mean). With the
  // players sorted, the c players of one level at ranks a + 1 .. a + c weigh
  // their level by c (2a + c - N).
  double below = 0;
  double weighted = 0;
  for (std::size_t k = 0; k < playersPerLevel.size(); ++k) {
    const double count = playersPerLevel[k] > 0 ? playersPerLevel[k] : 0;
    if (count == 0) continue;
    const double p = count / players;
    s.entropy -= p * std::log(p);
    weighted += static_cast<double>(k) * count * (2 * below + count - players);
    below += count;
  }
  if (units > 0) s.gini = weighted / (players * units);
  // A distribution of one level has no spread; rounding must not say -0.
  if (s.entropy < 0) s.entropy = 0;
  return s;
}

void History::restart(bool separate) {
  points_.clear();
  separate_ = separate;
  passing_ = false;
  next_ = 0;
  ++version_;
}

// The kept rounds are 10^(k / kPerDecade) rounded, for k = 0, 1, 2, ..., and
// round 0: fixed by the count alone, whatever was offered before.
std::int64_t History::keptAfter(std::int64_t round) {
  if (round < 1) return round + 1;
  // Past the last kept round that a 64-bit count can hold, none is kept.
  constexpr double kLast = 9.2e18;
  const auto at = [](int k) {
    return std::round(std::pow(10.0, static_cast<double>(k) / kPerDecade));
  };
  const auto r = static_cast<double>(round);
  // One below the step the logarithm names, against its rounding.
  int k = static_cast<int>(std::floor(std::log10(r) * kPerDecade)) - 1;
  while (at(k) <= r) ++k;
  if (at(k) >= kLast) return INT64_MAX;
  return std::max(round + 1, static_cast<std::int64_t>(at(k)));
}

void History::offer(const HistoryPoint& point) {
  if (passing_) {
    points_.pop_back();
    passing_ = false;
  }
  if (!points_.empty() && point.round <= points_.back().round) return;
  passing_ = point.round < next_;
  if (!passing_) next_ = keptAfter(point.round);
  points_.push_back(point);
  ++version_;
}

namespace {

std::string twoPlaces(double value) { return fixedDecimal(value, 2); }

std::string inWords(const Spread& s) {
  return "entropy " + twoPlaces(s.entropy) + " of at most " + twoPlaces(s.maximum) + "; Gini " +
         twoPlaces(s.gini) + ", equilibrium " + twoPlaces(s.equilibrium);
}

void appendColumns(std::string& row, const Spread& s) {
  for (const double value : {s.entropy, s.maximum, s.gini, s.equilibrium}) {
    row += '\t';
    row += fixedDecimal(value, 4);
  }
}

}  // namespace

std::string historyDescription(const History& history) {
  if (history.points().empty()) return "No rounds yet";
  const HistoryPoint& last = history.points().back();
  const std::string after =
      "After " + groupedDecimal(last.round) + (last.round == 1 ? " round: " : " rounds: ");
  if (!history.separate()) return after + inWords(last.system);
  return after + "system " + inWords(last.system) + "; surroundings " + inWords(last.surroundings);
}

std::string historyTable(const History& history) {
  std::string text = "round\tentropy\tmaximum\tGini\tGini equilibrium";
  if (history.separate()) {
    text +=
        "\tsurroundings entropy\tsurroundings maximum\tsurroundings Gini\tsurroundings Gini "
        "equilibrium";
  }
  text += '\n';
  for (const HistoryPoint& p : history.points()) {
    text += decimal(p.round);
    appendColumns(text, p.system);
    if (history.separate()) appendColumns(text, p.surroundings);
    text += '\n';
  }
  return text;
}

}  // namespace ovali
