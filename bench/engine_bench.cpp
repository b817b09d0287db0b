// Rounds per second of the game alone: the same playgame the window runs,
// over a toolkit that does nothing but count event passes.

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "commands/options.h"
#include "engine/reset.h"
#include "engine/rounds.h"
#include "toolkit/random.h"
#include "view/form1.h"

namespace {

using namespace ovali;

class CountingToolkit : public Toolkit {
 public:
  Form1* form = nullptr;
  long long passes = 0;
  long long stopAt = 0;

  void msgbox(std::string_view) override {}
  void doevents() override {
    if (++passes >= stopAt) form->game.running = kFalse;
  }
  void waitevents(double) override { doevents(); }
  void beep() override {}
  double timer() override { return 0; }
  void randomize() override { random_.reseed(20261208); }
  double rnd() override { return random_.next(); }
  [[noreturn]] void end() override { std::exit(0); }

 private:
  Random random_;
};

}  // namespace

int main(int argc, char** argv) {
  const long long rounds = argc > 1 ? std::atoll(argv[1]) : 2'000'000;
  CountingToolkit tk;
  Form1 f(tk);
  tk.form = &f;
  Form_Load(f);
  f.txtNB.text = "200";
  f.txtDollars.text = "400";
  f.txtNTrade.text = "1";
  f.chkFast.value = 1;
  resetgame(f);

  tk.stopAt = rounds / 10;  // warm-up
  playgame(f, kTrue);
  tk.passes = 0;
  tk.stopAt = rounds;
  const auto start = std::chrono::steady_clock::now();
  playgame(f, kTrue);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("engine: %lld rounds of 200 players in %.3f s: %.0f rounds/s (%lld samples)\n",
              tk.passes, seconds, tk.passes / seconds, static_cast<long long>(f.game.nsamples));
  return 0;
}
