#include "stats/history.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(History, KeepsEveryFirstRoundThenEvenlyOnALogarithmicScaleInBoundedMemory) {
  std::vector<std::int64_t> kept{0};
  while (kept.back() < INT64_MAX) kept.push_back(History::keptAfter(kept.back()));
  // The last entry stands for "none after this one".
  kept.pop_back();
  ASSERT_LT(kept.size(), History::kMostPoints) << "the run as long as the counter goes";
  for (std::int64_t round = 0; round <= 17; ++round) {
    EXPECT_EQ(kept[static_cast<std::size_t>(round)], round) << "every round at first";
  }
  for (double decade = 100; decade < 1e18; decade *= 10) {
    const auto in = std::count_if(kept.begin(), kept.end(), [&](std::int64_t r) {
      return static_cast<double>(r) >= decade && static_cast<double>(r) < 10 * decade;
    });
    EXPECT_GE(in, 20) << "from " << decade;
    EXPECT_LE(in, 50) << "from " << decade;
  }

  // A game offers every round; the history keeps those, and the last one
  // offered until the next kept one replaces it.
  History h;
  h.restart(false);
  for (std::int64_t round = 0; round <= 1'000'000; ++round) {
    if (h.due(round) || round == 1'000'000) h.offer({round, {}, {}});
    if (round == 5000) h.offer({round, {}, {}});
  }
  std::vector<std::int64_t> rounds;
  for (const HistoryPoint& p : h.points()) rounds.push_back(p.round);
  std::vector<std::int64_t> expected(
      kept.begin(), std::upper_bound(kept.begin(), kept.end(), std::int64_t{1'000'000}));
  EXPECT_EQ(rounds, expected) << "5,000 is not kept once the next point came";
  EXPECT_EQ(rounds.back(), 1'000'000) << "a kept round itself";
  h.offer({1'000'001, {}, {}});
  h.offer({1'000'002, {}, {}});
  ASSERT_EQ(h.points().size(), expected.size() + 1);
  EXPECT_EQ(h.points().back().round, 1'000'002) << "one passing point at the end";

  h.restart(true);
  EXPECT_TRUE(h.points().empty());
  EXPECT_TRUE(h.separate());
  EXPECT_TRUE(h.due(0)) << "a new history starts with the deal again";
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
     "5000\t1.8712\t1.9095\t0.5849\t0.6000\n"},
    {"OneRound", false, 1,
     "After 1 round: entropy 1.87 of at most 1.91; Gini 0.58, equilibrium 0.60",
     "1\t1.8712\t1.9095\t0.5849\t0.6000\n"},
    {"RingsApart", true, 1234567,
     "After 1,234,567 rounds: system entropy 1.87 of at most 1.91; Gini 0.58, equilibrium 0.60; "
     "surroundings entropy 1.50 of at most 1.60; Gini 0.50, equilibrium 0.55",
     "1234567\t1.8712\t1.9095\t0.5849\t0.6000\t1.5000\t1.6000\t0.5000\t0.5500\n"},
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
  const std::string header =
      c.separate ? "round\tentropy\tmaximum\tGini\tGini equilibrium\tsurroundings entropy\t"
                   "surroundings maximum\tsurroundings Gini\tsurroundings Gini equilibrium\n"
                 : "round\tentropy\tmaximum\tGini\tGini equilibrium\n";
  EXPECT_EQ(table.substr(0, header.size()), header);
  ASSERT_GE(table.size(), c.lastRow.size());
  EXPECT_EQ(table.substr(table.size() - c.lastRow.size()), c.lastRow);
}

INSTANTIATE_TEST_SUITE_P(Texts, HistoryTextTest, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return info.param.name; });

TEST(HistoryChart, ALongJaggedHistoryIsThinnedAndAFlatBoundIsOneSegmentUnderTheCurve) {
  History h;
  h.restart(false);
  for (std::int64_t round = 0; round < 30; ++round) {
    const double wobble = round % 2 == 0 ? 0.05 : -0.05;
    h.offer({round, {1.8 + wobble, kTwoUnitsMaximum, 0.6 + wobble, 0.6}, {}});
  }
  const std::vector<Chart> charts = historyCharts(h);
  ASSERT_EQ(charts.size(), 2u);
  for (const Chart& c : charts) {
    ASSERT_EQ(c.series.size(), 2u);
    const ChartSeries& bound = c.series[0];
    const ChartSeries& measured = c.series[1];
    EXPECT_EQ(measured.stroke, Stroke::Solid) << "drawn last, over the bound";
    EXPECT_EQ(bound.stroke, Stroke::Dashed) << "told apart without colour";
    EXPECT_EQ(measured.points.size(), h.points().size()) << "a short run has every point drawn";
    ASSERT_EQ(bound.points.size(), 2u);
    const float right = c.plot.left + c.plot.width;
    EXPECT_FLOAT_EQ(measured.points.back().x, right) << "the last round at the right edge";
    EXPECT_FLOAT_EQ(bound.points.front().x, c.plot.left);
    EXPECT_FLOAT_EQ(bound.points.back().x, right);
    EXPECT_LT(measured.legend.text.left, bound.legend.text.left)
        << "the legends read measured first";
  }
  // The Gini chart runs from 0 to 1: the equilibrium 0.6 stands at 60 % of its height.
  const Chart& gini = charts[1];
  EXPECT_DOUBLE_EQ(gini.top, 1);
  EXPECT_NEAR(gini.series[0].points[0].y, gini.plot.top + 0.4f * gini.plot.height, 0.5);
  EXPECT_EQ(charts[0].description, historyDescription(h));

  // A million rounds offered one by one: a few hundred points, and no more
  // drawn than a curve's width can show.
  for (std::int64_t round = 30; round <= 1'000'000; ++round) {
    if (h.due(round)) h.offer({round, {1.8, kTwoUnitsMaximum, round % 2 ? 0.55 : 0.65, 0.6}, {}});
  }
  for (const Chart& c : historyCharts(h)) EXPECT_LE(c.series[1].points.size(), 151u);
}

TEST(HistoryChart, TheDealAloneIsAMark) {
  History h;
  h.restart(true);
  h.offer({0, {0, 1.1, 0, 0.6}, {0, 1.1, 0, 0.6}});
  for (const Chart& c : historyCharts(h)) {
    for (const ChartSeries& s : c.series) {
      ASSERT_EQ(s.marks.size(), 1u);
      EXPECT_NE(s.marker, Marker::None);
      EXPECT_FLOAT_EQ(s.marks[0].x, c.plot.left);
    }
  }
}

struct RoundAxisCase {
  const char* name;
  std::int64_t last;
  std::vector<std::string> labels;
};

const RoundAxisCase kRoundAxisCases[] = {
    {"OneRound", 1, {"0", "1"}},
    {"FewRounds", 3, {"0", "1", "2", "3"}},
    {"TwoDecadesStayLinear", 100, {"0", "20", "40", "60", "80", "100"}},
    {"MoreIsLogarithmic", 101, {"0", "1", "10", "100"}},
    {"ManyRounds", 5000, {"0", "1", "10", "100", "1,000"}},
    // Each label has room beside the next: every second decade.
    {"MillionsOfRounds", 4'500'000, {"0", "1", "100", "10,000", "1 M"}},
    {"TensOfMillions", 47'000'000, {"0", "1", "100", "10,000", "1 M"}},
    {"AsFarAsTheCounterGoes", 9'000'000'000'000'000'000, {"1", "1,000,000 M"}},
};

class RoundAxisTest : public ::testing::TestWithParam<RoundAxisCase> {};

TEST_P(RoundAxisTest, TicksWholeRoundsEachLabelledOnceAtLeastTwo) {
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

  // A fast run measures the kept rounds, the round after a shown frame
  // until the next kept one, and the round it stops after.
  g.f.chkFast.value = 1;
  g.f.historyFrameShown = false;
  const int start = g.tk.eventPasses;  // round r passes events at start + r - 2
  std::int64_t afterFrame = -1;
  g.tk.atPass(start + 598, [&] { g.f.historyFrameShown = true; });
  g.tk.atPass(start + 599, [&] { afterFrame = g.f.history.points().back().round; });
  g.tk.atPass(start + 1001, [&] { g.f.game.running = kFalse; });
  playgame(g.f, kTrue);
  EXPECT_EQ(afterFrame, 600) << "the frame's round, not a kept one";
  std::vector<std::int64_t> rounds, expected{0};
  for (const HistoryPoint& p : g.f.history.points()) rounds.push_back(p.round);
  while (History::keptAfter(expected.back()) <= 1000) {
    expected.push_back(History::keptAfter(expected.back()));
  }
  expected.push_back(1003);
  EXPECT_EQ(rounds, expected);

  g.f.game.separate = kFalse;
  resetgame(g.f);
  ASSERT_EQ(g.f.history.points().size(), 1u);
  EXPECT_FALSE(g.f.history.separate());
}

// The approach to equilibrium, as a class watches it after a fast run: many
// points on the way, and the way over a good part of the picture. From an
// even deal the Gini is within a tenth of its last value in about ten
// rounds, so there every round on the way is a point; from one player
// holding everything it takes about a hundred thousand.
struct ApproachCase {
  const char* name;
  const char* players;
  const char* dollars;
  testing::Options options;
  int rounds;
  double leastShareOfWidth;
};

const ApproachCase kApproachCases[] = {
    {"SpreadFromAnEvenDeal", "200", "400", {}, 20'000, 0.25},
    {"SpreadFromOneHoldingAll", "200", "4000", {.alltoone = true}, 400'000, 1.0 / 3},
};

class ApproachTest : public ::testing::TestWithParam<ApproachCase> {};

TEST_P(ApproachTest, KeepsThePointsBeforeTheGiniComesWithinATenthOfItsLast) {
  const ApproachCase& c = GetParam();
  Game g(c.players, c.dollars, "1", c.options);
  Random draws(26);
  g.tk.straightDraws = &draws;
  g.tk.frame = nullptr;  // no frame is shown: the history alone looks at the game
  g.tk.atPass(g.tk.eventPasses + c.rounds, [&] { g.f.game.running = kFalse; });
  playgame(g.f, kTrue);
  ASSERT_EQ(g.f.game.round, c.rounds);

  const std::vector<HistoryPoint>& points = g.f.history.points();
  const double last = points.back().system.gini;
  const auto near = [&](double gini) { return std::abs(gini - last) <= 0.1 * last; };
  std::size_t before = 0;
  while (before < points.size() && !near(points[before].system.gini)) ++before;
  ASSERT_LT(before, points.size());
  EXPECT_GE(before, std::min<std::int64_t>(30, points[before].round))
      << "30 points, or every round when it comes sooner";

  const Chart gini = historyCharts(g.f.history)[1];
  const ChartSeries& measured = gini.series.back();
  const auto reached = std::find_if(measured.points.begin(), measured.points.end(),
                                    [&](const ChartPoint& p) { return near(p.value); });
  ASSERT_NE(reached, measured.points.end());
  EXPECT_GE(reached->x - gini.plot.left, c.leastShareOfWidth * gini.plot.width);
}

INSTANTIATE_TEST_SUITE_P(Approaches, ApproachTest, ::testing::ValuesIn(kApproachCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ovali
