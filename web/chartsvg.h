#pragma once

#include <string>

#include "toolkit/chart.h"

namespace ovali {

// The chart as SVG markup, drawn as toolkit/chart.h says, `scale` times its
// size at 96 dpi; a screen reader meets it as one image with the chart's name.
std::string chartSvg(const Chart& chart, double scale);

}  // namespace ovali
