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

// What is wrong with the books of a game: the players and the money, from
// the holdings that the counts are counted from before they are read.
inline std::vector<std::string> brokenBooks(const Form1& f) {
  const GameState& g = f.game;
  if (g.holdings.size() != static_cast<std::size_t>(std::max<int>(g.nplayers, 0))) {
    return {"holdings do not run over the players"};
  }
  std::vector<std::string> wrong;
  long long quanta = 0;
  for (std::int16_t i = 0; i < g.nplayers; ++i) {
    const long long level = g.holdings[static_cast<std::size_t>(i)];
    if (level < 0 || level > g.ndollars) {
      wrong.push_back("holding of player " + std::to_string(i) + " " + std::to_string(level));
    }
    quanta += level;
  }
  if (quanta != g.ndollars / g.units) wrong.push_back("money adds up to " + std::to_string(quanta));
  return wrong;
}

// What is wrong with the inputs a game was built from: the rules of the
// check, and fields that show other numbers than the game uses.
inline std::vector<std::string> brokenInputs(const Form1& f) {
  const GameState& g = f.game;
  if (g.nplayers < 2 || g.nplayers > 200 || g.nplayers % 2 != 0) return {"player count"};
  if (g.units < 1 || g.ndollars < g.units || g.ndollars % g.units != 0) return {"units"};
  if (f.txtNB.text != decimal(g.nplayers) || f.txtDollars.text != decimal(g.ndollars) ||
      f.txtNTrade.text != decimal(g.units)) {
    return {"a field shows another number than the game uses"};
  }
  return {};
}

// What is wrong with a built game: the checked inputs, the books, the sums.
inline std::vector<std::string> brokenInvariants(const Form1& f) {
  const GameState& g = f.game;
  if (auto wrong = brokenInputs(f); !wrong.empty()) return wrong;
  std::vector<std::string> wrong = brokenBooks(f);
  for (auto sum : g.sumlevels)
    if (sum < 0) wrong.push_back("negative sum");
  if (g.nsamples < 0) wrong.push_back("negative samples");
  return wrong;
}

// What is wrong with the money a frame shows: the players' captions, as
// present() writes them, against the total the game deals.
inline std::string brokenShownMoney(const Form1& f) {
  long long shown = 0;
  for (std::int16_t i = 0; i < f.game.nplayers; ++i) {
    const Label* player = f.P.find(i);
    if (player == nullptr) return "no label for player " + std::to_string(i);
    if (player->caption.empty() || player->caption.front() == '-') {
      return "player " + std::to_string(i) + " shows \"" + player->caption + "\"";
    }
    shown += std::atoll(player->caption.c_str());
  }
  if (shown != f.game.ndollars) return "the players show $" + std::to_string(shown);
  return {};
}

}  // namespace ovali::testing
