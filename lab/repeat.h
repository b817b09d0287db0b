#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "lab/experiment.h"

namespace ovali {

// What one game of a variant measured. Groups are the players measured
// together: every player, or while the rings are apart the inner ring (0)
// and the outer ring (1).
struct RepeatResult {
  // By group and level: the players standing there, averaged over the
  // measured rounds.
  std::vector<std::vector<double>> average;
  // By group, averaged over the measured rounds.
  std::vector<double> gini, entropy;
  // By group: the units it holds, averaged over the measured rounds.
  std::vector<double> money;
  // sqrt(sum over the levels of the variance of their count) / players, for
  // every player together: how far the ladder strays from its average.
  double fluctuation = 0;
  // Rounds from the deal until the Gini of every player together first came
  // within 5 % of its average over the measured rounds; -1 if it never did.
  std::int64_t approach = -1;
  // By group, each group's temperature at traceRounds(plan).
  std::vector<std::vector<double>> temperature;
  // Stop came before the game was over: nothing above is of use.
  bool stopped = false;
  bool operator==(const RepeatResult&) const = default;
};

// The rounds at which each game's temperatures are taken: 0 (the deal),
// then about ten a decade up to the last round played.
std::vector<std::int64_t> traceRounds(const Plan& plan);

// The seed of one game, made from the experiment's seed, the variant and the
// repeat, so that every game has its own stream whoever plays it.
std::uint64_t repeatSeed(std::uint64_t seed, std::size_t variant, int repeat);

// Plays repeat `repeat` of variant `variant` through the game's own rounds
// and measures it; a function of its arguments alone. `stop`, when given, is
// looked at every few thousand rounds.
RepeatResult playRepeat(const Experiment& e, std::size_t variant, int repeat,
                        const std::atomic<bool>* stop = nullptr);

}  // namespace ovali
