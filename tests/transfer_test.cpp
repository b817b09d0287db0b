#include "engine/transfer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <ostream>

#include "game_fixture.h"

namespace ovali {
namespace {

using testing::Game;
using testing::Options;

struct MoveCase {
  const char* name;
  const char* dollars;
  const char* units;
  bool separate;
  std::int16_t player, level, delta;
  const char* caption;  // afterwards
  std::int16_t newLevel;
  std::map<int, int> levels, outerlevels;  // counts afterwards, at the levels listed
};

const MoveCase kMoves[] = {
    {"surroundings apart: an even player moves in the outer counts",
     "30",
     "1",
     true,
     4,
     1,
     1,
     "2",
     2,
     {{1, 15}, {2, 0}},
     {{1, 14}, {2, 1}}},
    {"surroundings apart: an odd player moves in the inner counts",
     "30",
     "1",
     true,
     5,
     1,
     1,
     "2",
     2,
     {{1, 14}, {2, 1}},
     {{1, 15}, {2, 0}}},
    {"rings together: an even player moves in the one count",
     "30",
     "1",
     false,
     4,
     1,
     1,
     "2",
     2,
     {{1, 29}, {2, 1}},
     {{1, 0}, {2, 0}}},
    {"three-dollar units: level 2 plus one shows 9",
     "180",
     "3",
     false,
     7,
     2,
     1,
     "9",
     3,
     {{2, 29}, {3, 1}},
     {}},
    {"ten-dollar units: two digits", "300", "10", false, 3, 1, 1, "20", 2, {{1, 29}, {2, 1}}, {}},
    {"losing the last unit", "30", "1", false, 0, 1, -1, "0", 0, {{0, 1}, {1, 29}}, {}},
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class Moving : public ::testing::TestWithParam<MoveCase> {};

TEST_P(Moving, CaptionLevelAndCounts) {
  const MoveCase& c = GetParam();
  Game g("30", c.dollars, c.units, {.separate = c.separate});
  std::int16_t level = c.level;
  addmoney(g.f.game, c.player, level, c.delta, kFalse);
  showmoney(g.f);
  EXPECT_EQ(level, c.newLevel);
  EXPECT_EQ(g.f.P(c.player).caption, c.caption);
  for (auto [k, n] : c.levels) EXPECT_EQ(g.f.game.levels[k], n) << "level " << k;
  for (auto [k, n] : c.outerlevels) EXPECT_EQ(g.f.game.outerlevels[k], n) << "outer " << k;
  EXPECT_EQ(g.f.game.nsamples, 0);
}

INSTANTIATE_TEST_SUITE_P(Transfer, Moving, ::testing::ValuesIn(kMoves), [](const auto& info) {
  std::string name;
  for (const char* p = info.param.name; *p; ++p) name += std::isalnum(*p) ? *p : '_';
  return name;
});

TEST(Transfer, NoDeltaChangesNothingEvenWhenSampling) {
  Game g("30", "30", "1");
  const GameState before = g.f.game;
  std::int16_t level = 1;
  addmoney(g.f.game, 3, level, 0, kTrue);
  EXPECT_EQ(level, 1);
  EXPECT_EQ(g.f.P(3).caption, "1");
  EXPECT_EQ(g.f.game.levels, before.levels);
  EXPECT_EQ(g.f.game.maxlevel, before.maxlevel);
  EXPECT_EQ(g.f.game.sumlevels, before.sumlevels);
  EXPECT_EQ(g.f.game.nsamples, 0);
}

TEST(Transfer, OnlyTrueTakesASample) {
  const struct {
    const char* name;
    Flag accumulate;
    std::int64_t samples;
  } rows[] = {{"True", kTrue, 1}, {"False", kFalse, 0}, {"one, not True", 1, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Game g("30", "30", "1");
    std::int16_t level = 1;
    addmoney(g.f.game, 0, level, -1, row.accumulate);
    EXPECT_EQ(g.f.game.nsamples, row.samples);
  }
}

TEST(Transfer, AnExchangeOfTwoCallsIsOneSampleOfTheBookedCounts) {
  Game g("30", "30", "1");
  std::int16_t loser = 1, winner = 1;
  addmoney(g.f.game, 0, loser, -1, kFalse);
  addmoney(g.f.game, 1, winner, 1, kTrue);
  flushsums(g.f.game);
  const auto& sums = g.f.game.sumlevels;
  EXPECT_EQ(g.f.game.nsamples, 1);
  EXPECT_EQ(g.f.game.maxlevel, 2);
  EXPECT_EQ(sums[0], 1);
  EXPECT_EQ(sums[1], 28);
  EXPECT_EQ(sums[2], 1);
  EXPECT_EQ(sums[0] + sums[1] + sums[2], 30);
}

TEST(Transfer, TheHighestLevelStaysWhenItsPlayerFalls) {
  Game g("30", "30", "1");
  std::int16_t rich = 1, a = 1, b = 1;
  addmoney(g.f.game, 0, rich, 1, kFalse);
  addmoney(g.f.game, 2, a, -1, kTrue);
  addmoney(g.f.game, 0, rich, 1, kFalse);
  addmoney(g.f.game, 4, b, -1, kTrue);
  flushsums(g.f.game);
  EXPECT_EQ(g.f.game.maxlevel, 3);
  EXPECT_EQ(g.f.game.sumlevels[3], 1);

  addmoney(g.f.game, 0, rich, -1, kFalse);
  addmoney(g.f.game, 2, a, 1, kTrue);
  flushsums(g.f.game);
  EXPECT_EQ(g.f.game.maxlevel, 3);
  EXPECT_EQ(g.f.game.sumlevels[3], 1);  // nobody there in the last sample
  EXPECT_EQ(g.f.game.sumlevels[2], 2);
  EXPECT_EQ(g.f.game.nsamples, 3);
}

TEST(Transfer, CountsAboveTheHighestLevelAreLeftOutOfASample) {
  // The inner ring is dealt $8 each, but the highest level starts at 1.
  Game g("10", "40", "1", {.inneronly = true});
  std::int16_t rich = 8, poor = 0;
  addmoney(g.f.game, 1, rich, -1, kFalse);
  addmoney(g.f.game, 0, poor, 1, kTrue);
  flushsums(g.f.game);
  EXPECT_EQ(g.f.game.maxlevel, 7);
  EXPECT_EQ(g.f.game.sumlevels[0], 4);
  EXPECT_EQ(g.f.game.sumlevels[1], 1);
  EXPECT_EQ(g.f.game.sumlevels[7], 1);
  EXPECT_EQ(g.f.game.levels[8], 4);
  EXPECT_EQ(g.f.game.sumlevels[8], 0);
}

TEST(Transfer, AboveLevel100ASampleKeepsLevels0To100AndStillCounts) {
  Game g("30", "150", "1", {.alltoone = true});
  std::int16_t rich = 150, poor = 0;
  addmoney(g.f.game, 0, rich, -1, kFalse);
  addmoney(g.f.game, 1, poor, 1, kTrue);
  addmoney(g.f.game, 1, poor, -1, kFalse);
  addmoney(g.f.game, 0, rich, 1, kTrue);
  flushsums(g.f.game);
  showmoney(g.f);
  EXPECT_EQ(g.f.game.maxlevel, 150);
  EXPECT_EQ(g.f.game.nsamples, 2);
  EXPECT_EQ(g.f.game.sumlevels[0], 28 + 29);
  EXPECT_EQ(g.f.game.sumlevels[1], 1);
  EXPECT_EQ(g.f.game.sumlevels[100], 0);
  EXPECT_EQ(g.f.game.levels[150], 1);
  EXPECT_EQ(g.f.P(0).caption, "150");
  EXPECT_EQ(g.f.P(1).caption, "0");
}

TEST(Transfer, AMoveThatCannotBeBookedInFullIsNotBookedAtAll) {
  const struct {
    const char* name;
    std::int16_t player, level, delta;
  } rows[] = {
      {"level beyond the counts", 0, 31, -1}, {"new level beyond the counts", 0, 30, 1},
      {"negative level", 0, -1, 1},           {"below level 0", 0, 0, -1},
      {"player without a label", 40, 1, -1},  {"past 16 bits", 0, 1, 32767},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Game g("30", "30", "1");
    const GameState before = g.f.game;
    std::int16_t level = row.level;
    addmoney(g.f.game, row.player, level, row.delta, kTrue);
    EXPECT_EQ(level, row.level);
    EXPECT_EQ(g.f.game.levels, before.levels);
    EXPECT_EQ(g.f.game.nsamples, 0);
    EXPECT_EQ(g.f.P(0).caption, "1");
  }
}

}  // namespace
}  // namespace ovali
