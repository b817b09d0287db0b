// Long runs in every combination of the options: the books of the game hold
// after every transfer.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

#include "commands/play.h"
#include "commands/runcontrols.h"
#include "engine/transfer.h"
#include "game_fixture.h"

namespace ovali {
namespace {

using testing::brokenBooks;
using testing::Game;
using testing::Options;

Options optionsFrom(int bits) {
  return {.separate = (bits & 1) != 0,
          .inneronly = (bits & 2) != 0,
          .outeronly = (bits & 4) != 0,
          .alltoone = (bits & 8) != 0,
          .randomexchange = (bits & 16) != 0};
}

struct Size {
  const char* name;
  const char* players;
  const char* dollars;
  const char* units;
  int rounds;
};

const Size kSizes[] = {
    {"one pair, one dollar", "2", "1", "1", 1000},
    {"ten players, three-dollar units", "10", "30", "3", 1000},
    {"thirty players, uneven deal", "30", "45", "1", 1000},
    {"two hundred players", "200", "400", "2", 100},
};

TEST(Invariants, HoldAfterEveryTransferInEveryCombinationOfOptions) {
  std::int64_t rounds = 0;
  std::int64_t transfers = 0;
  for (const Size& size : kSizes) {
    const int roundsEach = size.rounds * testing::soakScale();
    for (int bits = 0; bits < 32; ++bits) {
      SCOPED_TRACE(std::string(size.name) + ", options " + std::to_string(bits));
      Game g(size.players, size.dollars, size.units, optionsFrom(bits));
      g.tk.seed(static_cast<unsigned>(bits) * 7919u + 1);
      ASSERT_EQ(brokenBooks(g.f), std::vector<std::string>{}) << "after the reset";
      // Every transfer adds one sample, and the draws of the next pair (or of
      // the next random exchange) come after both of its sides are booked.
      std::vector<std::string> firstWrong;
      std::int64_t checkedAt = 0;
      auto check = [&] {
        if (firstWrong.empty()) firstWrong = brokenBooks(g.f);
        checkedAt = g.f.game.nsamples;
      };
      g.tk.onDraw = [&] {
        if (g.f.game.nsamples != checkedAt) check();
      };
      g.tk.onPass = [&] {
        check();
        if (g.tk.eventPasses == roundsEach) Command1_Click(g.f, 0);
      };
      Command1_Click(g.f, 0);
      EXPECT_EQ(firstWrong, std::vector<std::string>{});
      EXPECT_EQ(g.f.C.caption, decimal(roundsEach));
      if (bits & 16) {
        EXPECT_EQ(g.f.game.nsamples, roundsEach);
      }
      rounds += roundsEach;
      transfers += g.f.game.nsamples;
    }
  }
  if (testing::soakScale() > 1) {
    std::printf("%lld rounds (%lld in each combination of options), %lld transfers checked\n",
                static_cast<long long>(rounds), static_cast<long long>(rounds / 32),
                static_cast<long long>(transfers));
  }
}

// Exchanges booked the way the rounds book them, between random players: the
// books, the highest level and the sums, against a count made afresh from
// the holdings after each one.
TEST(Invariants, HoldAfterEveryExchangeAndSamplesMatchTheHoldings) {
  const struct {
    const char* name;
    const char* dollars;
    const char* units;
    Options options;
  } rows[] = {
      {"together", "60", "1", {}},
      {"surroundings apart", "60", "1", {.separate = true}},
      {"two-dollar units, all to one", "240", "2", {.alltoone = true}},
      {"all to one beyond level 100", "150", "1", {.separate = true, .alltoone = true}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Game g("20", row.dollars, row.units, row.options);
    const GameState& s = g.f.game;
    std::mt19937 random(2026);
    std::array<std::int64_t, 101> sums{};
    std::int16_t highest = s.maxlevel;
    auto levelOf = [&](int i) { return s.holdings[static_cast<std::size_t>(i)]; };
    for (int exchange = 1; exchange <= 4000; ++exchange) {
      const int loser = static_cast<int>(random() % 20);
      const int winner = static_cast<int>(random() % 20);
      std::int16_t lost = levelOf(loser);
      if (lost == 0 || loser == winner) continue;
      addmoney(g.f.game, static_cast<std::int16_t>(loser), lost, -1, kFalse);
      std::int16_t won = levelOf(winner);
      addmoney(g.f.game, static_cast<std::int16_t>(winner), won, 1, kTrue);
      highest = std::max({highest, lost, won});
      for (int i = 0; i < 20; ++i) {
        if (levelOf(i) <= std::min<int>(highest, 100)) ++sums[static_cast<std::size_t>(levelOf(i))];
      }
      ASSERT_EQ(brokenBooks(g.f), std::vector<std::string>{}) << "exchange " << exchange;
      ASSERT_EQ(s.maxlevel, highest) << "exchange " << exchange;
      // The sums are brought up to date only when read: now and then, so that
      // many exchanges pass between two readings.
      if (exchange % 97 == 0 || exchange == 4000) {
        flushsums(g.f.game);
        ASSERT_EQ(s.sumlevels, sums) << "exchange " << exchange;
      }
    }
    EXPECT_GT(s.nsamples, 1000);
  }
}

}  // namespace
}  // namespace ovali
