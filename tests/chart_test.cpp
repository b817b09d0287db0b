#include "stats/chart.h"

#include <gtest/gtest.h>

#include <vector>

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
    for (const ChartTick& t : c.ticks) {
      EXPECT_TRUE(inside(t.label, c)) << t.label.text;
      EXPECT_LE(t.label.left + t.label.width, c.plot.left) << "left of the plot";
      EXPECT_FLOAT_EQ(centreY(t.label), t.y) << "level with its grid line";
      EXPECT_EQ(t.label.alignment, Alignment::Right);
      texts.push_back(t.label);
    }
    ASSERT_EQ(c.bars.size(), static_cast<std::size_t>(row.levels));
    for (const ChartBar& b : c.bars) {
      EXPECT_TRUE(inside(b.label, c)) << b.label.text;
      EXPECT_GE(b.label.top, plotBottom) << "under the plot";
      EXPECT_FLOAT_EQ(centreX(b.label), centreX(b.box)) << "under its bar";
      EXPECT_GE(b.box.left, c.plot.left);
      EXPECT_LE(b.box.left + b.box.width, c.plot.left + c.plot.width);
      texts.push_back(b.label);
    }
    for (const ChartLegend* legend : {&c.barLegend, &c.lineLegend}) {
      EXPECT_TRUE(inside(legend->key, c));
      EXPECT_TRUE(inside(legend->text, c)) << legend->text.text;
      EXPECT_LE(legend->key.top + legend->key.height, c.plot.top) << "above the plot";
      EXPECT_LE(legend->text.top + legend->text.height, c.plot.top) << "above the plot";
      EXPECT_LE(legend->key.left + legend->key.width, legend->text.left) << "key before text";
      EXPECT_FLOAT_EQ(centreY(legend->key), centreY(legend->text)) << "key level with text";
      texts.push_back(legend->key);
      texts.push_back(legend->text);
    }
    EXPECT_TRUE(inside(c.axisTitle, c));
    EXPECT_LE(c.axisTitle.top + c.axisTitle.height, c.ticks.back().label.top)
        << "the axis title above the highest tick";
    texts.push_back(c.axisTitle);

    for (std::size_t i = 0; i < texts.size(); ++i) {
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_TRUE(apart(texts[i], texts[j])) << "boxes " << i << " and " << j << " overlap";
      }
    }
  }
}

// The page draws the chart's colours as SVG and HTML write them.
TEST(ChartLayout, ColoursAsHexTriplets) {
  EXPECT_EQ(hexColor(Color{0, 114, 178}), "#0072b2");
  EXPECT_EQ(hexColor(Color{213, 94, 0}), "#d55e00");
  EXPECT_EQ(hexColor(kWhite), "#ffffff");
}

}  // namespace
}  // namespace ovali
