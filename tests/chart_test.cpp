#include "stats/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "lab/chart.h"
#include "lab/run.h"
#include "stats/history.h"
#include "toolkit/text.h"
#include "view/drawing.h"
#include "view/look.h"

namespace ovali {
namespace {

bool inside(const Rect& r, const Chart& c) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= c.width && r.top + r.height <= c.height;
}

// Boxes may share an edge (the amounts' slots do), within float rounding.
bool apart(const Rect& a, const Rect& b) {
  constexpr float kTouch = 0.5f;
  return a.left + a.width <= b.left + kTouch || b.left + b.width <= a.left + kTouch ||
         a.top + a.height <= b.top + kTouch || b.top + b.height <= a.top + kTouch;
}

float centreX(const Rect& r) { return r.left + r.width / 2; }
float centreY(const Rect& r) { return r.top + r.height / 2; }

// The value axis's labels: left of the plot, each level with its grid line.
void expectTickLabels(const Chart& c, std::vector<Rect>& texts) {
  for (const ChartTick& t : c.ticks) {
    EXPECT_TRUE(inside(t.label, c)) << t.label.text;
    EXPECT_LE(t.label.left + t.label.width, c.plot.left - 30) << "left of the plot, apart";
    EXPECT_FLOAT_EQ(centreY(t.label), t.y) << "level with its grid line";
    EXPECT_EQ(t.label.alignment, Alignment::Right);
    texts.push_back(t.label);
  }
}

// The legend's entries, left to right, above the plot: each key level with
// its text and before it, nearer to it than to the entry before, so that a
// reader pairs them rightly.
void expectLegends(const Chart& c, const std::vector<const ChartLegend*>& legends,
                   std::vector<Rect>& texts) {
  constexpr float kLeastGap = 30;  // two pixels at the design's scale
  const ChartLegend* before = nullptr;
  for (const ChartLegend* legend : legends) {
    SCOPED_TRACE(legend->text.text);
    EXPECT_TRUE(inside(legend->key, c));
    EXPECT_TRUE(inside(legend->text, c));
    EXPECT_LE(legend->key.top + legend->key.height, c.plot.top) << "above the plot";
    EXPECT_LE(legend->text.top + legend->text.height, c.plot.top) << "above the plot";
    EXPECT_FLOAT_EQ(centreY(legend->key), centreY(legend->text)) << "key level with text";
    const float ownGap = legend->text.left - (legend->key.left + legend->key.width);
    EXPECT_GE(ownGap, kLeastGap) << "key before its text";
    if (before != nullptr) {
      const float gapBefore = legend->key.left - (before->text.left + before->text.width);
      EXPECT_GT(gapBefore, ownGap) << "nearer its own text than the entry before";
    }
    before = legend;
    texts.push_back(legend->key);
    texts.push_back(legend->text);
  }
}

void expectApart(const std::vector<Rect>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_TRUE(apart(texts[i], texts[j])) << "boxes " << i << " and " << j << " overlap";
    }
  }
}

// Where every text and key of the chart stands: inside the picture, clear of
// each other and of the plot, each beside what it names.
TEST(ChartLayout, TextsStandBesideWhatTheyNameAndClearOfEachOther) {
  const struct {
    const char* name;
    int levels;
    std::int16_t units;
    float highest;
  } cases[] = {
      {"one level", 1, 1, 30},
      {"every listed level", 11, 1, 12.5f},
      {"wide amounts", 11, 3000, 0.4f},
      {"a tall count", 3, 10, 187},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    Distribution d;
    for (int i = 0; i < row.levels; ++i) {
      d.average[static_cast<std::size_t>(i)] = row.highest / static_cast<float>(i + 1);
      d.theory[static_cast<std::size_t>(i)] = row.highest / static_cast<float>(i + 2) + 0.2f;
    }
    const auto chart = distributionChart(d, row.units);
    ASSERT_TRUE(chart.has_value());
    const Chart& c = *chart;
    const float plotBottom = c.plot.top + c.plot.height;
    ASSERT_TRUE(inside(c.plot, c));

    std::vector<Rect> texts;
    expectTickLabels(c, texts);
    ASSERT_EQ(c.bars.size(), static_cast<std::size_t>(row.levels));
    for (const ChartBar& b : c.bars) {
      EXPECT_TRUE(inside(b.label, c)) << b.label.text;
      EXPECT_GE(b.label.top, plotBottom) << "under the plot";
      EXPECT_FLOAT_EQ(centreX(b.label), centreX(b.box)) << "under its bar";
      EXPECT_GE(b.box.left, c.plot.left);
      EXPECT_LE(b.box.left + b.box.width, c.plot.left + c.plot.width);
      texts.push_back(b.label);
    }
    expectLegends(c, {&c.barLegend, &c.lineLegend}, texts);
    EXPECT_TRUE(inside(c.axisTitle, c));
    EXPECT_LE(c.axisTitle.top + c.axisTitle.height, c.ticks.back().label.top)
        << "the axis title above the highest tick";
    texts.push_back(c.axisTitle);
    expectApart(texts);
  }
}

// The same for the charts over the rounds, whose legends name each curve and
// whose rounds are labelled under the plot.
TEST(ChartLayout, HistoryTextsStandBesideWhatTheyNameAndClearOfEachOther) {
  const struct {
    const char* name;
    bool separate;
    std::int64_t last;
  } cases[] = {
      {"one group, a few rounds", false, 3},
      {"rings apart, many rounds", true, 5000},
      {"a million rounds", false, 1000000},
  };
  for (const auto& row : cases) {
    History h;
    h.restart(row.separate);
    h.offer({0, {0, 1.9, 0, 0.6}, {0, 1.9, 0, 0.6}});
    h.offer({row.last, {1.8, 1.9, 0.55, 0.6}, {1.7, 1.9, 0.5, 0.6}});
    for (const Chart& c : historyCharts(h)) {
      SCOPED_TRACE(::testing::Message() << row.name << ", " << c.name);
      const float plotBottom = c.plot.top + c.plot.height;
      std::vector<Rect> texts;
      expectTickLabels(c, texts);
      ASSERT_FALSE(c.xTicks.empty());
      for (const ChartStep& t : c.xTicks) {
        EXPECT_GE(t.label.top, plotBottom) << "under the plot";
        EXPECT_TRUE(inside(t.label, c)) << t.label.text;
        // Centred under its tick, or moved in against the picture's edge.
        const bool atEdge = t.label.left == 0 || t.label.left + t.label.width == c.width;
        if (!atEdge) {
          EXPECT_FLOAT_EQ(centreX(t.label), t.x) << "under its tick";
        }
        EXPECT_TRUE(t.label.left <= t.x && t.x <= t.label.left + t.label.width) << t.label.text;
        texts.push_back(t.label);
      }
      EXPECT_TRUE(inside(c.axisTitle, c));
      texts.push_back(c.axisTitle);
      EXPECT_TRUE(inside(c.xTitle, c));
      EXPECT_GE(c.xTitle.top, c.xTicks.front().label.top + c.xTicks.front().label.height)
          << "the axis title under the rounds";
      texts.push_back(c.xTitle);
      std::vector<const ChartLegend*> legends;
      for (const ChartSeries& s : c.series) {
        if (!s.legend.text.text.empty()) legends.push_back(&s.legend);
      }
      // The series come in the order they are drawn, the legends as they read.
      std::sort(legends.begin(), legends.end(), [](const ChartLegend* a, const ChartLegend* b) {
        return a->key.left < b->key.left;
      });
      EXPECT_EQ(legends.size(), row.separate ? 3u : 2u);
      expectLegends(c, legends, texts);
      expectApart(texts);
    }
  }
}

// The page draws the chart's colours as SVG and HTML write them.
TEST(ChartLayout, ColoursAsHexTriplets) {
  EXPECT_EQ(hexColor(Color{0, 114, 178}), "#0072b2");
  EXPECT_EQ(hexColor(Color{213, 94, 0}), "#d55e00");
  EXPECT_EQ(hexColor(kWhite), "#ffffff");
}

int occurrences(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The shapes both front ends paint, each chart under the one before: every
// shape within its own chart, each bar, marker, key and text as
// toolkit/chart.h says, and the SVG true to the shapes.
// The picture of a short run of a lab experiment.
std::vector<Chart> labPicture(const char* name) {
  Experiment e = *makeExperiment(name, Setting{}, Setting{});
  e.plan = {3, 50, 300, 5, 1};
  LabRun run(e);
  for (std::size_t j = 0; j < run.jobs(); ++j) {
    run.deliver(j, playRepeat(e, variantOfJob(e, j), repeatOfJob(e, j)));
  }
  return labCharts(e, run.results());
}

// However long the variants' names, no legend covers the axis title, another
// legend or the plot.
TEST(ChartDrawing, TheLabsLegendsStayClearOfEachOtherAndThePlot) {
  for (std::string_view name : kExperimentNames) {
    SCOPED_TRACE(name);
    for (const Chart& c : labPicture(std::string(name).c_str())) {
      std::vector<Rect> boxes{c.axisTitle};
      for (const ChartSeries& s : c.series) {
        if (s.legend.text.text.empty()) continue;
        boxes.push_back(s.legend.text);
        boxes.push_back(s.legend.key);
      }
      const auto overlap = [](const Rect& a, const Rect& b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
      };
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_LE(boxes[i].top + boxes[i].height, c.plot.top) << i;
        EXPECT_GE(boxes[i].left, 0) << i;
        EXPECT_LE(boxes[i].left + boxes[i].width, c.width) << i;
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
          EXPECT_FALSE(overlap(boxes[i], boxes[j])) << i << " and " << j;
        }
      }
    }
  }
}

TEST(ChartDrawing, EveryPartOfEachChartBecomesItsShape) {
  Distribution spread;
  for (int i = 0; i < 8; ++i) {
    spread.average[static_cast<std::size_t>(i)] = 12.5f / static_cast<float>(i + 1);
    spread.theory[static_cast<std::size_t>(i)] = 12.5f / static_cast<float>(i + 2);
  }
  History apart;
  apart.restart(true);
  apart.offer({0, {0, 1.9, 0, 0.6}, {0, 1.9, 0, 0.6}});
  apart.offer({40, {1.8, 1.9, 0.55, 0.6}, {1.7, 1.9, 0.5, 0.6}});
  History onePoint;
  onePoint.restart(false);
  onePoint.offer({0, {0, 1.9, 0, 0.6}, {}});
  const struct {
    const char* name;
    std::vector<Chart> charts;
  } cases[] = {
      {"the analysis", {*distributionChart(spread, 3)}},
      {"the history with the rings apart", historyCharts(apart)},
      {"a fresh reset's history of one point", historyCharts(onePoint)},
      {"the lab's distributions", labPicture("money")},
      {"the lab's temperatures", labPicture("rings")},
      {"the lab's fluctuations", labPicture("many")},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    std::vector<Chart> charts = row.charts;
    charts[0].name = "<a & \"b\">";
    const Drawing d = drawingOf(charts);
    std::size_t at = 0;
    double top = 0, widest = 0;
    int left = 0, right = 0, dashed = 0;
    for (const Chart& c : charts) {
      const double px = Projection::kTwipsPerPixel, bottom = top + c.height / px;
      ASSERT_LT(at, d.shapes.size());
      const Shape& background = d.shapes[at++];
      EXPECT_EQ(background.color, c.background);
      EXPECT_DOUBLE_EQ(background.box.y, top) << "each chart under the one before";
      std::size_t markers = c.line.size() + (c.lineLegend.text.text.empty() ? 0 : 1);
      for (const ChartSeries& s : c.series) {
        if (s.marker != Marker::None)
          markers += s.marks.size() + (s.legend.text.text.empty() ? 0 : 1);
      }
      std::size_t bars = c.bars.size() + (c.barLegend.text.text.empty() ? 0 : 1);
      const auto nextChart = [&](const Shape& s) {
        return s.kind == Shape::Kind::Box && s.box.x == 0 && s.box.y == bottom;
      };
      // Where each marker's centre, each legend key's line and each tick
      // must be, in the drawing's pixels.
      const auto at_ = [&](float x, float y) { return PointF{x / px, top + y / px}; };
      std::vector<PointF> centres;
      for (const ChartPoint& p : c.line) centres.push_back(at_(p.x, p.y));
      std::vector<std::vector<PointF>> keys, ticks;
      const auto keyOf = [&](const Rect& k) {
        const float middle = k.top + k.height / 2;
        keys.push_back({at_(k.left, middle), at_(k.left + k.width, middle)});
        centres.push_back(at_(k.left + k.width / 2, middle));
      };
      if (!c.lineLegend.text.text.empty()) keyOf(c.lineLegend.key);
      for (const ChartSeries& s : c.series) {
        if (s.marker != Marker::None) {
          for (const ChartPoint& m : s.marks) centres.push_back(at_(m.x, m.y));
        }
        if (!s.legend.text.text.empty()) keyOf(s.legend.key);
      }
      const float base = c.plot.top + c.plot.height;
      for (const ChartStep& t : c.xTicks) {
        ticks.push_back({at_(t.x, base), at_(t.x, base + 4 * static_cast<float>(px))});
      }
      const auto near = [](const PointF& a, const PointF& b) {
        return std::fabs(a.x - b.x) < 0.01 && std::fabs(a.y - b.y) < 0.01;
      };
      const auto drawn = [&](const std::vector<PointF>& line, const Shape& s) {
        return s.points.size() == 2 && near(s.points[0], line[0]) && near(s.points[1], line[1]);
      };
      const auto shapes = std::span(d.shapes).subspan(at);
      for (; at < d.shapes.size() && !nextChart(d.shapes[at]); ++at) {
        const Shape& s = d.shapes[at];
        SCOPED_TRACE(s.text);
        std::vector<PointF> corners = s.points;
        if (s.kind != Shape::Kind::Path) {
          corners = {{s.box.x, s.box.y}, {s.box.x + s.box.width, s.box.y + s.box.height}};
        }
        for (const PointF& p : corners) {
          EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "a place, even for one point";
          EXPECT_TRUE(p.y >= top - 0.01 && p.y <= bottom + 0.01) << "inside its own chart";
        }
        switch (s.kind) {
          case Shape::Kind::Disc:
          case Shape::Kind::Square:
            EXPECT_FLOAT_EQ(s.box.width, 2 * c.markerRadius / px);
            EXPECT_FLOAT_EQ(s.box.height, s.box.width);
            EXPECT_TRUE(std::any_of(centres.begin(), centres.end(), [&](const PointF& p) {
              return near(p, {s.box.x + s.box.width / 2, s.box.y + s.box.height / 2});
            })) << "a marker centred on what it marks";
            --markers;
            break;
          case Shape::Kind::Box:
            if (s.color == c.barColor) --bars;
            break;
          case Shape::Kind::Path:
            // A curve of one point (the deal alone) is its mark; any longer
            // line has some length.
            EXPECT_TRUE(s.points.size() == 1 || s.points.front().x != s.points.back().x ||
                        s.points.front().y != s.points.back().y)
                << "a line of some length";
            dashed += s.stroke == Stroke::Dashed;
            if (s.stroke == Stroke::Dashed) {
              EXPECT_EQ(s.cap, Cap::Flat) << "a dash ends where it ends";
            }
            break;
          case Shape::Kind::Text:
            EXPECT_EQ(s.color, c.ink);
            left += s.alignment == Alignment::Left;
            right += s.alignment == Alignment::Right;
            break;
        }
      }
      EXPECT_EQ(markers, 0u) << "a marker on each point, mark and legend key";
      for (const auto& key : keys) {
        EXPECT_TRUE(std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) {
          return drawn(key, s);
        })) << "a legend key's line through the key's middle";
      }
      for (const auto& tick : ticks) {
        EXPECT_TRUE(std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) {
          return drawn(tick, s);
        })) << "a tick from the baseline down to its label";
      }
      EXPECT_EQ(bars, 0u) << "each bar and the bars' key";
      top = bottom;
      widest = std::max(widest, c.width / px);
    }
    EXPECT_EQ(at, d.shapes.size());
    EXPECT_DOUBLE_EQ(d.height, top);
    EXPECT_DOUBLE_EQ(d.width, widest);

    const std::string svg = svgOf(d, 2);
    EXPECT_EQ(occurrences(svg, "aria-label=\"&lt;a &amp; &quot;b&quot;&gt;\""), 1) << svg;
    EXPECT_EQ(occurrences(svg, " aria-description="), charts[0].description.empty() ? 0 : 1);
    EXPECT_EQ(occurrences(svg, " height=\"" + fixedDecimal(std::ceil(2 * d.height), 0) + "\""), 1);
    EXPECT_EQ(occurrences(svg, "text-anchor=\"start\""), left);
    EXPECT_EQ(occurrences(svg, "text-anchor=\"end\""), right);
    EXPECT_EQ(occurrences(svg, "stroke-dasharray"), dashed);
  }
  EXPECT_EQ(svgOf(drawingOf({}), 1), "");
}

}  // namespace
}  // namespace ovali
