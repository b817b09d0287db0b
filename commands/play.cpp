#include "commands/play.h"

#include "commands/reset.h"
#include "engine/rounds.h"
#include "view/ladder.h"
#include "view/present.h"
#include "view/recording.h"
#include "view/rings.h"

namespace ovali {

namespace {

void setEnabled(ControlArray<CommandButton>& buttons, std::int16_t index, bool enabled) {
  if (CommandButton* button = buttons.find(index)) button->enabled = enabled;
}

// Rounds a second at a pace between slow and fast; 0 when the game runs slow
// or fast. Read afresh at every round, as the fast box is.
int paceOf(const Form1& f) { return f.chkFast.value == 0 && f.pace > 0 ? f.pace : 0; }

// A slow round writes the window at its phases; any other leaves it to the
// frames the front end shows.
bool slowRound(const Form1& f) { return f.chkFast.value == 0 && paceOf(f) == 0; }

// The rounds of a paced run are due at fixed times from its start, so that a
// wait that overshoots is made up by the next; a run held up for longer (a
// message box, a busy machine) starts its count again rather than race.
struct Schedule {
  int pace = 0;
  double start = 0;
  std::int64_t rounds = 0;
};

constexpr double kMostBehind = 0.25;  // seconds

void keepPace(Form1& f, Schedule& s) {
  const int pace = paceOf(f);
  double now = f.tk.timer();
  // A clock that went back has passed midnight.
  if (pace != s.pace || now < s.start ||
      now > s.start + static_cast<double>(s.rounds) / pace + kMostBehind) {
    s = {pace, now, 0};
  }
  ++s.rounds;
  const double due = s.start + static_cast<double>(s.rounds) / pace;
  // Stop is taken while waiting: the run ends without the rest of the wait.
  while (f.game.running != kFalse && now < due && !(now < s.start)) {
    f.tk.waitevents(due - now);
    now = f.tk.timer();
  }
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

  Schedule schedule;
  while (g.running != kFalse) {
    f.caption = "Next!";
    countround(g);
    const bool slow = slowRound(f);
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
    if (slowRound(f)) showmoney(f);
    showplayers(f, kTrue);
    pause(f, 1.0);

    f.caption = "Check";
    f.ladderBehind = false;
    if (slowRound(f)) {
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
    if (g.running != kFalse && paceOf(f) > 0) {
      keepPace(f, schedule);
    } else if (g.running != kFalse) {
      pause(f, 1.0);
    }
  }

  present(f);
  g.playing = kFalse;
  if (continuous != kFalse && f.chkFast.value != 0) showplayers(f, kTrue);
  enablecontrols(f, kTrue);
}

void pause(Form1& f, double seconds) {
  // A paced run has no pauses: it waits for its next round instead.
  if (f.chkFast.value != 0 || paceOf(f) > 0) return;
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
