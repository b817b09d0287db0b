// Prints the rounds per second of the game alone (no window) for a fast run
// of the given size, for the web benchmark to set beside the page's rate.
// Usage: ovali_rate PLAYERS DOLLARS [SECONDS]

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "commands/runcontrols.h"
#include "engine/reset.h"
#include "toolkit/random.h"
#include "toolkit/text.h"
#include "view/form1.h"

namespace {

using namespace ovali;
using Clock = std::chrono::steady_clock;

// Event passes do nothing but click Stop once the time is up.
class RateToolkit : public Toolkit {
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
  [[noreturn]] void end() override { std::exit(0); }

 private:
  long passes_ = 0;
  Random random_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: ovali_rate PLAYERS DOLLARS [SECONDS]\n");
    return 2;
  }
  RateToolkit tk;
  Form1 f(tk);
  tk.form = &f;
  Form_Load(f);
  f.txtNB.text = argv[1];
  f.txtDollars.text = argv[2];
  f.chkFast.value = 1;
  resetgame(f);
  const double seconds = argc > 3 ? std::atof(argv[3]) : 2.0;
  const auto start = Clock::now();
  tk.stopAt =
      start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  Command1_Click(f, 0);
  const std::chrono::duration<double> spent = Clock::now() - start;
  std::printf("%.0f\n", val(f.C.caption) / spent.count());
  return 0;
}
