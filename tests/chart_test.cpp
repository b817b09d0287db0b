#include "stats/chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

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

// The shapes both front ends paint: the second chart under the first, every
// shape inside the picture, and the SVG's texts escaped.
TEST(ChartDrawing, ChartsStackAsOnePictureAndTheirTextsStayText) {
  History h;
  h.restart(true);
  h.offer({0, {0, 1.9, 0, 0.6}, {0, 1.9, 0, 0.6}});
  h.offer({40, {1.8, 1.9, 0.55, 0.6}, {1.7, 1.9, 0.5, 0.6}});
  std::vector<Chart> charts = historyCharts(h);
  ASSERT_EQ(charts.size(), 2u);
  charts[0].name = "<a & \"b\">";
  const Drawing d = drawingOf(charts);
  const double firstHeight = charts[0].height / Projection::kTwipsPerPixel;
  EXPECT_DOUBLE_EQ(d.height, firstHeight + charts[1].height / Projection::kTwipsPerPixel);
  int backgrounds = 0;
  for (const Shape& s : d.shapes) {
    SCOPED_TRACE(s.text);
    std::vector<PointF> corners = s.points;
    if (s.kind != Shape::Kind::Path) {
      corners = {{s.box.x, s.box.y}, {s.box.x + s.box.width, s.box.y + s.box.height}};
    }
    for (const PointF& p : corners) {
      EXPECT_GE(p.y, -0.01);
      EXPECT_LE(p.y, d.height + 0.01);
    }
    if (s.kind == Shape::Kind::Box && s.box.x == 0 && s.box.width == d.width) {
      EXPECT_DOUBLE_EQ(s.box.y, backgrounds++ == 0 ? 0 : firstHeight) << "each chart's own";
    }
  }
  EXPECT_EQ(backgrounds, 2);

  const std::string svg = svgOf(d, 2);
  EXPECT_NE(svg.find("aria-label=\"&lt;a &amp; &quot;b&quot;&gt;\""), std::string::npos) << svg;
  EXPECT_NE(svg.find(" height=\"" + fixedDecimal(std::ceil(2 * d.height), 0) + "\""),
            std::string::npos);
  EXPECT_EQ(svgOf(drawingOf({}), 1), "");
}

}  // namespace
}  // namespace ovali
