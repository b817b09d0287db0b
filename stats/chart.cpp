#include "stats/chart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr float kWidth = 6000;
constexpr float kHeight = 3300;
constexpr Rect kPlot{660, 420, 5220, 2520};
// One line of text in a message box's font, with a little air.
constexpr float kTextHeight = 240;
constexpr float kGap = 60;
// Bars take this share of their slot, leaving a gap between neighbours.
constexpr float kBarShare = 0.64f;
// At most this many intervals between ticks: enough to read a value off, few
// enough to read from the back of a room.
constexpr int kMostIntervals = 5;

// Okabe and Ito's blue and vermilion: apart for every kind of colour vision,
// dark enough on white to survive a washed-out projector.
constexpr Color kBarBlue{0, 114, 178};
constexpr Color kLineVermilion{213, 94, 0};
constexpr Color kInk{33, 33, 33};
constexpr Color kGridGrey{204, 204, 204};

float bottom(const Rect& r) { return r.top + r.height; }

// The smallest of 1, 2 and 5 times a power of ten that covers `highest` in at
// most kMostIntervals steps.
double roundStep(double highest) {
  const double least = highest / kMostIntervals;
  const double power = std::pow(10.0, std::floor(std::log10(least)));
  for (const double m : {1.0, 2.0, 5.0}) {
    if (m * power >= least) return m * power;
  }
  return 10 * power;
}

// A tick value with as many decimals as the step needs and no more.
std::string tickText(double value, double step) {
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
  return fixedDecimal(value, decimals);
}

}  // namespace

std::optional<Chart> distributionChart(const Distribution& d, std::int16_t units) {
  int levels = 0;
  double highest = 0;
  for (int i = 0; i <= kHighestListed; ++i) {
    if (!listed(d, i)) continue;
    const auto at = static_cast<std::size_t>(i);
    levels = i + 1;
    highest =
        std::max({highest, static_cast<double>(d.average[at]), static_cast<double>(d.theory[at])});
  }
  if (levels == 0) return std::nullopt;

  Chart c;
  c.name = "Chart of the averages and the theoretical counts";
  c.width = kWidth;
  c.height = kHeight;
  c.plot = kPlot;
  c.background = kWhite;
  c.ink = kInk;
  c.grid = kGridGrey;
  c.barColor = kBarBlue;
  c.lineColor = kLineVermilion;
  c.gridWidth = 15;
  c.lineWidth = 36;
  c.markerRadius = 75;

  const double step = roundStep(highest);
  const int intervals = std::max(1, static_cast<int>(std::ceil(highest / step - 1e-9)));
  c.top = intervals * step;
  const float base = bottom(c.plot);
  const auto yOf = [&](double value) {
    const double share = std::clamp(value / c.top, 0.0, 1.0);
    return base - static_cast<float>(share * c.plot.height);
  };

  for (int k = 0; k <= intervals; ++k) {
    ChartTick t;
    t.value = k * step;
    t.y = yOf(t.value);
    t.label.text = tickText(t.value, step);
    t.label.alignment = Alignment::Right;
    t.label.left = 0;
    t.label.width = c.plot.left - kGap - 30;
    t.label.top = t.y - kTextHeight / 2;
    t.label.height = kTextHeight;
    c.ticks.push_back(t);
  }
  c.axisTitle = {{kGap, kGap / 2, c.plot.left * 2, kTextHeight}, "players", Alignment::Left};

  // Every amount from $0 up to the highest listed, in the report's columns.
  const float slot = c.plot.width / static_cast<float>(levels);
  for (int i = 0; i < levels; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const float centre = c.plot.left + slot * (static_cast<float>(i) + 0.5f);
    ChartBar b;
    b.value = d.average[at];
    const float barTop = yOf(b.value);
    b.box = {centre - slot * kBarShare / 2, barTop, slot * kBarShare, base - barTop};
    b.label = {
        {centre - slot / 2, base + kGap, slot, kTextHeight}, amount(i, units), Alignment::Center};
    c.bars.push_back(b);
    c.line.push_back({d.theory[at], centre, yOf(d.theory[at])});
  }

  // The legend sits above the plot at the right, clear of the data.
  constexpr float kKey = 180;
  constexpr float kLineKey = 360;
  constexpr float kLegendText = 600;
  const float middle = kGap / 2 + kTextHeight / 2;
  float x = c.width - kGap - kLegendText;
  c.lineLegend.text = {
      {x, middle - kTextHeight / 2, kLegendText, kTextHeight}, "Ovali.", Alignment::Left};
  x -= kGap + kLineKey;
  c.lineLegend.key = {x, middle - kKey / 2, kLineKey, kKey};
  x -= 3 * kGap + kLegendText;
  c.barLegend.text = {
      {x, middle - kTextHeight / 2, kLegendText, kTextHeight}, "avg.", Alignment::Left};
  x -= kGap + kKey;
  c.barLegend.key = {x, middle - kKey / 2, kKey, kKey};
  return c;
}

}  // namespace ovali
