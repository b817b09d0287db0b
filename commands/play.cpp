#include "commands/play.h"

#include "commands/reset.h"
#include "engine/rounds.h"
#include "view/history.h"
#include "view/ladder.h"
#include "view/present.h"
#include "view/rings.h"

namespace ovali {

namespace {

void setEnabled(ControlArray<CommandButton>& buttons, std::int16_t index, bool enabled) {
  if (CommandButton* button = buttons.find(index)) button->enabled = enabled;
}

}  // namespace

// The rounds change only numbers; the captions, the ring and the ladder are
// written where a slow round shows them, and in a fast run only when a frame
// is shown (present, called by the front end).
void playgame(Form1& f, Flag continuous) {
  GameState& g = f.game;
  if (g.ready == kFalse) resetgame(f);

  g.running = kTrue;
  g.playing = kTrue;
  enablecontrols(f, kFalse);

  while (g.running != kFalse) {
    f.caption = "Next!";
    countround(g);
    const bool slow = f.chkFast.value == 0;
    const int n = g.nplayers;
    if (slow) {
      showmoney(f);
      // Without players there is no offset to form.
      if (n > 0) placeplayers(f, static_cast<std::int16_t>(g.round % n), kFalse);
    }
    pause(f, 1.0);

    f.caption = "Go!";
    f.ladderBehind = true;
    playexchanges(g, f.tk);
    if (f.chkFast.value == 0) showmoney(f);
    showplayers(f, kTrue);
    pause(f, 1.0);

    f.caption = "Check";
    f.ladderBehind = false;
    if (f.chkFast.value == 0) {
      checklevels(f);
    } else {
      notemarkers(f);
    }
    if (g.round > 10) setEnabled(f.Command1, kAnalyze, true);
    showplayers(f, kTrue);

    // Where a Stop click is taken, also in fast mode.
    f.tk.doevents();
    if (continuous == kFalse) g.running = kFalse;
    recordRound(f, g.round);
    if (g.running != kFalse) pause(f, 1.0);
  }

  present(f);
  g.playing = kFalse;
  if (continuous != kFalse && f.chkFast.value != 0) showplayers(f, kTrue);
  enablecontrols(f, kTrue);
}

void pause(Form1& f, double seconds) {
  if (f.chkFast.value != 0) return;
  f.tk.beep();
  const double t0 = f.tk.timer();
  const auto end = static_cast<float>(t0 + seconds);
  const auto start = static_cast<float>(t0);
  // Compared in single precision, as the clock is kept; a clock that drops
  // below the start has passed midnight and ends the pause.
  for (double now = t0; static_cast<float>(now) < end && !(static_cast<float>(now) < start);
       now = f.tk.timer()) {
    f.tk.waitevents(t0 + seconds - now);
  }
}

void showplayers(Form1& f, Flag show) {
  if ((show & f.game.running & f.chkFast.value) != 0) return;
  for (int i = 0; i < f.game.nplayers; ++i) {
    if (Label* player = f.P.find(static_cast<std::int16_t>(i))) player->visible = show != kFalse;
  }
}

void enablecontrols(Form1& f, Flag enable) {
  const bool on = enable != kFalse;
  f.txtNB.enabled = on;
  f.txtDollars.enabled = on;
  f.txtNTrade.enabled = on;
  setEnabled(f.Command1, kReset, on);
  setEnabled(f.Command1, kStep, on);
  setEnabled(f.Command1, kAnalyze, on);
  f.mnuOpt.enabled = on;
  if (CommandButton* start = f.Command1.find(kStartStop)) {
    start->caption = on ? "Start" : "Stop";
    if (on) start->enabled = true;
  }
  f.C.visible = true;
}

}  // namespace ovali
