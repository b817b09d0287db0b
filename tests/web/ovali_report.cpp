// Plays a scripted game with the native library and prints the last message
// box it showed, so that the browser test can compare the page's report with
// it byte for byte. Usage: ovali_report SEED ACTION...
// where an action is players=N, dollars=N, units=N, fast, reset, step, analyze,
// or lab=EXPERIMENT: the lab's tables of that experiment, played from the
// window's setting, as the lab's Copy gives them.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands/inputs.h"
#include "commands/runcontrols.h"
#include "lab/results.h"
#include "lab/run.h"
#include "toolkit/random.h"
#include "toolkit/toolkit.h"
#include "view/form1.h"
#include "view/labpanel.h"

namespace {

using namespace ovali;

class ScriptToolkit : public Toolkit {
 public:
  std::string last;
  Random random;

  void msgbox(std::string_view text) override { last = text; }
  void doevents() override {}
  void waitevents(double) override {}
  void beep() override {}
  double timer() override { return 0; }
  void randomize() override {}
  double rnd() override { return random.next(); }
  Random* generator() override { return &random; }
  [[noreturn]] void end() override { std::exit(0); }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: ovali_report SEED ACTION...\n");
    return 2;
  }
  ScriptToolkit tk;
  Form1 f(tk);
  Form_Load(f);
  tk.random.reseed(std::strtoull(argv[1], nullptr, 10));
  for (int i = 2; i < argc; ++i) {
    const std::string action = argv[i];
    const std::string value = action.substr(action.find('=') + 1);
    if (action.rfind("players=", 0) == 0) {
      settext(f, f.txtNB, value);
    } else if (action.rfind("dollars=", 0) == 0) {
      settext(f, f.txtDollars, value);
    } else if (action.rfind("units=", 0) == 0) {
      settext(f, f.txtNTrade, value);
    } else if (action == "fast") {
      f.chkFast.value = 1;
    } else if (action == "reset") {
      Command1_Click(f, 2);
    } else if (action == "step") {
      Command1_Click(f, 3);
    } else if (action == "analyze") {
      Command1_Click(f, 4);
    } else if (action.rfind("lab=", 0) == 0) {
      const Setting base = windowSetting(f);
      const std::optional<Experiment> e = makeExperiment(value, base, base);
      if (!e) {
        std::fprintf(stderr, "ovali_report: no experiment %s\n", value.c_str());
        return 2;
      }
      LabRun run(*e);
      InlineWorkers here;
      here.start(*e);
      while (!run.finished()) here.collect(run);
      tk.last = labTable(run.experiment(), run.results());
    } else {
      std::fprintf(stderr, "ovali_report: unknown action %s\n", action.c_str());
      return 2;
    }
  }
  std::fwrite(tk.last.data(), 1, tk.last.size(), stdout);
  return 0;
}
