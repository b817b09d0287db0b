#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lab/experiment.h"
#include "lab/repeat.h"

namespace ovali {

// A mean over the repeats with its 95 % interval from their spread:
// Student's t with one degree of freedom fewer than repeats.
struct Estimate {
  double mean = 0;
  double error = 0;  // the standard error of the mean
  double half = 0;   // half the interval's width
  int count = 0;
  bool hasInterval() const { return count >= 2; }
  double low() const { return mean - half; }
  double high() const { return mean + half; }
};

Estimate estimate(const std::vector<double>& values);

// The t value below which 97.5 % of Student's distribution lies.
double studentT975(int degreesOfFreedom);

struct GroupResult {
  std::string ring;  // "all", or "inner" and "outer" while the rings are apart
  int players = 0;
  std::vector<Estimate> average;  // by level, up to the highest any game measured
  std::vector<double> ovalin;     // by level
  std::vector<double> exact;      // by level; empty where no exact law is known
  // The fraction from one level to the next fitted to each game's averages.
  Estimate fraction;
  Estimate broke;  // players at $0
  Estimate gini, entropy;
  std::vector<Estimate> temperature;  // at the experiment's trace rounds
  // Of the group's average money over the measured rounds.
  Estimate equilibriumTemperature;
};

struct VariantResult {
  int repeats = 0;   // games played to the end
  double ratio = 0;  // the Ovalin distribution's fraction r
  std::vector<GroupResult> groups;
  Estimate approach;
  Estimate fluctuation;
  double fluctuationLaw = 0;  // sqrt(2r / (1 + r) / N), the 1/sqrt(N) line
  // What a reader of the numbers must know: corrections, a law not known.
  std::string note;
};

struct LabResults {
  std::vector<VariantResult> variants;
  std::vector<std::int64_t> traceRounds;
  int done = 0;   // games played to the end
  int total = 0;  // games the experiment plays
};

// Job j of an experiment is repeat j / V of variant j mod V (V variants), so
// that every variant's results fill in together.
std::size_t jobCount(const Experiment& e);
std::size_t variantOfJob(const Experiment& e, std::size_t job);
int repeatOfJob(const Experiment& e, std::size_t job);

// The results of the games played so far, `byJob` holding each finished
// job's result (null for one not finished), combined in repeat order: the
// same games give the same numbers whoever played them.
LabResults combine(const Experiment& e, const std::vector<const RepeatResult*>& byJob);

// The results as tab-separated tables for a spreadsheet, lines ending in a
// line feed: the distributions, a blank line, the figures of each variant
// and, for the temperatures, a third table.
std::string labTable(const Experiment& e, const LabResults& r);

// The answer in one sentence, built from the numbers.
std::string labSentence(const Experiment& e, const LabResults& r);

}  // namespace ovali
