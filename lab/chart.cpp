#include "lab/chart.h"

#include <algorithm>
#include <cmath>

#include "lab/laws.h"
#include "stats/chart.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr Color kInk{33, 33, 33};

// A thin line from the low to the high end of an interval at `x`.
PlotLine intervalBar(double x, const Estimate& e, double scale, Color colour) {
  PlotLine bar;
  bar.points = {{x, std::max(0.0, e.low()) * scale}, {x, e.high() * scale}};
  bar.color = colour;
  bar.thin = true;
  return bar;
}

LinePlot distributionPlot(const Experiment& e, const LabResults& r) {
  LinePlot p;
  p.yTitle = "share of players";
  p.xTitle = "dollars";
  // Up to the amount below which 99.5 % of the players stand in every variant.
  double last = 1;
  for (std::size_t v = 0; v < r.variants.size(); ++v) {
    for (const GroupResult& g : r.variants[v].groups) {
      double share = 0;
      for (std::size_t k = 0; k < g.ovalin.size(); ++k) {
        share += g.players > 0 ? g.ovalin[k] / g.players : 1;
        last = std::max(last, static_cast<double>(k * e.variants[v].setting.units));
        if (share >= 0.995) break;
      }
    }
  }
  p.xLast = last;
  const double step = std::max(1.0, std::pow(10.0, std::floor(std::log10(last / 2))));
  for (double x = 0; x <= last + 1e-9; x += (last / step > 5 ? 2 * step : step)) {
    p.xLabels.emplace_back(x, dollarCaption(static_cast<std::int64_t>(x)));
  }
  for (std::size_t v = 0; v < r.variants.size(); ++v) {
    const Setting& s = e.variants[v].setting;
    const Color colour = lineColour(v);
    for (std::size_t group = 0; group < r.variants[v].groups.size(); ++group) {
      const GroupResult& g = r.variants[v].groups[group];
      const double scale = g.players > 0 ? 1.0 / g.players : 0;
      PlotLine measured, exact, ovalin;
      measured.color = exact.color = ovalin.color = colour;
      measured.marker = group == 0 ? Marker::Disc : Marker::Square;
      measured.joined = false;
      measured.legend = e.variants[v].label + (g.ring == "all" ? "" : " " + g.ring);
      exact.thin = true;
      ovalin.stroke = Stroke::Dashed;
      ovalin.thin = true;
      if (v == 0 && group == 0) {
        exact.legend = "exact";
        ovalin.legend = "Ovalin";
      }
      for (std::size_t k = 0; k < g.ovalin.size(); ++k) {
        const double x = static_cast<double>(k * s.units);
        if (x > last) break;
        if (k < g.average.size() && g.average[k].count > 0) {
          measured.points.emplace_back(x, g.average[k].mean * scale);
          if (g.average[k].half > 0) p.lines.push_back(intervalBar(x, g.average[k], scale, colour));
        }
        if (k < g.exact.size()) exact.points.emplace_back(x, g.exact[k] * scale);
        ovalin.points.emplace_back(x, g.ovalin[k] * scale);
      }
      p.lines.push_back(std::move(ovalin));
      if (!exact.points.empty()) p.lines.push_back(std::move(exact));
      p.lines.push_back(std::move(measured));
    }
  }
  return p;
}

LinePlot temperaturePlot(const Experiment& e, const LabResults& r) {
  LinePlot p;
  p.yTitle = "temperature";
  p.xTitle = "rounds (1, 10, 100, ...)";
  const auto xOf = [](std::int64_t round) { return std::log10(static_cast<double>(round) + 1); };
  if (r.traceRounds.empty() || r.variants.empty()) return p;
  p.xLast = xOf(r.traceRounds.back());
  for (std::int64_t round = 1; xOf(round) <= p.xLast + 1e-9; round *= 10) {
    p.xLabels.emplace_back(xOf(round), groupedDecimal(round));
  }
  const Setting& s = e.variants[0].setting;
  PlotLine whole;
  whole.color = kInk;
  whole.stroke = Stroke::Dashed;
  whole.legend = "both rings";
  const double t = temperatureOf(s.players, s.quanta());
  whole.points = {{0, t}, {p.xLast, t}};
  p.lines.push_back(whole);
  const auto& groups = r.variants[0].groups;
  for (std::size_t group = 0; group < groups.size(); ++group) {
    PlotLine ring;
    ring.color = group == 0 && groups.size() == 2 ? Color{213, 94, 0} : Color{0, 114, 178};
    ring.marker = group == 0 ? Marker::Disc : Marker::Square;
    ring.legend = groups[group].ring == "inner" ? "system" : "surroundings";
    for (std::size_t i = 0; i < groups[group].temperature.size() && i < r.traceRounds.size(); ++i) {
      const Estimate& at = groups[group].temperature[i];
      if (at.count == 0) continue;
      ring.points.emplace_back(xOf(r.traceRounds[i]), at.mean);
    }
    p.lines.push_back(std::move(ring));
  }
  return p;
}

LinePlot fluctuationPlot(const Experiment& e, const LabResults& r) {
  LinePlot p;
  p.yTitle = "fluctuation";
  p.xTitle = "players";
  p.xFirst = 0;
  p.xLast = 200;
  for (int n = 0; n <= 200; n += 50) p.xLabels.emplace_back(n, decimal(n));
  PlotLine measured, law;
  measured.color = lineColour(0);
  measured.marker = Marker::Disc;
  measured.legend = "measured";
  law.color = kInk;
  law.stroke = Stroke::Dashed;
  law.legend = "1/\u221AN";
  // The 1/sqrt(N) line through the measured points: c / sqrt(N) with c by
  // least squares.
  double fx = 0, xx = 0;
  for (std::size_t v = 0; v < r.variants.size(); ++v) {
    const Estimate& f = r.variants[v].fluctuation;
    const double n = e.variants[v].setting.players;
    if (f.count == 0 || n <= 0) continue;
    measured.points.emplace_back(n, f.mean);
    if (f.half > 0) p.lines.push_back(intervalBar(n, f, 1, measured.color));
    fx += f.mean / std::sqrt(n);
    xx += 1 / n;
  }
  if (xx > 0) {
    for (int n = 10; n <= 200; n += 5) law.points.emplace_back(n, fx / xx / std::sqrt(n));
  }
  p.lines.push_back(std::move(law));
  p.lines.push_back(std::move(measured));
  return p;
}

}  // namespace

std::vector<Chart> labCharts(const Experiment& e, const LabResults& r) {
  LinePlot p = e.figure == Figure::Temperature   ? temperaturePlot(e, r)
               : e.figure == Figure::Fluctuation ? fluctuationPlot(e, r)
                                                 : distributionPlot(e, r);
  p.name = labSentence(e, r);
  p.description = e.question;
  return {lineChart(p)};
}

}  // namespace ovali
