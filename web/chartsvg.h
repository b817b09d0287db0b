#pragma once

#include <string>
#include <vector>

#include "toolkit/chart.h"

namespace ovali {

// The chart as SVG markup, drawn as toolkit/chart.h says, `scale` times its
// size at 96 dpi; a screen reader meets it as one image with the chart's name.
std::string chartSvg(const Chart& chart, double scale);

// Charts one under the other as one SVG image, named and described by the
// first chart.
std::string chartsSvg(const std::vector<Chart>& charts, double scale);

}  // namespace ovali
