#pragma once

// A bar chart with a line of points over it, laid out once as plain data.
// A front end only draws what it finds here; it decides nothing. Everything
// is in twips (15 to the pixel at 96 dpi) from the chart's top-left corner,
// y growing downward; scale it uniformly to the screen's pixels.
//
// Drawing it, back to front:
//  1. fill (0, 0, width, height) with `background`;
//  2. for each tick, a `gridWidth` line in `grid` across the plot at `y`, and
//     its label;
//  3. each bar's `box` filled with `barColor`, and its label under it;
//  4. the baseline in `ink`, `gridWidth` wide, along the bottom of `plot`;
//  5. the points joined in order by a `lineWidth` line in `lineColor`, then
//     on each point a disc of `markerRadius` in `lineColor` with a rim of
//     `gridWidth` in `background`, so the points read over the bars;
//  6. the axis title and the legend: `barKey` filled as a bar, `lineKey` a
//     line through its middle with a marker at its centre, each key followed
//     by its text.
//  7. each of `series` in turn: its points joined by a `width` line in its
//     `color` and `stroke`, then its `marker` shape (of `markerRadius`, rim
//     as in 5) at each of its `marks`; its legend key is a short line of the
//     same kind through the key's middle with the marker at its centre;
//  8. for each of `xTicks`, a short `gridWidth` line in `ink` down from the
//     baseline at `x`, its label under it, and `xTitle` under those.
// Texts are `ink`, on one line, centred vertically in their box and aligned
// in it as they say. The boxes are sized for a message box's own font, up to
// about 10 points; a text may overflow its box but is not clipped.
//
// A screen reader meets the whole chart as one image called `name`, with
// `description` (when there is one) as what it shows. Charts given as one
// picture are drawn one under the other and read as the first one's image.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/controls.h"

namespace ovali {

struct ChartText : Rect {
  std::string text;
  Alignment alignment = Alignment::Center;
};

struct ChartBar {
  double value = 0;
  Rect box;         // from the baseline up to the value; empty at 0
  ChartText label;  // under the bar
};

struct ChartPoint {
  double value = 0;
  float x = 0, y = 0;  // centre
};

struct ChartTick {
  double value = 0;
  float y = 0;      // the grid line, across the plot
  ChartText label;  // left of the plot
};

struct ChartLegend {
  Rect key;
  ChartText text;
};

// A value on the horizontal axis.
struct ChartStep {
  double value = 0;
  float x = 0;      // the tick, under the plot
  ChartText label;  // under the tick
};

// Series that share a colour are told apart by their stroke and marker too,
// so the chart reads in grey and to those who do not see the colours.
enum class Stroke : std::uint8_t { Solid, Dashed };
enum class Marker : std::uint8_t { None, Disc, Square };

struct ChartSeries {
  std::vector<ChartPoint> points;  // joined in order
  std::vector<ChartPoint> marks;   // where its marker stands
  Color color;
  float width = 0;
  Stroke stroke = Stroke::Solid;
  Marker marker = Marker::None;
  ChartLegend legend;
};

struct Chart {
  std::string name;
  float width = 0, height = 0;
  // The area the values span: its bottom is 0 and its top `top`.
  Rect plot;
  double top = 0;

  // Evenly spaced round values from 0 up to `top`, bottom first.
  std::vector<ChartTick> ticks;
  ChartText axisTitle;           // above the tick labels
  std::vector<ChartBar> bars;    // left to right
  std::vector<ChartPoint> line;  // one per bar, over its centre
  ChartLegend barLegend, lineLegend;
  std::vector<ChartSeries> series;
  std::vector<ChartStep> xTicks;
  ChartText xTitle;
  std::string description;

  Color background, ink, grid, barColor, lineColor;
  float gridWidth = 0, lineWidth = 0, markerRadius = 0;
};

}  // namespace ovali
