#pragma once

// The game alone, with no window, as both benchmark programs measure it.

#include <chrono>
#include <cstdlib>

#include "commands/reset.h"
#include "commands/runcontrols.h"
#include "toolkit/random.h"
#include "toolkit/text.h"
#include "view/form1.h"

namespace ovali::bench {

using Clock = std::chrono::steady_clock;

// Event passes do nothing but click Stop once the time is up.
class BareToolkit : public Toolkit {
 public:
  Form1* form = nullptr;
  Clock::time_point stopAt;

  void msgbox(std::string_view) override {}
  void doevents() override {
    if ((++passes_ & 1023) == 0 && Clock::now() >= stopAt) Command1_Click(*form, 0);
  }
  void waitevents(double) override { doevents(); }
  void beep() override {}
  double timer() override { return 0; }
  void randomize() override { random_.reseed(20261208); }
  double rnd() override { return random_.next(); }
  Random* generator() override { return &random_; }
  [[noreturn]] void end() override { std::exit(0); }

 private:
  long passes_ = 0;
  Random random_;
};

// Opens the window model and builds a fast game of the given size in it.
inline void setUp(Form1& f, const char* players, const char* dollars) {
  Form_Load(f);
  f.txtNB.text = players;
  f.txtDollars.text = dollars;
  f.chkFast.value = 1;
  resetgame(f);
}

// Rounds per second of a fast run of the game alone for about `runTime`.
inline double bareRoundsPerSecond(const char* players, const char* dollars,
                                  Clock::duration runTime) {
  BareToolkit tk;
  Form1 f(tk);
  tk.form = &f;
  setUp(f, players, dollars);
  const auto start = Clock::now();
  tk.stopAt = start + runTime;
  Command1_Click(f, 0);
  const std::chrono::duration<double> spent = Clock::now() - start;
  return static_cast<double>(f.game.round) / spent.count();
}

// Rounds per second of the floor for these rules: the draws alone, two per
// pair (xoshiro256+ into a throw), nothing else.
inline double floorRoundsPerSecond(int players, Clock::duration runTime) {
  Random random(20261208);
  unsigned throws = 0;
  long rounds = 0;
  const auto start = Clock::now();
  const auto stop = start + runTime;
  auto now = start;
  while (now < stop) {
    for (int r = 0; r < 256; ++r) {
      for (int pair = 0; pair < players / 2; ++pair) {
        throws += static_cast<unsigned>(random.next() * 3);
        throws += static_cast<unsigned>(random.next() * 3);
      }
    }
    rounds += 256;
    now = Clock::now();
  }
  // Kept, so that the draws are not optimised away.
  volatile unsigned sink = throws;
  (void)sink;
  const std::chrono::duration<double> spent = now - start;
  return static_cast<double>(rounds) / spent.count();
}

// The best of three of `figure`.
template <class Figure>
double bestOfThree(Figure figure) {
  double best = 0;
  for (int i = 0; i < 3; ++i) {
    const double value = figure();
    if (value > best) best = value;
  }
  return best;
}

}  // namespace ovali::bench
