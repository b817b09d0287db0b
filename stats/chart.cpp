#include "stats/chart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <string>
#include <utility>

#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr float kWidth = 6000;
constexpr float kHeight = 3300;
constexpr Rect kPlot{660, 420, 5220, 2520};
// One line of text in a message box's font, with a little air.
constexpr float kTextHeight = 240;
constexpr float kGap = 60;
// A generous width of one character of the chart's text, for boxes that are
// sized to what they hold.
constexpr float kCharWidth = 125;

float textWidth(const std::string& text) {
  return kCharWidth * static_cast<float>(text.size()) + kGap;
}
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
double roundStep(double highest, int mostIntervals = kMostIntervals) {
  const double least = highest / mostIntervals;
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

Chart blankChart() {
  Chart c;
  c.background = kWhite;
  c.ink = kInk;
  c.grid = kGridGrey;
  c.gridWidth = 15;
  c.lineWidth = 36;
  c.markerRadius = 75;
  return c;
}

// Ticks of round values from 0 up to `c.top`, which they set to cover
// `highest`.
void scaleValues(Chart& c, double highest, double step) {
  const int intervals = std::max(1, static_cast<int>(std::ceil(highest / step - 1e-9)));
  c.top = intervals * step;
  const float base = bottom(c.plot);
  for (int k = 0; k <= intervals; ++k) {
    ChartTick t;
    t.value = k * step;
    t.y = base - static_cast<float>(std::clamp(t.value / c.top, 0.0, 1.0) * c.plot.height);
    t.label.text = tickText(t.value, step);
    t.label.alignment = Alignment::Right;
    t.label.left = 0;
    t.label.width = c.plot.left - kGap - 30;
    t.label.top = t.y - kTextHeight / 2;
    t.label.height = kTextHeight;
    c.ticks.push_back(t);
  }
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

  Chart c = blankChart();
  c.name = "Chart of the averages and the theoretical counts";
  c.width = kWidth;
  c.height = kHeight;
  c.plot = kPlot;
  c.barColor = kBarBlue;
  c.lineColor = kLineVermilion;

  scaleValues(c, highest, roundStep(highest));
  const float base = bottom(c.plot);
  const auto yOf = [&](double value) {
    const double share = std::clamp(value / c.top, 0.0, 1.0);
    return base - static_cast<float>(share * c.plot.height);
  };

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

namespace {

constexpr float kHistoryHeight = 3000;
constexpr Rect kHistoryPlot{660, 420, 5160, 1860};
// At most this many points across a curve's width: a plot is about 350
// pixels wide, and drawing a jagged curve costs per point.
constexpr std::size_t kMostDrawn = 150;
constexpr int kMarksPerSeries = 6;
constexpr Color kInnerRed{213, 94, 0};
constexpr Color kOuterBlue{0, 114, 178};

enum class Quantity { Entropy, Gini };

double valueOf(const Spread& s, Quantity q, bool bound) {
  if (q == Quantity::Entropy) return bound ? s.maximum : s.entropy;
  return bound ? s.equilibrium : s.gini;
}

constexpr float kLineKey = 300;
constexpr float kLegendRow = kTextHeight + kGap / 2;

// How much of a legend line an entry takes.
float legendWidth(const std::string& text) { return textWidth(text) + 3 * kGap + kLineKey; }

// Lays out a legend entry ending at `right`, on the legend line `row`, and
// moves `right` left of it.
void addLegend(ChartSeries& series, float& right, const std::string& text, int row = 0) {
  const float width = textWidth(text);
  const float middle = kGap / 2 + kTextHeight / 2 + static_cast<float>(row) * kLegendRow;
  right -= width;
  series.legend.text = {
      {right, middle - kTextHeight / 2, width, kTextHeight}, text, Alignment::Left};
  right -= kGap + kLineKey;
  series.legend.key = {right, middle - 90, kLineKey, 180};
  right -= 2 * kGap;
}

// The ticks and labels under a plot at these values, and its title below
// them.
template <class Place>
void addXAxis(Chart& c, const std::vector<std::pair<double, std::string>>& labels, Place xOf,
              const std::string& title) {
  const float base = c.plot.top + c.plot.height;
  for (const auto& [value, text] : labels) {
    ChartStep t;
    t.value = value;
    t.x = xOf(value);
    // Centred under its tick, but moved in from the picture's edge rather
    // than cut off there: the last tick is often near it.
    const float width = textWidth(text);
    const float left = std::clamp(t.x - width / 2, 0.0f, c.width - width);
    t.label = {{left, base + kGap * 2, width, kTextHeight}, text, Alignment::Center};
    c.xTicks.push_back(t);
  }
  c.xTitle = {{c.plot.left, base + kGap * 3 + kTextHeight, c.plot.width, kTextHeight},
              title,
              Alignment::Center};
}

// The rounds under a history: linear while the run spans two decades or
// less, and from then on logarithmic, so that its first rounds keep their
// room however long it goes on. The deal, round 0, has no place on a
// logarithmic scale: it stands half a decade before round 1.
class RoundAxis {
 public:
  static constexpr double kLinearUpTo = 100;
  static constexpr double kDealGap = 0.5;  // decades

  RoundAxis(double first, double last, const Rect& plot)
      : first_(first), last_(std::max(last, first + 1)), plot_(plot) {
    logarithmic_ = first_ <= 1 && last_ > kLinearUpTo;
    if (logarithmic_) decades_ = kDealGap + std::log10(last_);
  }

  bool logarithmic() const { return logarithmic_; }

  float x(double round) const {
    double share = (round - first_) / (last_ - first_);
    if (logarithmic_) share = (round < 1 ? 0 : kDealGap + std::log10(round)) / decades_;
    return plot_.left + static_cast<float>(std::clamp(share, 0.0, 1.0)) * plot_.width;
  }

  // The rounds labelled, at least two, each with room beside the next.
  std::vector<std::pair<double, std::string>> labels() const {
    std::vector<std::pair<double, std::string>> out;
    if (logarithmic_) {
      const int top = static_cast<int>(std::floor(std::log10(last_) + 1e-9));
      // Every decade, or every second or third one where the widest label
      // would not fit beside the next.
      const float decade = plot_.width / static_cast<float>(decades_);
      float widest = 0;
      for (int d = 0; d <= top; ++d) {
        widest = std::max(widest, 1.2f * textWidth(roundText(std::pow(10.0, d))));
      }
      const int every = std::max(1, static_cast<int>(std::ceil(widest / decade)));
      if (decade * static_cast<float>(kDealGap) >= 1.2f * textWidth("1")) out.emplace_back(0, "0");
      for (int d = 0; d <= top; d += every) {
        const double round = std::pow(10.0, d);
        out.emplace_back(round, roundText(round));
      }
      return out;
    }
    // Rounds are whole: a short run ticks every round, not fractions of one.
    // A long run's labels are wide: fewer of them, so that each has room
    // beside the next, the last one moved in from the edge included.
    const double span = last_ - first_;
    const float labelRoom = 1.5f * textWidth(roundText(last_));
    const int intervals = std::clamp(static_cast<int>(plot_.width / labelRoom), 1, kMostIntervals);
    double step = std::max(1.0, roundStep(span, intervals));
    // A step longer than the run would leave its first round alone.
    if (step > span) step = std::max(1.0, stepWithin(span));
    for (double r = std::ceil(first_ / step) * step; r <= last_ + 1e-9; r += step) {
      out.emplace_back(r, roundText(r));
    }
    return out;
  }

 private:
  // "1,000" up to a million, "4 M" from there: short enough to read from
  // the back of a room.
  static std::string roundText(double round) {
    const auto whole = static_cast<std::int64_t>(std::llround(round));
    if (whole < 1'000'000 || whole % 1'000'000 != 0) return groupedDecimal(whole);
    return groupedDecimal(whole / 1'000'000) + " M";
  }

  // The largest of 1, 2 and 5 times a power of ten that is not longer than `span`.
  static double stepWithin(double span) {
    const double power = std::pow(10.0, std::floor(std::log10(span)));
    for (const double m : {5.0, 2.0}) {
      if (m * power <= span) return m * power;
    }
    return power;
  }

  double first_, last_;
  Rect plot_;
  bool logarithmic_ = false;
  double decades_ = 1;
};

Chart historyChart(const History& h, Quantity q) {
  Chart c = blankChart();
  c.width = kWidth;
  c.height = kHistoryHeight;
  c.plot = kHistoryPlot;
  const std::vector<HistoryPoint>& points = h.points();
  const bool apart = h.separate();

  double highest = 0;
  for (const HistoryPoint& p : points) {
    for (const bool bound : {false, true}) {
      highest = std::max(highest, valueOf(p.system, q, bound));
      if (apart) highest = std::max(highest, valueOf(p.surroundings, q, bound));
    }
  }
  if (q == Quantity::Gini) {
    scaleValues(c, 1, 0.2);
  } else {
    const double top = std::max(highest, 0.5);
    scaleValues(c, top, roundStep(top));
  }
  // As wide as its text: the legends share its line.
  const std::string title = q == Quantity::Gini ? "Gini" : "entropy";
  c.axisTitle = {{kGap, kGap / 2, textWidth(title), kTextHeight}, title, Alignment::Left};

  const double first = points.empty() ? 0 : static_cast<double>(points.front().round);
  const double last = points.empty() ? 1 : static_cast<double>(points.back().round);
  const RoundAxis axis(first, last, c.plot);
  const float base = bottom(c.plot);
  const auto xOf = [&](double round) { return axis.x(round); };
  const auto yOf = [&](double value) {
    return base - static_cast<float>(std::clamp(value / c.top, 0.0, 1.0) * c.plot.height);
  };
  addXAxis(c, axis.labels(), xOf,
           axis.logarithmic() ? "rounds, on a scale of powers of ten" : "rounds");

  std::vector<std::string> legends;
  const auto add = [&](bool outer, bool bound, const std::string& legend) {
    ChartSeries s;
    s.color = !apart ? (bound ? kInk : kOuterBlue) : (outer ? kOuterBlue : kInnerRed);
    s.width = bound ? 24 : 36;
    s.stroke = bound ? Stroke::Dashed : Stroke::Solid;
    s.marker = !apart ? Marker::None : (outer ? Marker::Square : Marker::Disc);
    const auto take = [&](const HistoryPoint& p) {
      const double v = valueOf(outer ? p.surroundings : p.system, q, bound);
      const ChartPoint point{v, xOf(static_cast<double>(p.round)), yOf(v)};
      // A level stretch is one segment: the maximum of a game where the
      // rings are not apart never moves, and a dashed line costs per point.
      const std::size_t n = s.points.size();
      if (n >= 2 && s.points[n - 1].y == point.y && s.points[n - 2].y == point.y) {
        s.points.back() = point;
      } else {
        s.points.push_back(point);
      }
    };
    // Points closer together than the screen can tell apart are thinned:
    // drawing a jagged curve costs per point.
    const float closest = c.plot.width / static_cast<float>(kMostDrawn);
    float drawnAt = -closest;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const float x = xOf(static_cast<double>(points[i].round));
      if (i + 1 < points.size() && x - drawnAt < closest) continue;
      drawnAt = x;
      take(points[i]);
    }
    if (points.size() == 1) {
      // The deal alone: a mark where a line has no length to draw.
      if (s.marker == Marker::None) s.marker = Marker::Disc;
      s.marks = s.points;
    } else if (s.marker != Marker::None && !s.points.empty()) {
      // The rings' marks stand at different rounds, so that neither hides
      // the other where the curves meet.
      const double shift = outer ? 0.75 : 0.25;
      for (int k = 0; k < kMarksPerSeries; ++k) {
        const auto at = static_cast<std::size_t>((k + shift) / kMarksPerSeries *
                                                 static_cast<double>(s.points.size()));
        s.marks.push_back(s.points[std::min(at, s.points.size() - 1)]);
      }
    }
    c.series.push_back(std::move(s));
    legends.push_back(legend);
  };
  const std::string boundName = q == Quantity::Entropy ? "maximum" : "equilibrium";
  // The dashed bounds first, so that the measured curves are drawn over
  // them where they meet; the legends still read measured first.
  if (apart) {
    add(false, true, boundName);
    add(true, true, "");
    add(false, false, "system");
    add(true, false, "surroundings");
  } else {
    add(false, true, boundName);
    add(false, false, q == Quantity::Entropy ? "entropy" : "Gini");
  }
  // Laid out from the right, so that they read left to right: the measured
  // curves, then the bound.
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < c.series.size(); ++i) {
    if (c.series[i].stroke == Stroke::Solid) order.push_back(i);
  }
  for (std::size_t i = 0; i < c.series.size(); ++i) {
    if (c.series[i].stroke != Stroke::Solid) order.push_back(i);
  }
  float right = c.width - kGap;
  for (std::size_t k = order.size(); k-- > 0;) {
    const std::size_t i = order[k];
    if (!legends[i].empty()) addLegend(c.series[i], right, legends[i]);
  }
  return c;
}

}  // namespace

std::vector<Chart> historyCharts(const History& history) {
  std::vector<Chart> charts{historyChart(history, Quantity::Entropy),
                            historyChart(history, Quantity::Gini)};
  charts[0].name = "Entropy and Gini coefficient over the rounds";
  charts[0].description = historyDescription(history);
  charts[1].name = "Gini coefficient over the rounds";
  return charts;
}

}  // namespace ovali

namespace ovali {

Color lineColour(std::size_t index) {
  constexpr Color kColours[] = {
      {0, 114, 178}, {213, 94, 0}, {0, 158, 115}, {204, 121, 167}, {230, 159, 0}};
  return kColours[index % std::size(kColours)];
}

Chart lineChart(const LinePlot& p) {
  Chart c = blankChart();
  c.name = p.name;
  c.description = p.description;
  c.width = kWidth;
  c.height = kHistoryHeight;
  c.plot = kHistoryPlot;
  // Legends too wide for the line beside the axis title go on to a second
  // line, and the plot moves down by one.
  const float room = c.width - 3 * kGap - textWidth(p.yTitle);
  float wanted = 0;
  for (const PlotLine& line : p.lines) {
    if (!line.legend.empty()) wanted += legendWidth(line.legend);
  }
  if (wanted > room) {
    c.height += kLegendRow;
    c.plot.top += kLegendRow;
  }
  double highest = 0;
  for (const PlotLine& line : p.lines) {
    for (const auto& [x, y] : line.points) highest = std::max(highest, y);
  }
  highest = highest > 0 ? highest : 1;
  scaleValues(c, highest, roundStep(highest));
  c.axisTitle = {{kGap, kGap / 2, textWidth(p.yTitle), kTextHeight}, p.yTitle, Alignment::Left};

  const double span = p.xLast > p.xFirst ? p.xLast - p.xFirst : 1;
  const float base = bottom(c.plot);
  const auto xOf = [&](double x) {
    return c.plot.left +
           static_cast<float>(std::clamp((x - p.xFirst) / span, 0.0, 1.0)) * c.plot.width;
  };
  const auto yOf = [&](double y) {
    return base - static_cast<float>(std::clamp(y / c.top, 0.0, 1.0) * c.plot.height);
  };
  addXAxis(c, p.xLabels, xOf, p.xTitle);
  for (const PlotLine& line : p.lines) {
    ChartSeries s;
    s.color = line.color;
    s.width = line.thin ? 18 : 36;
    s.stroke = line.stroke;
    s.marker = line.marker;
    std::vector<ChartPoint> points;
    for (const auto& [x, y] : line.points) points.push_back({y, xOf(x), yOf(y)});
    if (s.marker != Marker::None) {
      constexpr std::size_t kMostMarks = 12;
      const std::size_t every = line.joined ? (points.size() + kMostMarks - 1) / kMostMarks : 1;
      for (std::size_t i = 0; i < points.size(); i += std::max<std::size_t>(every, 1)) {
        s.marks.push_back(points[i]);
      }
    }
    if (line.joined) s.points = std::move(points);
    c.series.push_back(std::move(s));
  }
  float right = c.width - kGap;
  int row = 0;
  for (std::size_t i = c.series.size(); i-- > 0;) {
    const std::string& legend = p.lines[i].legend;
    if (legend.empty()) continue;
    if (row == 0 && wanted > room && right - legendWidth(legend) < c.width - room) {
      row = 1;
      right = c.width - kGap;
    }
    addLegend(c.series[i], right, legend, row);
  }
  return c;
}

}  // namespace ovali
