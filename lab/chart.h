#pragma once

#include <vector>

#include "lab/experiment.h"
#include "lab/results.h"
#include "toolkit/chart.h"

namespace ovali {

// The experiment's picture, named by its sentence: the variants'
// distributions (the share of players at each amount, with their intervals,
// the exact law thin and the Ovalin distribution dashed); each ring's
// temperature against the rounds on a scale of powers of ten; or the
// ladder's fluctuations against the number of players with a 1/sqrt(N) line.
std::vector<Chart> labCharts(const Experiment& e, const LabResults& r);

}  // namespace ovali
