#include "commands/runcontrols.h"

#include "commands/analyze.h"
#include "commands/play.h"
#include "commands/reset.h"

namespace ovali {

namespace {

// While a round or a run is under way the button reads "Stop".
void startOrStop(Form1& f) {
  CommandButton* button = f.Command1.find(kStartStop);
  if (button == nullptr) return;
  if (f.game.playing == kFalse) {
    playgame(f, kTrue);
  } else {
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
