#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "stats/distribution.h"
#include "stats/history.h"
#include "toolkit/chart.h"

namespace ovali {

// The analysis report's rows as a picture, about 400 by 220 pixels: for each
// amount the report lists, $0 on the left, a bar of the average players and a
// point of the theoretical count, joined by a line; a scale of players with
// round ticks covering the tallest bar or point. Nothing when the report
// lists no rows.
std::optional<Chart> distributionChart(const Distribution& d, std::int16_t units);

// The history of a game as two charts, to be shown one under the other as
// one picture, each about 400 by 200 pixels, against the rounds: the
// entropy with its maximum dashed, and the Gini coefficient (on a scale of 0
// to 1) with its equilibrium dashed. While the rings are measured apart
// each has its own colour (the inner ring red, the outer blue, as on the
// ladder) and marker (discs and squares). The first chart carries the
// picture's name and the latest values as its description.
std::vector<Chart> historyCharts(const History& history);

}  // namespace ovali
