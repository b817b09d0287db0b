#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <functional>
#include <limits>
#include <map>
#include <numeric>
#include <ostream>
#include <set>
#include <vector>

#include "commands/play.h"
#include "commands/runcontrols.h"
#include "engine/transfer.h"
#include "game_fixture.h"
#include "toolkit/random.h"

namespace ovali {
namespace {

using testing::Game;
using testing::kPaper;
using testing::kRock;
using testing::kScissors;
using testing::Options;

std::string testName(const char* text) {
  std::string name;
  for (const char* p = text; *p; ++p) name += std::isalnum(*p) ? *p : '_';
  return name;
}

// Plays round `round` of a fresh game (the counter set just below it).
void playRound(Game& g, long long round) {
  g.f.game.round = round - 1;
  playgame(g.f, kFalse);
}

struct PairingCase {
  const char* name;
  const char* players;
  long long round;
  std::vector<int> partners;  // inner partner of outer 0, 2, 4, ...
};

const PairingCase kPairings[] = {
    {"six players, round 1", "6", 1, {5, 1, 3}},
    {"six players, round 2", "6", 2, {3, 5, 1}},
    {"six players, round 3 is the layout of the reset", "6", 3, {1, 3, 5}},
    {"six players, round 4 repeats round 1", "6", 4, {5, 1, 3}},
    {"two players, round 1", "2", 1, {1}},
    {"two players, round 2", "2", 2, {1}},
    {"two players, round 7", "2", 7, {1}},
    {"six players, the counter at its clamp pairs as round 1", "6", 1LL << 62, {5, 1, 3}},
};

void PrintTo(const PairingCase& c, std::ostream* os) { *os << c.name; }

class Pairing : public ::testing::TestWithParam<PairingCase> {};

// Pair k's outer player wins, ties and loses in turn, so each inner player's
// money tells whom it met: $0 lost to a winner, $1 tied, $2 beat a loser.
TEST_P(Pairing, OuterPlayersMeetTheirPartners) {
  const PairingCase& c = GetParam();
  Game g(c.players, c.players, "1");
  const double outcomes[3][2] = {{kRock, kPaper}, {kRock, kRock}, {kRock, kScissors}};
  for (std::size_t k = 0; k < c.partners.size(); ++k) {
    g.throws({outcomes[k % 3][0], outcomes[k % 3][1]});
  }
  playRound(g, c.round);
  const char* innerAfter[3] = {"0", "1", "2"};
  const char* outerAfter[3] = {"2", "1", "0"};
  for (std::size_t k = 0; k < c.partners.size(); ++k) {
    SCOPED_TRACE("outer player " + std::to_string(2 * k));
    EXPECT_EQ(g.f.P(static_cast<std::int16_t>(2 * k)).caption, outerAfter[k % 3]);
    EXPECT_EQ(g.f.P(static_cast<std::int16_t>(c.partners[k])).caption, innerAfter[k % 3]);
  }
  EXPECT_EQ(g.f.C.caption, decimal(c.round));
}

INSTANTIATE_TEST_SUITE_P(Rounds, Pairing, ::testing::ValuesIn(kPairings),
                         [](const auto& info) { return testName(info.param.name); });

struct OutcomeCase {
  const char* name;
  const char* players;
  const char* dollars;
  const char* units;
  Options options;
  long long round;
  std::vector<double> draws;
  std::vector<std::string> captions;  // afterwards
  std::int64_t samples;
};

const OutcomeCase kOutcomes[] = {
    {"a tie moves nothing", "2", "2", "1", {}, 1, {kRock, kRock}, {"1", "1"}, 0},
    {"the outer player wins", "2", "2", "1", {}, 1, {kRock, kPaper}, {"2", "0"}, 1},
    {"the inner player wins", "2", "2", "1", {}, 1, {kPaper, kRock}, {"0", "2"}, 1},
    {"code 2 beats code 0", "2", "2", "1", {}, 1, {kScissors, kRock}, {"2", "0"}, 1},
    {"a broke inner loser pays nothing", "2", "1", "1", {}, 1, {kRock, kPaper}, {"1", "0"}, 0},
    {"a broke outer loser pays nothing",
     "2",
     "1",
     "1",
     {.inneronly = true},
     1,
     {kPaper, kRock},
     {"0", "1"},
     0},
    {"a loser with money pays a broke winner",
     "2",
     "1",
     "1",
     {},
     1,
     {kPaper, kRock},
     {"0", "1"},
     1},
    {"a broke pair never exchanges",
     "4",
     "2",
     "1",
     {},
     2,
     {kRock, kRock, kRock, kPaper},
     {"1", "1", "0", "0"},
     0},
    {"units move as whole trades", "2", "6", "3", {}, 1, {kRock, kPaper}, {"6", "0"}, 1},
    {"a scripted draw of 1 throws code 2", "2", "2", "1", {}, 1, {1.0, kRock}, {"2", "0"}, 1},
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }

class Outcome : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(Outcome, MoneyAndSamples) {
  const OutcomeCase& c = GetParam();
  Game g(c.players, c.dollars, c.units, c.options);
  for (double d : c.draws) g.tk.draws.push_back(d);
  playRound(g, c.round);
  EXPECT_EQ(g.captions(), c.captions);
  EXPECT_EQ(g.f.game.nsamples, c.samples);
  // Every pair throws, whatever its money.
  EXPECT_EQ(g.tk.drawsTaken, c.draws.size());
}

INSTANTIATE_TEST_SUITE_P(Rounds, Outcome, ::testing::ValuesIn(kOutcomes),
                         [](const auto& info) { return testName(info.param.name); });

// The rounds throw from the generator's bits in integers; the throws must be
// the ones the scaled draw makes, also where the product rounds.
TEST(Rounds, ThrowsInIntegersMatchTheScaledDraw) {
  constexpr std::uint64_t kTwo53 = std::uint64_t{1} << 53;
  const struct {
    const char* name;
    std::uint64_t top;  // the 53 bits the draw scales
  } rows[] = {
      {"zero", 0},
      {"just below a third", kTwo53 / 3},
      {"a third", kTwo53 / 3 + 1},
      {"just below the tie", (2 * kTwo53 - 1) / 3 - 1},
      {"the tie 3u = 2^54 - 1, rounded up to 2", (2 * kTwo53 - 1) / 3},
      {"the largest", kTwo53 - 1},
  };
  for (const auto& row : rows) {
    for (const std::uint64_t low : {std::uint64_t{0}, std::uint64_t{0x7FF}}) {
      const std::uint64_t bits = (row.top << 11) | low;
      EXPECT_EQ(Random::throwOf3(bits), static_cast<int>(Random::unit(bits) * 3)) << row.name;
    }
  }
}

TEST(Rounds, AnExchangeIsSampledWithBothSidesBooked) {
  const struct {
    const char* name;
    Options options;
    std::vector<double> draws;
    std::array<std::int64_t, 3> sums;  // levels 0 to 2
  } rows[] = {
      {"ring pair", {}, {kRock, kPaper}, {1, 0, 1}},
      {"random exchange", {.randomexchange = true}, {0.0, 0.9}, {1, 0, 1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Game g("2", "2", "1", row.options);
    for (double d : row.draws) g.tk.draws.push_back(d);
    playgame(g.f, kFalse);
    EXPECT_EQ(g.captions(), (std::vector<std::string>{"2", "0"}));
    flushsums(g.f.game);
    const auto& sums = g.f.game.sumlevels;
    EXPECT_EQ((std::array<std::int64_t, 3>{sums[0], sums[1], sums[2]}), row.sums);
  }
}

TEST(Rounds, EachRoundSamplesOncePerPairThatMovedMoney) {
  Game g("30", "30", "1");
  g.tk.seed(7);
  for (int round = 0; round < 300; ++round) {
    const auto before = g.captions();
    const auto samples = g.f.game.nsamples;
    playgame(g.f, kFalse);
    const auto after = g.captions();
    int changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i) changed += before[i] != after[i];
    ASSERT_EQ(2 * (g.f.game.nsamples - samples), changed) << "round " << round + 1;
    ASSERT_LE(g.f.game.nsamples - samples, 15);
  }
}

struct RandomCase {
  const char* name;
  Options options;
  std::vector<double> draws;
  std::map<int, std::string> changed;  // captions that changed
  std::size_t drawsTaken;
};

const RandomCase kRandom[] = {
    {"the player holding everything is not a receiver",
     {.alltoone = true, .randomexchange = true},
     {0.0, 0.5, 0.0},
     {{0, "29"}, {15, "1"}},
     3},
    {"a broke player is not a giver",
     {.alltoone = true, .randomexchange = true},
     {0.5, 0.1, 0.0},
     {{0, "29"}, {15, "1"}},
     3},
    {"a broke receiver, once paid, may give",
     {.alltoone = true, .randomexchange = true},
     {0.5, 0.5},
     {},
     2},
    {"giver and receiver one player", {.randomexchange = true}, {0.2, 0.2}, {}, 2},
    {"one unit from one player to another",
     {.randomexchange = true},
     {0.2, 0.9},
     {{6, "2"}, {27, "0"}},
     2},
};

void PrintTo(const RandomCase& c, std::ostream* os) { *os << c.name; }

class RandomExchange : public ::testing::TestWithParam<RandomCase> {};

TEST_P(RandomExchange, OneUnitOneSampleAndNoLabelMoves) {
  const RandomCase& c = GetParam();
  Game g("30", "30", "1", c.options);
  std::vector<std::pair<float, float>> places;
  for (std::int16_t i = 0; i < 30; ++i) places.emplace_back(g.f.P(i).left, g.f.P(i).top);
  auto expected = g.captions();
  for (auto [player, caption] : c.changed) expected[static_cast<std::size_t>(player)] = caption;
  for (double d : c.draws) g.tk.draws.push_back(d);

  playgame(g.f, kFalse);
  EXPECT_EQ(g.captions(), expected);
  EXPECT_EQ(g.f.game.nsamples, 1);
  EXPECT_EQ(g.tk.drawsTaken, c.drawsTaken);
  for (std::int16_t i = 0; i < 30; ++i) {
    EXPECT_EQ(std::make_pair(g.f.P(i).left, g.f.P(i).top), places[static_cast<std::size_t>(i)])
        << "P(" << i << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(Rounds, RandomExchange, ::testing::ValuesIn(kRandom),
                         [](const auto& info) { return testName(info.param.name); });

// A scripted draw far outside [0, 1), or no number at all, plays as the
// nearest draw inside it would: a throw at the end of its range, a player
// drawn again.
TEST(Rounds, ScriptedDrawsFarOutsideTheUnitPlayAsTheNearestInside) {
  const double kNoNumber = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    const char* players;
    Options options;
    std::vector<double> draws;
    std::vector<double> sameAs;
  } rows[] = {
      {"1e10 throws code 2", "2", {}, {1e10, kRock}, {kScissors, kRock}},
      {"-1e10 throws code 0", "2", {}, {-1e10, kPaper}, {kRock, kPaper}},
      {"no number throws code 0", "2", {}, {kNoNumber, kPaper}, {kRock, kPaper}},
      {"a receiver at 1e10 is drawn again",
       "30",
       {.randomexchange = true},
       {1e10, 0.2, 0.9},
       {0.2, 0.9}},
      {"a giver at -1e10 is drawn again",
       "30",
       {.randomexchange = true},
       {0.2, -1e10, 0.9},
       {0.2, 0.9}},
      {"no number is drawn again",
       "30",
       {.randomexchange = true},
       {kNoNumber, 0.2, 0.9},
       {0.2, 0.9}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Game drawn(row.players, row.players, "1", row.options);
    Game inside(row.players, row.players, "1", row.options);
    for (double d : row.draws) drawn.tk.draws.push_back(d);
    for (double d : row.sameAs) inside.tk.draws.push_back(d);
    playgame(drawn.f, kFalse);
    playgame(inside.f, kFalse);
    EXPECT_EQ(drawn.captions(), inside.captions());
    EXPECT_EQ(drawn.f.game.nsamples, inside.f.game.nsamples);
    EXPECT_EQ(drawn.tk.drawsTaken, row.draws.size());
  }
}

// An odd count would pair a player with itself in round 16 of 31 players,
// and an outer win there takes a unit from nowhere; no reset deals such a
// game, and the rounds keep the money whole in one all the same.
TEST(Rounds, AnOddCountNeitherMakesNorLosesMoney) {
  Game g("32", "64", "1");
  g.f.game.nplayers = 31;
  g.f.game.holdings.resize(31);
  const auto money = [&g] {
    return std::accumulate(g.f.game.holdings.begin(), g.f.game.holdings.end(), 0);
  };
  const int dealt = money();
  for (int pair = 0; pair < 15 * 31; ++pair) g.throws({kRock, kPaper});
  for (int round = 1; round <= 31; ++round) playgame(g.f, kFalse);
  EXPECT_EQ(g.f.game.round, 31);
  EXPECT_EQ(money(), dealt);
}

TEST(Rounds, WithoutPlayersARoundMovesNoMoneyAndDrawsNothing) {
  // The input checks never let fewer than two players through; the rounds
  // still cope with a count from anywhere else.
  for (bool random : {false, true}) {
    for (std::int16_t players : {0, -4}) {
      SCOPED_TRACE(std::to_string(players) + (random ? " random" : " rings"));
      Game g("30", "30", "1", {.randomexchange = random});
      g.f.game.nplayers = players;
      playgame(g.f, kFalse);
      EXPECT_EQ(g.f.C.caption, "1");
      EXPECT_EQ(g.f.game.nsamples, 0);
      EXPECT_EQ(g.tk.drawsTaken, 0u);
      EXPECT_EQ(g.f.caption, "Check");
    }
  }
}

TEST(Rounds, RandomExchangeWhereNobodyCanReceiveEndsTheRound) {
  // A lone player holding all the money: no receiver can be drawn.
  Game g("2", "1", "1", {.randomexchange = true});
  g.f.game.nplayers = 1;
  playgame(g.f, kFalse);
  EXPECT_EQ(g.f.P(0).caption, "1");
  EXPECT_EQ(g.f.game.nsamples, 0);
}

TEST(Rounds, SurviveStatesNoResetBuilds) {
  // None of these is reachable through the window; each run stays in bounds
  // (the sanitizers watch) and ends.
  const struct {
    const char* name;
    std::function<void(Form1&)> spoil;
  } rows[] = {
      {"ready before any reset",
       [](Form1& f) {
         f.game = GameState{};
         f.game.nplayers = 1;
         f.game.ready = kTrue;
       }},
      {"an odd count", [](Form1& f) { f.game.nplayers = 29; }},
      {"more players than labels", [](Form1& f) { f.game.nplayers = 40; }},
      {"no unit", [](Form1& f) { f.game.units = 0; }},
      {"captions beyond the counts",
       [](Form1& f) {
         for (std::int16_t i = 0; i < 30; ++i) f.P(i).caption = "5000";
       }},
      {"count arrays gone",
       [](Form1& f) {
         f.game.levels.clear();
         f.game.outerlevels.clear();
       }},
  };
  for (bool random : {false, true}) {
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(row.name) + (random ? ", random exchange" : ", rings"));
      Game g("30", "30", "1");
      row.spoil(g.f);
      g.f.game.randomexchange = toFlag(random);
      for (int round = 0; round < 20; ++round) playgame(g.f, kFalse);
      EXPECT_EQ(g.f.Command1(0).caption, "Start");
    }
  }
}

struct Locks {
  bool fields, reset, step, analyze, options, start;
  std::string startCaption;
  bool counterShown;
};

Locks locks(const Form1& f) {
  return {f.txtNB.enabled && f.txtDollars.enabled && f.txtNTrade.enabled,
          f.Command1(2).enabled,
          f.Command1(3).enabled,
          f.Command1(4).enabled,
          f.mnuOpt.enabled,
          f.Command1(0).enabled,
          f.Command1(0).caption,
          f.C.visible};
}

void expectUnlocked(const Form1& f) {
  const Locks l = locks(f);
  EXPECT_TRUE(l.fields && l.reset && l.step && l.analyze && l.options && l.start);
  EXPECT_EQ(l.startCaption, "Start");
  EXPECT_TRUE(l.counterShown);
}

void expectLocked(const Form1& f) {
  const Locks l = locks(f);
  EXPECT_FALSE(l.fields || l.reset || l.step || l.analyze || l.options);
  EXPECT_EQ(l.startCaption, "Stop");
}

TEST(Rounds, SlowStepAnnouncesPausesAndUnlocks) {
  Game g("30", "30", "1", {}, /*fast=*/false);
  g.tk.clock = 1000;
  std::vector<std::string> titles;
  std::vector<int> beeps;
  for (int pass = 1; pass <= 3; ++pass) {
    g.tk.atPass(pass, [&] {
      titles.push_back(g.f.caption);
      beeps.push_back(g.tk.beeps);
      expectLocked(g.f);
    });
  }
  Command1_Click(g.f, 3);
  EXPECT_EQ(titles, (std::vector<std::string>{"Next!", "Go!", "Check"}));
  EXPECT_EQ(beeps, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(g.tk.beeps, 2);
  EXPECT_DOUBLE_EQ(g.tk.waited, 2.0);
  EXPECT_EQ(g.tk.eventPasses, 3);
  EXPECT_EQ(g.f.C.caption, "1");
  EXPECT_EQ(g.f.caption, "Check");
  EXPECT_EQ(g.f.game.running, kFalse);
  expectUnlocked(g.f);
  for (std::int16_t i = 0; i < 30; ++i) EXPECT_TRUE(g.f.P(i).visible);
}

TEST(Rounds, TickingFastDuringAPauseSkipsTheNextPauseOnly) {
  Game g("30", "30", "1", {}, /*fast=*/false);
  g.tk.atPass(1, [&] { g.f.chkFast.value = 1; });
  playgame(g.f, kFalse);
  EXPECT_EQ(g.tk.beeps, 1);
  EXPECT_DOUBLE_EQ(g.tk.waited, 1.0);
  EXPECT_EQ(g.tk.eventPasses, 2);
}

TEST(Rounds, StopDuringGoFinishesTheRoundWithoutTheLastPause) {
  Game g("30", "30", "1", {}, /*fast=*/false);
  g.tk.atPass(2, [&] {
    ASSERT_EQ(g.f.caption, "Go!");
    Command1_Click(g.f, 0);
    EXPECT_FALSE(g.f.Command1(0).enabled);
    EXPECT_EQ(g.f.Command1(0).caption, "Stop");
  });
  Command1_Click(g.f, 0);
  EXPECT_EQ(g.f.C.caption, "1");
  EXPECT_EQ(g.tk.beeps, 2);
  EXPECT_EQ(g.f.caption, "Check");
  // The ladder was redrawn from the counts of the finished round.
  int counted = 0;
  for (std::int16_t i = 0; i <= 7; ++i) counted += static_cast<int>(val(g.f.T(i).caption));
  EXPECT_EQ(counted, 30);
  expectUnlocked(g.f);
}

TEST(Rounds, FastRunTakesStopAtTheEventPassOfTheRound) {
  Game g("30", "30", "1");
  g.tk.atPass(5, [&] { Command1_Click(g.f, 0); });
  Command1_Click(g.f, 0);
  EXPECT_EQ(g.f.C.caption, "5");
  EXPECT_EQ(g.tk.beeps, 0);
  EXPECT_EQ(g.tk.eventPasses, 5);
  expectUnlocked(g.f);
}

TEST(Rounds, AnalyzeIsEnabledFromRound11OfARun) {
  Game g("30", "30", "1");
  std::vector<bool> analyzable;
  for (int pass = 1; pass <= 12; ++pass) {
    g.tk.atPass(pass, [&] { analyzable.push_back(g.f.Command1(4).enabled); });
  }
  g.tk.atPass(12, [&] { Command1_Click(g.f, 0); });
  Command1_Click(g.f, 0);
  std::vector<bool> expected(10, false);
  expected.insert(expected.end(), {true, true});
  EXPECT_EQ(analyzable, expected);
}

TEST(Rounds, ARunOnAGameThatIsNotReadyResetsFirst) {
  Game g("30", "30", "1");
  g.f.game.round = 41;
  g.f.game.ready = kFalse;
  playgame(g.f, kFalse);
  EXPECT_EQ(g.f.C.caption, "1");
}

TEST(Rounds, TheCounterGoesOnBeyond32Bits) {
  Game g("30", "30", "1");
  g.f.game.round = 4294967296;
  playgame(g.f, kFalse);
  EXPECT_EQ(g.f.C.caption, "4294967297");
}

// The speeds between slow and fast, on the scripted clock: the rounds come at
// their pace, every one reaches a frame, nothing beeps, and Stop ends the run
// at once, without waiting out the round's time.
TEST(Rounds, PacedRunsPlayTheirRoundsOnTheClock) {
  const struct {
    const char* name;
    int pace;
    double seconds;
    std::int64_t least, most;
    double heldUp;  // seconds, in an event of the fourth second
  } rows[] = {
      {"ten a second", 10, 10, 70, 130, 0},
      {"a hundred a second", 100, 10, 700, 1300, 0},
      {"a thousand a second", 1000, 2, 1400, 2600, 0},
      {"held up for a minute, it goes on at its pace", 100, 10, 700, 1300, 60},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Game g("30", "30", "1", {}, /*fast=*/false);
    g.f.pace = row.pace;
    g.tk.clock = 1000;
    std::set<std::int64_t> framed;
    g.tk.frame = [&] {
      present(g.f);
      framed.insert(g.f.game.round);
    };
    if (row.heldUp > 0) g.tk.atTime(1003, [&] { g.tk.clock += row.heldUp; });
    double stoppedAt = 0;
    g.tk.atTime(1000 + row.seconds + row.heldUp, [&] {
      stoppedAt = g.tk.clock;
      Command1_Click(g.f, kStartStop);
    });
    Command1_Click(g.f, kStartStop);
    EXPECT_GE(g.f.game.round, row.least);
    EXPECT_LE(g.f.game.round, row.most);
    EXPECT_EQ(g.tk.beeps, 0);
    EXPECT_EQ(static_cast<std::int64_t>(framed.size()), g.f.game.round) << "every round shown";
    EXPECT_DOUBLE_EQ(g.tk.clock, stoppedAt) << "no wait after Stop";
    EXPECT_EQ(g.f.C.caption, std::to_string(g.f.game.round));
    expectUnlocked(g.f);
  }
}

TEST(Pause, WaitsOnTheClockUnlessFastOrPaced) {
  const struct {
    const char* name;
    std::int16_t fast;
    double clock;
    int beeps, passes;
    double waited;
    int pace;
  } rows[] = {
      {"one second", 0, 1000, 1, 1, 1.0, 0},
      {"fast box ticked", 1, 1000, 0, 0, 0.0, 0},
      {"any non-zero value is ticked", 2, 1000, 0, 0, 0.0, 0},
      {"midnight ends the pause", 0, 86399.5, 1, 1, 1.0, 0},
      {"a pace chosen", 0, 1000, 0, 0, 0.0, 100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testing::Started s;
    s.f.chkFast.value = row.fast;
    s.f.pace = row.pace;
    s.tk.clock = row.clock;
    pause(s.f, 1.0);
    EXPECT_EQ(s.tk.beeps, row.beeps);
    EXPECT_EQ(s.tk.eventPasses, row.passes);
    EXPECT_DOUBLE_EQ(s.tk.waited, row.waited);
  }
}

TEST(Pause, LetsEventsRunUntilTheTimeIsUp) {
  testing::Started s;
  s.tk.clock = 500;
  // An event that ends the first wait after a quarter of a second: the pause
  // then waits only for the rest.
  s.tk.atPass(1, [&] { s.tk.clock = 500.25; });
  pause(s.f, 1.0);
  EXPECT_EQ(s.tk.eventPasses, 2);
  EXPECT_DOUBLE_EQ(s.tk.waited, 1.75);
  EXPECT_DOUBLE_EQ(s.tk.clock, 501);
}

TEST(ShowPlayers, LeavesLabelsAloneOnlyInAFastRun) {
  const struct {
    const char* name;
    Flag show, running;
    std::int16_t fast;
    bool before, after;
  } rows[] = {
      {"fast run", kTrue, kTrue, 1, false, false},
      {"slow run", kTrue, kTrue, 0, false, true},
      {"fast box, no run", kTrue, kFalse, 1, false, true},
      {"hiding in a fast run", kFalse, kTrue, 1, true, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Game g("6", "6", "1");
    for (std::int16_t i = 0; i < 6; ++i) g.f.P(i).visible = row.before;
    g.f.game.running = row.running;
    g.f.chkFast.value = row.fast;
    showplayers(g.f, row.show);
    for (std::int16_t i = 0; i < 6; ++i) EXPECT_EQ(g.f.P(i).visible, row.after) << i;
  }
}

TEST(EnableControls, LocksAndUnlocks) {
  testing::Started s;
  s.f.Command1(0).enabled = false;
  enablecontrols(s.f, kFalse);
  expectLocked(s.f);
  EXPECT_FALSE(s.f.Command1(0).enabled);  // left as it was
  EXPECT_TRUE(s.f.C.visible);
  enablecontrols(s.f, kTrue);
  expectUnlocked(s.f);
}

}  // namespace
}  // namespace ovali
