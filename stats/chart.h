#pragma once

#include <cstdint>
#include <optional>

#include "stats/distribution.h"
#include "toolkit/chart.h"

namespace ovali {

// The analysis report's rows as a picture, about 400 by 220 pixels: for each
// amount the report lists, $0 on the left, a bar of the average players and a
// point of the theoretical count, joined by a line; a scale of players with
// round ticks covering the tallest bar or point. Nothing when the report
// lists no rows.
std::optional<Chart> distributionChart(const Distribution& d, std::int16_t units);

}  // namespace ovali
