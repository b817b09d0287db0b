#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
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

// A chart of lines against a horizontal value, about 400 by 200 pixels, for
// pictures whose curves are given as numbers: each line's points joined in
// order in its colour and stroke, its marker on a dozen of them at most, its
// legend (if any) on the top line; the vertical scale covers every point from 0 up.
struct PlotLine {
  std::vector<std::pair<double, double>> points;  // (x, y)
  Color color;
  Stroke stroke = Stroke::Solid;
  Marker marker = Marker::None;
  bool thin = false;
  // False: the marker on each point, the points not joined.
  bool joined = true;
  std::string legend;
};
struct LinePlot {
  std::string name, description, yTitle, xTitle;
  double xFirst = 0, xLast = 1;
  // The ticks under the plot, at these values.
  std::vector<std::pair<double, std::string>> xLabels;
  std::vector<PlotLine> lines;
};
Chart lineChart(const LinePlot& plot);

// Colours for lines told apart by colour: Okabe and Ito's blue, vermilion,
// bluish green, reddish purple and orange, in turn.
Color lineColour(std::size_t index);

}  // namespace ovali
