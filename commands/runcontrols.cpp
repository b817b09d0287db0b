#include "commands/runcontrols.h"

#include "engine/reset.h"
#include "engine/rounds.h"
#include "stats/analysis.h"

namespace ovali {

namespace {

constexpr std::int16_t kStartStop = 0;
constexpr std::int16_t kReset = 2;
constexpr std::int16_t kStep = 3;
constexpr std::int16_t kAnalyze = 4;

// The caption of the Start button is the only record of whether a run is
// under way, so it decides what a click means.
void startOrStop(Form1& f) {
  CommandButton* button = f.Command1.find(kStartStop);
  if (button == nullptr) return;
  if (button->caption == "Start") {
    playgame(f, kTrue);
  } else if (button->caption == "Stop") {
    f.game.running = kFalse;
    // The round under way still finishes; its unlocking enables the button again.
    button->enabled = false;
  }
}

}  // namespace

void Command1_Click(Form1& f, std::int16_t index) {
  switch (index) {
    case kStartStop:
      startOrStop(f);
      break;
    case kReset:
      f.game.running = kFalse;
      resetgame(f);
      break;
    case kStep:
      playgame(f, kFalse);
      break;
    case kAnalyze:
      analyze(f);
      break;
    default:
      break;
  }
}

// The box takes effect where it is read, afresh at every pause.
void chkFast_Click(Form1&) {}

}  // namespace ovali
