#include "commands/reset.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <ostream>

#include "game_fixture.h"

namespace ovali {
namespace {

using testing::Game;
using testing::Options;

struct DealCase {
  const char* name;
  const char* players;
  const char* dollars;
  const char* units;
  Options options;
  std::function<std::string(int player)> caption;
  std::map<int, int> levels;  // every level not listed holds 0
  std::map<int, int> outerlevels;
  const char* topRow;  // caption of lbl2(7)
};

const DealCase kDeals[] = {
    {"defaults give everyone a dollar",
     "30",
     "30",
     "1",
     {},
     [](int) { return "1"; },
     {{1, 30}},
     {},
     "$7"},
    {"45 dollars give the first fifteen two",
     "30",
     "45",
     "1",
     {},
     [](int i) { return i < 15 ? "2" : "1"; },
     {{1, 15}, {2, 15}},
     {},
     "$7"},
    {"levels count units, not dollars",
     "30",
     "45",
     "3",
     {},
     [](int i) { return i < 15 ? "3" : "0"; },
     {{0, 15}, {1, 15}},
     {},
     "$21"},
    {"inner ring only",
     "10",
     "10",
     "1",
     {.inneronly = true},
     [](int i) { return i % 2 ? "2" : "0"; },
     {{0, 5}, {2, 5}},
     {},
     "$7"},
    {"outer ring only",
     "10",
     "10",
     "1",
     {.outeronly = true},
     [](int i) { return i % 2 ? "0" : "2"; },
     {{0, 5}, {2, 5}},
     {},
     "$7"},
    {"all to player 0",
     "30",
     "30",
     "1",
     {.alltoone = true},
     [](int i) { return i == 0 ? "30" : "0"; },
     {{0, 29}, {30, 1}},
     {},
     "$7"},
    {"all to player 0, counted in the surroundings",
     "30",
     "30",
     "1",
     {.separate = true, .alltoone = true},
     [](int i) { return i == 0 ? "30" : "0"; },
     {{0, 15}},
     {{0, 14}, {30, 1}},
     "$7"},
    {"surroundings apart",
     "30",
     "30",
     "1",
     {.separate = true},
     [](int) { return "1"; },
     {{1, 15}},
     {{1, 15}},
     "$7"},
    {"inner ring only with two-dollar units",
     "4",
     "8",
     "2",
     {.inneronly = true},
     [](int i) { return i % 2 ? "4" : "0"; },
     {{0, 2}, {2, 2}},
     {},
     "$14"},
};

void PrintTo(const DealCase& c, std::ostream* os) { *os << c.name; }

class Dealing : public ::testing::TestWithParam<DealCase> {};

TEST_P(Dealing, CaptionsCountsAndLadder) {
  const DealCase& c = GetParam();
  Game g(c.players, c.dollars, c.units, c.options);
  const GameState& s = g.f.game;
  for (int i = 0; i < s.nplayers; ++i) {
    EXPECT_EQ(g.f.P(static_cast<std::int16_t>(i)).caption, c.caption(i)) << "P(" << i << ")";
  }
  ASSERT_EQ(s.levels.size(), static_cast<std::size_t>(s.ndollars) + 1);
  for (std::size_t k = 0; k < s.levels.size(); ++k) {
    const auto level = static_cast<int>(k);
    EXPECT_EQ(s.levels[k], c.levels.contains(level) ? c.levels.at(level) : 0) << "level " << k;
    EXPECT_EQ(s.outerlevels[k], c.outerlevels.contains(level) ? c.outerlevels.at(level) : 0)
        << "outer level " << k;
  }
  EXPECT_EQ(g.f.lbl2(0).caption, "$0");
  EXPECT_EQ(g.f.lbl2(7).caption, c.topRow);
  // Not the highest level dealt: the samples start from level 1.
  EXPECT_EQ(s.maxlevel, 1);
  for (std::int16_t i = 0; i <= 7; ++i) EXPECT_EQ(g.f.TS(i).visible, c.options.separate);
}

INSTANTIATE_TEST_SUITE_P(Reset, Dealing, ::testing::ValuesIn(kDeals), [](const auto& info) {
  std::string name;
  for (const char* p = info.param.name; *p; ++p) {
    name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  }
  return name;
});

TEST(Reset, StartsTheStatisticsAndTheCounterOver) {
  Game g("30", "30", "1");
  GameState& s = g.f.game;
  s.nsamples = 12;
  s.sumlevels[0] = 5;
  s.sumlevels[100] = 9;
  s.maxlevel = 40;
  s.ready = kFalse;
  g.f.C.caption = "57";
  s.running = kTrue;
  resetgame(g.f);
  EXPECT_EQ(s.nsamples, 0);
  for (auto sum : s.sumlevels) EXPECT_EQ(sum, 0);
  EXPECT_EQ(s.maxlevel, 1);
  EXPECT_EQ(g.f.C.caption, "0");
  EXPECT_EQ(s.ready, kTrue);
  // Clearing a run is the Reset button's business, not the reset's.
  EXPECT_EQ(s.running, kTrue);
}

TEST(Reset, ShowsThePlayersAndRingMarkersOnly) {
  Game g("12", "12", "1");
  for (std::int16_t i = 0; i < 12; ++i) EXPECT_TRUE(g.f.P(i).visible) << i;
  EXPECT_FALSE(g.f.P.exists(12));
  EXPECT_TRUE(g.f.Acircle(0).visible);
  EXPECT_TRUE(g.f.Acircle(1).visible);
  EXPECT_TRUE(g.f.visible);
}

TEST(Reset, ColoursPairsBlackGreenRedBlueCyanInTurn) {
  Game g("12", "12", "1");
  const Color byPair[] = {{0, 0, 0},   {0, 128, 0},   {128, 0, 0},
                          {0, 0, 128}, {0, 128, 128}, {0, 0, 0}};
  for (int pair = 0; pair < 6; ++pair) {
    SCOPED_TRACE(pair);
    EXPECT_EQ(g.f.P(static_cast<std::int16_t>(2 * pair)).forecolor, byPair[pair]);
    EXPECT_EQ(g.f.P(static_cast<std::int16_t>(2 * pair + 1)).forecolor, byPair[pair]);
  }
  EXPECT_FALSE(g.f.P(0).forecolor.windowText);
}

TEST(Reset, FewerPlayersHideTheLabelsLeftOverAndKeepThem) {
  Game g("30", "30", "1");
  g.f.txtNB.text = "10";
  g.f.txtDollars.text = "10";
  resetgame(g.f);
  for (std::int16_t i = 0; i < 10; ++i) EXPECT_TRUE(g.f.P(i).visible) << i;
  for (std::int16_t i = 10; i < 30; ++i) {
    ASSERT_TRUE(g.f.P.exists(i)) << i;
    EXPECT_FALSE(g.f.P(i).visible) << i;
  }
  EXPECT_EQ(g.f.game.levels[1], 10);
}

TEST(Reset, SwitchingSurroundingsOffEmptiesTheOuterCounts) {
  Game g("30", "30", "1", {.separate = true});
  g.set({});
  resetgame(g.f);
  EXPECT_EQ(g.f.game.levels[1], 30);
  for (auto count : g.f.game.outerlevels) EXPECT_EQ(count, 0);
  for (std::int16_t i = 0; i <= 7; ++i) EXPECT_FALSE(g.f.TS(i).visible);
}

}  // namespace
}  // namespace ovali
