// The Explorations lab: its laws against the game's own long runs, its
// intervals, its presets, its numbers whoever plays them, its words.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "commands/inputs.h"
#include "game_fixture.h"
#include "lab/command.h"
#include "lab/laws.h"
#include "lab/results.h"
#include "lab/run.h"
#include "lab/wire.h"
#ifndef __EMSCRIPTEN__
#include "lab/threads.h"
#endif

namespace ovali {
namespace {

Experiment single(Setting s, int repeats, std::int64_t warmup, std::int64_t rounds,
                  std::uint64_t seed = 7) {
  Experiment e;
  e.name = "test";
  e.variants.push_back({"test", s, {}});
  e.plan = {repeats, warmup, rounds, 1, seed};
  return e;
}

LabResults playAll(const Experiment& e) {
  LabRun run(e);
  for (std::size_t j = 0; j < run.jobs(); ++j) {
    run.deliver(j, playRepeat(e, variantOfJob(e, j), repeatOfJob(e, j)));
  }
  return run.results();
}

Setting game(int players, int total, int units = 1, std::array<bool, 5> options = {}) {
  return {players, total, units, options};
}

TEST(LabLaws, ExactAverageAgreesWithLongRuns) {
  struct Row {
    const char* name;
    Setting setting;
  } rows[] = {
      {"4 players, $4", game(4, 4)},
      {"4 players, $10", game(4, 10)},
      {"10 players, $10", game(10, 10)},
      {"10 players, $30 in $3 bills", game(10, 30, 3)},
      {"30 players, $30, all to one", game(30, 30, 1, {false, false, false, true, false})},
      {"30 players, $60, rings apart", game(30, 60, 1, {true, false, false, false, false})},
  };
  for (const Row& row : rows) {
    const LabResults r = playAll(single(row.setting, 8, 2000, 30000));
    for (const GroupResult& g : r.variants[0].groups) {
      for (std::size_t k = 0; k < g.average.size(); ++k) {
        const Estimate& a = g.average[k];
        EXPECT_LE(std::fabs(a.mean - g.exact[k]), 4 * a.error + 1e-3)
            << row.name << ", " << g.ring << ", level " << k << ": measured " << a.mean
            << ", exact " << g.exact[k];
      }
    }
  }
}

// The laws' columns for the analysis box's example: 30 players, $30.
TEST(LabLaws, ColumnsForThirtyPlayers) {
  const std::vector<double> ovalin = ovalinLaw(30, 30, 30, 3);
  const std::vector<double> exact = exactLaw(30, 30, 30, 31);
  EXPECT_DOUBLE_EQ(ovalin[0], 15);
  EXPECT_DOUBLE_EQ(ovalin[2], 3.75);
  EXPECT_DOUBLE_EQ(exact[0], 30.0 * 29 / 59);
  double players = 0, money = 0;
  for (std::size_t k = 0; k < exact.size(); ++k) {
    players += exact[k];
    money += static_cast<double>(k) * exact[k];
  }
  EXPECT_NEAR(players, 30, 1e-9);
  EXPECT_NEAR(money, 30, 1e-9);
  EXPECT_NEAR(temperatureOf(30, 30), 0.001 / std::log(2.0) / 1.3807e-5, 1e-9);
  EXPECT_EQ(temperatureOf(15, 0), 0);
}

TEST(LabIntervals, CoverTheExactValueNineteenTimesInTwenty) {
  int covered = 0, intervals = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    const LabResults r = playAll(single(game(4, 4), 8, 200, 2000, seed));
    const GroupResult& g = r.variants[0].groups[0];
    for (std::size_t k = 0; k < g.average.size(); ++k) {
      ++intervals;
      covered += g.average[k].low() <= g.exact[k] && g.exact[k] <= g.average[k].high();
    }
  }
  const double share = double(covered) / intervals;
  EXPECT_GE(share, 0.93) << covered << " of " << intervals;
  EXPECT_LE(share, 0.97) << covered << " of " << intervals;
}

// A random exchange draws its giver among the players with money, so the
// exact law of the ring game does not hold: a player who holds everything
// cannot be paid, and is found there less often than the law says.
TEST(LabLaws, RandomExchangeHasAnotherLaw) {
  const Setting s = game(4, 6, 1, {false, false, false, false, true});
  const LabResults r = playAll(single(s, 10, 1000, 100000));
  const VariantResult& v = r.variants[0];
  EXPECT_TRUE(v.groups[0].exact.empty());
  EXPECT_NE(v.note.find("No exact law"), std::string::npos);
  const std::vector<double> uniform = exactLaw(4, 4, 6, 7);
  const Estimate& top = v.groups[0].average.at(6);
  EXPECT_GT(uniform[6] - top.mean, 6 * top.error) << top.mean << " against " << uniform[6];
}

TEST(LabPresets, VariantsAreTheQuestionsSettings) {
  using O = std::array<bool, 5>;
  const O none{}, one{false, false, false, true, false};
  const O apartInner{true, true, false, false, false};
  struct Row {
    const char* name;
    Setting base;
    std::vector<Setting> variants;
    std::vector<std::size_t> notes;  // corrections, by variant
  } rows[] = {
      {"money", game(30, 30), {game(30, 30), game(30, 60)}, {0, 0}},
      {"players", game(30, 45, 3), {game(30, 45, 3), game(60, 90, 3)}, {0, 0}},
      {"players", game(150, 300), {game(150, 300), game(200, 600)}, {0, 1}},
      {"bills", game(30, 30), {game(30, 30), game(30, 30, 2)}, {0, 0}},
      {"bills", game(30, 45), {game(30, 45), game(30, 45)}, {0, 1}},
      {"one",
       game(30, 30, 1, {false, true, false, false, false}),
       {game(30, 30), game(30, 30, 1, one)},
       {0, 0}},
      {"rings", game(30, 30), {game(30, 30, 1, apartInner)}, {0}},
      {"many",
       game(30, 30),
       {game(10, 10), game(20, 20), game(50, 50), game(100, 100), game(200, 200)},
       {0, 0, 0, 0, 0}},
      {"many",
       game(30, 60, 2),
       {game(10, 20, 2), game(20, 40, 2), game(50, 100, 2), game(100, 200, 2), game(200, 400, 2)},
       {0, 0, 0, 0, 0}},
      {"own", game(30, 30), {game(30, 30), game(32, 60, 1, none)}, {0, 1}},
  };
  for (const Row& row : rows) {
    const auto e = makeExperiment(row.name, row.base, game(31, 60));
    ASSERT_TRUE(e) << row.name;
    ASSERT_EQ(e->variants.size(), row.variants.size()) << row.name;
    for (std::size_t v = 0; v < row.variants.size(); ++v) {
      EXPECT_EQ(e->variants[v].setting, row.variants[v]) << row.name << " variant " << v;
      EXPECT_EQ(e->variants[v].notes.size(), row.notes[v]) << row.name << " variant " << v;
    }
  }
  EXPECT_FALSE(makeExperiment("nothing", game(30, 30), game(30, 30)));
}

// The lab corrects a setting as the fields are corrected, in the same words.
TEST(LabPresets, CorrectionsAreTheFields) {
  const int rows[][3] = {{31, 30, 1},    {201, 30, 1}, {0, 30, 1},  {-3, 30, 1},  {30, 0, 1},
                         {30, 40000, 1}, {30, 30, 0},  {30, 30, 7}, {30, 30, 31}, {30, 30, -2}};
  for (const auto& row : rows) {
    testing::Started window;
    Form1& f = window.f;
    f.txtNB.text = decimal(row[0]);
    f.txtDollars.text = decimal(row[1]);
    f.txtNTrade.text = decimal(row[2]);
    checkinputs(f);
    const Corrected c = corrected(game(row[0], row[1], row[2]));
    const std::string name = f.txtNB.text + " " + f.txtDollars.text + " " + f.txtNTrade.text;
    EXPECT_EQ(decimal(c.setting.players), f.txtNB.text) << name;
    EXPECT_EQ(decimal(c.setting.total), f.txtDollars.text) << name;
    EXPECT_EQ(decimal(c.setting.units), f.txtNTrade.text) << name;
    EXPECT_EQ(c.notes, window.tk.messages) << name;
  }
}

std::uint64_t fnv(const std::string& text) {
  std::uint64_t h = 1469598103934665603u;
  for (unsigned char c : text) h = (h ^ c) * 1099511628211u;
  return h;
}

// The same seed gives the same table, byte for byte, in every build: this
// test runs natively, under the sanitizers and as WebAssembly, against one
// fingerprint; and the games do not depend on which thread played them.
TEST(LabRuns, SameSeedSameTable) {
  Setting base = game(10, 20);
  base.options[0] = true;
  auto e = makeExperiment("one", base, base);
  ASSERT_TRUE(e);
  e->plan = {3, 100, 900, 5, 2026};
  const std::string table = labTable(*e, playAll(*e));
  EXPECT_EQ(fnv(table), 18113632997478173599u) << table;
#ifndef __EMSCRIPTEN__
  for (int threads : {1, 2}) {
    LabRun run(*e);
    ThreadWorkers workers(threads);
    workers.start(*e);
    while (!run.finished()) {
      workers.wait(std::chrono::milliseconds(1000));
      workers.collect(run);
    }
    EXPECT_EQ(labTable(*e, run.results()), table) << threads << " threads";
  }
#endif
}

#ifndef __EMSCRIPTEN__
// Stop, a new start and the end of the workers each end every thread, mid-game.
TEST(LabRuns, WorkersEndMidRun) {
  auto e = makeExperiment("many", game(30, 30), game(30, 30));
  ASSERT_TRUE(e);
  e->plan.rounds = std::int64_t{1} << 40;  // games that would never end
  LabRun run(*e);
  {
    ThreadWorkers workers(2);
    workers.start(*e);
    workers.stop();
    workers.collect(run);
    EXPECT_EQ(run.done(), 0u);
    workers.start(*e);
    workers.start(*e);
  }
  EXPECT_EQ(run.done(), 0u);
}
#endif

// What a page hands its workers and gets back arrives as it went; what is
// not an experiment or a game, or a setting the fields would not allow, is
// refused.
TEST(LabWire, RoundTripsAndRefusesTheMalformed) {
  auto own = makeExperiment("own", game(30, 30, 1, {false, false, false, false, true}),
                            game(31, 60, 1, {false, false, false, true, false}));
  ASSERT_TRUE(own);
  own->plan.seed = 0xFFFFFFFFFFFFFFFFu;  // more bits than a double holds
  auto rings = makeExperiment("rings", game(10, 20), game(10, 20));
  ASSERT_TRUE(rings);
  rings->plan = {2, 50, 400, 3, 5};
  const RepeatResult played = playRepeat(*rings, 0, 1);
  Experiment unplayable = *rings;
  unplayable.variants[0].setting.players = 11;

  const std::string text = encodeExperiment(*own);
  const std::vector<double> numbers = encodeRepeat(played);
  std::vector<double> overlong = numbers;
  overlong[0] = 1e9;  // more rows than there are numbers
  struct Row {
    const char* name;
    std::string text;
    std::vector<double> numbers;
    std::optional<Experiment> experiment;  // nothing: refused
    std::optional<RepeatResult> game;
  } rows[] = {
      {"a preset with a correction noted and a 64-bit seed", text, {}, own, {}},
      {"a game of two rings with their temperatures", {}, numbers, {}, played},
      {"both cut short by one",
       text.substr(0, text.size() - 1),
       {numbers.begin(), numbers.end() - 1},
       {},
       {}},
      {"a setting the fields would correct", encodeExperiment(unplayable), {}, {}, {}},
      {"a count beyond the numbers", {}, overlong, {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(decodeExperiment(row.text) == row.experiment);
    EXPECT_TRUE(decodeRepeat(row.numbers) == row.game);
  }
}

TEST(LabWords, SentenceFromFixedResults) {
  auto estimate = [](double mean, double error) {
    Estimate e;
    e.mean = mean;
    e.error = error;
    e.half = 2 * error;
    e.count = 10;
    return e;
  };
  auto variant = [&](double ratio, double fraction, double broke, int players) {
    VariantResult v;
    v.repeats = 10;
    v.ratio = ratio;
    GroupResult g;
    g.ring = "all";
    g.players = players;
    g.fraction = estimate(fraction, 0.001);
    g.broke = estimate(broke, 0.1);
    g.gini = estimate(0.5, 0.01);
    v.groups.push_back(g);
    v.approach = estimate(ratio > 0.6 ? 900 : 40, 5);
    return v;
  };
  struct Row {
    const char* name;
    Setting base;
    std::vector<VariantResult> variants;
    const char* sentence;
  } rows[] = {
      {"money",
       game(30, 30),
       {variant(0.5, 0.5, 15.1, 30), variant(2 / 3.0, 0.67, 10.2, 30)},
       "Doubling the money from $30 to $60: the fraction from one amount to the next rose from "
       "0.50 to 0.67 (in theory 0.50 and 0.67); players broke fell from 15.1 \u00B1 0.2 to 10.2 "
       "\u00B1 0.2."},
      {"bills",
       game(30, 30),
       {variant(0.5, 0.5, 15.1, 30), variant(0.5, 0.5, 15.2, 30)},
       "Trading $2 bills instead of $1 bills, $30 among 30 players: the fraction from one amount "
       "to the next stayed at 0.50 and 0.50 (in theory 0.50 and 0.50); players broke stayed at "
       "15.1 \u00B1 0.2 and 15.2 \u00B1 0.2."},
      {"players",
       game(30, 30),
       {variant(0.5, 0.5, 15.0, 30), variant(0.5, 0.5, 30.6, 60)},
       "Doubling the players from 30 to 60, each still starting with the same money: the "
       "fraction from one amount to the next stayed at 0.50 and 0.50 (in theory 0.50 and 0.50); "
       "the share of players broke stayed at 50.0 \u00B1 0.7 and 51.0 \u00B1 0.3 %."},
      {"one",
       game(30, 30),
       {variant(0.5, 0.5, 15.1, 30), variant(0.7, 0.5, 15.0, 30)},
       "Giving all the money to one player: the same equilibrium as the usual deal, players "
       "broke 15.0 \u00B1 0.2 against 15.1 \u00B1 0.2, Gini 0.50 against 0.50; it takes 900 "
       "rounds to come within 5 % of it instead of 40."},
  };
  for (const Row& row : rows) {
    auto e = makeExperiment(row.name, row.base, row.base);
    ASSERT_TRUE(e);
    LabResults r;
    r.variants = row.variants;
    r.done = 20;
    EXPECT_EQ(labSentence(*e, r), row.sentence) << row.name;
  }
  auto e = makeExperiment("money", game(30, 30), game(30, 30));
  EXPECT_EQ(labSentence(*e, LabResults{}), "No game has been played to the end yet.");
}

TEST(LabCommandLine, Arguments) {
  struct Row {
    std::vector<std::string_view> args;
    const char* error;  // empty for a command that is taken
  } rows[] = {
      {{"money"}, ""},
      {{"--list"}, ""},
      {{"many", "--rounds", "1000", "--seed", "9", "--threads", "2"}, ""},
      {{"own", "--vs", "players=60,total=60,units=1,options=one,random"}, ""},
      {{}, "name an experiment: money, players, bills, one, rings, many, own"},
      {{"money", "bills"}, "one experiment at a time: \"money\" and \"bills\""},
      {{"money", "--repeats", "1"}, "--repeats takes a whole number of at least 2, not \"1\""},
      {{"money", "--rounds"}, "--rounds needs a value"},
      {{"money", "--players", "ten"}, "--players takes a whole number, not \"ten\""},
      {{"money", "--options", "inner,all"},
       "--options takes a list of separate, inner, outer, one and random, not \"inner,all\""},
      {{"own"},
       "own compares the base with a second setting: give it with --vs, for example "
       "--vs players=60,total=60"},
      {{"own", "--vs", "players=6,wealth=3"},
       "--vs: \"wealth\" is not a setting: they are players, total, units and options."},
      {{"money", "--fast", "1"}, "unknown option --fast (see ovali-lab --list)"},
      {{"chess"}, "no experiment called \"chess\": money, players, bills, one, rings, many, own"},
  };
  for (const Row& row : rows) {
    std::string error;
    const auto c = readLabCommand(row.args, error);
    EXPECT_EQ(error, row.error);
    EXPECT_EQ(c.has_value(), std::string(row.error).empty()) << row.error;
  }
  std::string error;
  const std::vector<std::string_view> many{"many", "--rounds", "1000", "--seed", "9"};
  const auto c = readLabCommand(many, error);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->experiment.plan.rounds, 1000);
  EXPECT_EQ(c->experiment.plan.warmup, 100);
  EXPECT_EQ(c->experiment.plan.seed, 9u);
  EXPECT_EQ(c->experiment.plan.repeats, 20);
  const std::vector<std::string_view> own{"own", "--players", "20", "--vs",
                                          "options=one,random,total=41"};
  const auto d = readLabCommand(own, error);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->experiment.variants[1].setting, game(20, 41, 1, {false, false, false, true, true}));
}

}  // namespace
}  // namespace ovali
