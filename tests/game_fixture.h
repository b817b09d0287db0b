#pragma once

// A started window with a game built from given fields and options, and the
// books of a game checked as a list of what is wrong.

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/reset.h"
#include "fake_toolkit.h"
#include "toolkit/text.h"

namespace ovali::testing {

// How many times longer the long tests run: OVALI_SOAK_SCALE, 1 when unset.
// scripts/soak sets it; the test command runs the short versions.
inline int soakScale() {
  const char* scale = std::getenv("OVALI_SOAK_SCALE");
  const int n = scale != nullptr ? std::atoi(scale) : 1;
  return n > 1 ? n : 1;
}

struct Options {
  bool separate = false;
  bool inneronly = false;
  bool outeronly = false;
  bool alltoone = false;
  bool randomexchange = false;
};

struct Game : Started {
  Game(const char* players, const char* dollars, const char* units, Options o = {},
       bool fast = true) {
    f.txtNB.text = players;
    f.txtDollars.text = dollars;
    f.txtNTrade.text = units;
    set(o);
    f.chkFast.value = fast ? 1 : 0;
    resetgame(f);
  }

  void set(Options o) {
    f.game.separate = toFlag(o.separate);
    f.game.inneronly = toFlag(o.inneronly);
    f.game.outeronly = toFlag(o.outeronly);
    f.game.alltoone = toFlag(o.alltoone);
    f.game.randomexchange = toFlag(o.randomexchange);
  }

  std::vector<std::string> captions() const {
    std::vector<std::string> all;
    for (std::int16_t i = 0; i < f.game.nplayers; ++i) all.push_back(f.P(i).caption);
    return all;
  }

  // Scripts the throws of the coming pairs.
  void throws(std::initializer_list<double> draws) {
    for (double d : draws) tk.draws.push_back(d);
  }
};

// Throw draws: int(draw * 3) gives 0 (rock), 1 or 2.
inline constexpr double kRock = 0.0;
inline constexpr double kPaper = 0.4;
inline constexpr double kScissors = 0.7;

// What is wrong with the books of a game: the counts against the holdings,
// the money, the outer counts while the rings are counted together.
inline std::vector<std::string> brokenBooks(const Form1& f) {
  std::vector<std::string> wrong;
  const GameState& g = f.game;
  if (g.levels.size() != static_cast<std::size_t>(g.ndollars) + 1 ||
      g.outerlevels.size() != g.levels.size()) {
    return {"count arrays do not run from 0 to the total"};
  }
  std::vector<int> inner(g.levels.size()), outer(g.levels.size());
  long long players = 0, quanta = 0;
  for (std::size_t k = 0; k < g.levels.size(); ++k) {
    players += g.levels[k] + g.outerlevels[k];
    quanta += static_cast<long long>(k) * (g.levels[k] + g.outerlevels[k]);
    if (g.separate == kFalse && g.outerlevels[k] != 0)
      wrong.push_back("outer count while together");
  }
  if (players != g.nplayers) wrong.push_back("counts add up to " + std::to_string(players));
  if (quanta != g.ndollars / g.units) wrong.push_back("money adds up to " + std::to_string(quanta));
  if (g.holdings.size() != static_cast<std::size_t>(std::max<int>(g.nplayers, 0))) {
    return {"holdings do not run over the players"};
  }
  for (std::int16_t i = 0; i < g.nplayers; ++i) {
    const long long level = g.holdings[static_cast<std::size_t>(i)];
    if (level < 0 || level >= static_cast<long long>(inner.size())) {
      wrong.push_back("holding of player " + std::to_string(i) + " " + std::to_string(level));
      continue;
    }
    auto& counts = (g.separate != kFalse && i % 2 == 0) ? outer : inner;
    ++counts[static_cast<std::size_t>(level)];
  }
  for (std::size_t k = 0; k < inner.size(); ++k) {
    if (inner[k] != g.levels[k] || outer[k] != g.outerlevels[k]) {
      wrong.push_back("counts at level " + std::to_string(k) + " differ from the holdings");
      break;
    }
  }
  return wrong;
}

}  // namespace ovali::testing
