#include "stats/history.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/play.h"
#include "commands/reset.h"
#include "game_fixture.h"
#include "stats/chart.h"

namespace ovali {
namespace {

using testing::Game;

// Players per level with `players` at level `level` and none elsewhere.
std::vector<std::int16_t> allAt(int level, std::int16_t players) {
  std::vector<std::int16_t> counts(static_cast<std::size_t>(level) + 1, 0);
  counts.back() = players;
  return counts;
}

// 30,000 players spread as the most probable law at 2 units each: N (1 - r) r^k, r = 2/3.
std::vector<std::int16_t> geometric() {
  std::vector<std::int16_t> counts;
  for (double count = 10000; count >= 0.5; count *= 2.0 / 3.0) {
    counts.push_back(static_cast<std::int16_t>(std::lround(count)));
  }
  return counts;
}

struct SpreadCase {
  const char* name;
  std::vector<std::int16_t> counts;
  double entropy, maximum, gini, equilibrium;
  double tolerance;
};

const double kTwoUnitsMaximum = 3 * std::log(3.0) - 2 * std::log(2.0);

const SpreadCase kSpreadCases[] = {
    {"AllEqual", allAt(2, 200), 0, kTwoUnitsMaximum, 0, 0.6, 1e-12},
    // 29 broke and one with all 30 units: Gini (N - 1) / N.
    {"OneHoldsEverything",
     [] {
       auto c = allAt(30, 1);
       c[0] = 29;
       return c;
     }(),
     -(29.0 / 30 * std::log(29.0 / 30) + 1.0 / 30 * std::log(1.0 / 30)), 2 * std::log(2.0),
     29.0 / 30, 2.0 / 3, 1e-12},
    // Half broke, half with one unit: every broke-rich pair differs by 1.
    {"TwoHalves",
     {5, 5},
     std::log(2.0),
     1.5 * std::log(1.5) - 0.5 * std::log(0.5),
     0.5,
     0.75,
     1e-12},
    {"GeometricApproachesTheMaximum", geometric(), kTwoUnitsMaximum, kTwoUnitsMaximum, 0.6, 0.6,
     0.01},
    {"NoPlayers", {}, 0, 0, 0, 0, 0},
    {"EverybodyBroke", allAt(0, 10), 0, 0, 0, 0, 0},
};

class SpreadTest : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadTest, FromThePlayersPerLevel) {
  const SpreadCase& c = GetParam();
  const Spread s = measure(c.counts);
  EXPECT_NEAR(s.entropy, c.entropy, c.tolerance);
  EXPECT_NEAR(s.maximum, c.maximum, c.tolerance);
  EXPECT_NEAR(s.gini, c.gini, c.tolerance);
  EXPECT_NEAR(s.equilibrium, c.equilibrium, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Spreads, SpreadTest, ::testing::ValuesIn(kSpreadCases),
                         [](const auto& info) { return info.param.name; });

TEST(History, StaysBoundedAndEvenlySampledOverALongRun) {
  History h;
  h.restart(false);
  for (std::int64_t round = 0; round < 1'000'000; ++round) {
    h.offer({round, {}, {}});
    ASSERT_LE(h.points().size(), History::kMostPoints) << "at round " << round;
  }
  // 1,000,000 offers thinned down to one in 512.
  EXPECT_EQ(h.every(), 512);
  const auto& p = h.points();
  EXPECT_EQ(p.front().round, 0);
  for (std::size_t i = 1; i < p.size(); ++i) {
    ASSERT_EQ(p[i].round - p[i - 1].round, h.every()) << "between points " << i - 1 << " and " << i;
  }
  EXPECT_GT(p.back().round, 1'000'000 - h.every() - 1);

  h.restart(true);
  EXPECT_TRUE(h.points().empty());
  EXPECT_TRUE(h.separate());
  h.offer({7, {}, {}});
  h.offer({8, {}, {}});
  EXPECT_EQ(h.points().size(), 2u) << "a new history takes every offer again";
}

struct TextCase {
  const char* name;
  bool separate;
  std::int64_t round;
  std::string description;
  std::string lastRow;
};

const Spread kSystem{1.8712, 1.9095, 0.5849, 0.6};
const Spread kOuter{1.5, 1.6, 0.5, 0.55};

const TextCase kTextCases[] = {
    {"Whole", false, 5000,
     "After 5,000 rounds: entropy 1.87 of at most 1.91; Gini 0.58, equilibrium 0.60",
     "5000\t1.8712\t1.9095\t0.5849\n"},
    {"OneRound", false, 1,
     "After 1 round: entropy 1.87 of at most 1.91; Gini 0.58, equilibrium 0.60",
     "1\t1.8712\t1.9095\t0.5849\n"},
    {"RingsApart", true, 1234567,
     "After 1,234,567 rounds: system entropy 1.87 of at most 1.91; Gini 0.58, equilibrium 0.60; "
     "surroundings entropy 1.50 of at most 1.60; Gini 0.50, equilibrium 0.55",
     "1234567\t1.8712\t1.9095\t0.5849\t1.5000\t1.6000\t0.5000\n"},
};

class HistoryTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(HistoryTextTest, DescribesTheLatestAndTabulatesAll) {
  const TextCase& c = GetParam();
  History h;
  h.restart(c.separate);
  h.offer({0, {}, {}});
  h.offer({c.round, kSystem, kOuter});
  EXPECT_EQ(historyDescription(h), c.description);
  const std::string table = historyTable(h);
  const std::string header = c.separate ? "round\tentropy\tmaximum\tGini\tsurroundings entropy\t"
                                          "surroundings maximum\tsurroundings Gini\n"
                                        : "round\tentropy\tmaximum\tGini\n";
  EXPECT_EQ(table.substr(0, header.size()), header);
  ASSERT_GE(table.size(), c.lastRow.size());
  EXPECT_EQ(table.substr(table.size() - c.lastRow.size()), c.lastRow);
}

INSTANTIATE_TEST_SUITE_P(Texts, HistoryTextTest, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return info.param.name; });

TEST(HistoryChart, ALongJaggedHistoryIsThinnedAndAFlatBoundIsOneSegment) {
  History h;
  h.restart(false);
  for (std::int64_t round = 0; round < 1999; ++round) {
    const double wobble = round % 2 == 0 ? 0.05 : -0.05;
    h.offer({round, {1.8 + wobble, kTwoUnitsMaximum, 0.6 + wobble, 0.6}, {}});
  }
  const std::vector<Chart> charts = historyCharts(h);
  ASSERT_EQ(charts.size(), 2u);
  for (const Chart& c : charts) {
    ASSERT_EQ(c.series.size(), 2u);
    const ChartSeries& measured = c.series[0];
    const ChartSeries& bound = c.series[1];
    EXPECT_EQ(measured.stroke, Stroke::Solid);
    EXPECT_EQ(bound.stroke, Stroke::Dashed) << "told apart without colour";
    EXPECT_LE(measured.points.size(), 151u);
    ASSERT_EQ(bound.points.size(), 2u);
    const float right = c.plot.left + c.plot.width;
    EXPECT_FLOAT_EQ(measured.points.back().x, right) << "the last round at the right edge";
    EXPECT_FLOAT_EQ(bound.points.front().x, c.plot.left);
    EXPECT_FLOAT_EQ(bound.points.back().x, right);
  }
  // The Gini chart runs from 0 to 1: the equilibrium 0.6 stands at 60 % of its height.
  const Chart& gini = charts[1];
  EXPECT_DOUBLE_EQ(gini.top, 1);
  EXPECT_NEAR(gini.series[1].points[0].y, gini.plot.top + 0.4f * gini.plot.height, 0.5);
  EXPECT_EQ(charts[0].description, historyDescription(h));
}

struct RoundAxisCase {
  const char* name;
  std::int64_t last;
  std::vector<std::string> labels;
};

const RoundAxisCase kRoundAxisCases[] = {
    {"OneRound", 1, {"0", "1"}},
    {"FewRounds", 3, {"0", "1", "2", "3"}},
    {"ManyRounds", 5000, {"0", "1,000", "2,000", "3,000", "4,000", "5,000"}},
};

class RoundAxisTest : public ::testing::TestWithParam<RoundAxisCase> {};

TEST_P(RoundAxisTest, TicksWholeRoundsEachLabelledOnce) {
  const RoundAxisCase& c = GetParam();
  History h;
  h.restart(false);
  h.offer({0, kSystem, {}});
  h.offer({c.last, kSystem, {}});
  for (const Chart& chart : historyCharts(h)) {
    std::vector<std::string> labels;
    for (const ChartStep& t : chart.xTicks) labels.push_back(t.label.text);
    EXPECT_EQ(labels, c.labels);
  }
}

INSTANTIATE_TEST_SUITE_P(RoundAxes, RoundAxisTest, ::testing::ValuesIn(kRoundAxisCases),
                         [](const auto& info) { return info.param.name; });

TEST(History, TheGameRecordsSlowRoundsAndFastFramesAndAResetStartsAnew) {
  Game g("30", "30", "1", {.separate = true}, /*fast=*/false);
  ASSERT_EQ(g.f.history.points().size(), 1u) << "the deal is round 0";
  EXPECT_TRUE(g.f.history.separate());
  EXPECT_EQ(g.f.history.points()[0].system.gini, 0);

  playgame(g.f, kFalse);
  playgame(g.f, kFalse);
  ASSERT_EQ(g.f.history.points().size(), 3u);
  EXPECT_EQ(g.f.history.points().back().round, 2);
  EXPECT_NEAR(g.f.history.points().back().surroundings.maximum, maximumEntropy(1), 0.5);

  // A fast run records the round after each shown frame, and its last.
  g.f.chkFast.value = 1;
  g.f.historyFrameShown = false;
  g.tk.atPass(g.tk.eventPasses + 2, [&] { g.f.historyFrameShown = true; });
  g.tk.atPass(g.tk.eventPasses + 5, [&] { g.f.game.running = kFalse; });
  playgame(g.f, kTrue);
  ASSERT_EQ(g.f.history.points().size(), 5u);
  EXPECT_EQ(g.f.history.points()[3].round, 4) << "after the frame of round 4";
  EXPECT_EQ(g.f.history.points()[4].round, 7) << "where the run stopped";

  g.f.game.separate = kFalse;
  resetgame(g.f);
  ASSERT_EQ(g.f.history.points().size(), 1u);
  EXPECT_FALSE(g.f.history.separate());
}

}  // namespace
}  // namespace ovali
