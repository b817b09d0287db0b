#include "engine/rounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/reset.h"
#include "engine/transfer.h"
#include "stats/levels.h"
#include "toolkit/text.h"
#include "view/history.h"
#include "view/rings.h"

namespace ovali {

namespace {

constexpr std::int16_t kAnalyze = 4;

// A player's level as the rounds read it: dollars over units, as the 16-bit
// whole number the game keeps. False when there is no label to read, no unit
// to divide by, or a quotient outside 16 bits. (A flag and an out-parameter
// rather than an optional: this runs twice per pair, and the packed optional
// cost a store-forwarding stall on every call.)
bool readLevel(const Form1& f, int player, std::int16_t& level) {
  const Label* label = f.P.find(static_cast<std::int16_t>(player));
  if (label == nullptr || f.game.units == 0) return false;
  const double dollars = val(label->caption);
  // Most games trade single dollars; a division is worth saving here.
  const double quotient = f.game.units == 1 ? dollars : dollars / f.game.units;
  if (!(quotient >= std::numeric_limits<std::int16_t>::min() &&
        quotient <= std::numeric_limits<std::int16_t>::max())) {
    return false;
  }
  // Money moves in whole units, so the quotient is whole but for hand-made
  // captions; those round the way the game rounds everywhere, half to even.
  level = static_cast<std::int16_t>(quotient);
  if (level != quotient) level = static_cast<std::int16_t>(std::nearbyint(quotient));
  return true;
}

enum class Loser : std::uint8_t { None, Outer, Inner };

// By outer throw * 3 + inner throw.
constexpr std::array<Loser, 9> kLoser{
    Loser::None,  Loser::Inner, Loser::Outer,  // outer 0
    Loser::Outer, Loser::None,  Loser::Inner,  // outer 1
    Loser::Inner, Loser::Outer, Loser::None,   // outer 2
};

// 0, 1 or 2: rock, paper or scissors.
int throwHand(Toolkit& tk) { return static_cast<int>(tk.rnd() * 3); }

void playRingPairs(Form1& f, std::int64_t shift) {
  const int n = f.game.nplayers;
  if (n <= 0) return;
  // Brought into 0 .. n - 1 once, so that each pair finds its partner
  // without a division.
  const auto step = static_cast<int>((shift % n + n) % n);
  for (int i = 0; i <= n - 2; i += 2) {
    int j = i + step;
    if (j >= n) j -= n;
    std::int16_t li = 0;
    std::int16_t lj = 0;
    const bool readable = readLevel(f, i, li) && readLevel(f, j, lj);
    // Every pair throws, whatever its money, so that the draws of the later
    // pairs do not depend on who is broke.
    const int t1 = throwHand(f.tk);
    const int t2 = throwHand(f.tk);
    if (!readable) continue;

    // A throw beats the throw one higher (mod 3); a loser pays only from
    // money it has. Looked up rather than branched on: the throws are random,
    // so branches on them would mostly be mispredicted.
    const Loser loser = kLoser[static_cast<std::size_t>(t1 * 3 + t2)];
    const auto d = static_cast<std::int16_t>(static_cast<int>((loser == Loser::Inner) & (lj > 0)) -
                                             static_cast<int>((loser == Loser::Outer) & (li > 0)));
    if (d == 0) continue;
    addmoney(f, static_cast<std::int16_t>(i), li, d, kFalse);
    addmoney(f, static_cast<std::int16_t>(j), lj, static_cast<std::int16_t>(-d), kTrue);
  }
}

struct Drawn {
  std::int16_t player;
  std::int16_t level;
};

// Draws players until one has a level that `fits`. Nothing when no player
// can fit, so that a game nobody qualifies in never spins the loop; the
// look over every player is made only after a long run of misses, which a
// game with a fitting player almost never has.
template <class Fits>
std::optional<Drawn> drawPlayer(Form1& f, Fits fits) {
  const int n = f.game.nplayers;
  if (n <= 0) return std::nullopt;
  const long checkAfter = 8L * n + 64;
  for (long attempt = 0;; ++attempt) {
    if (attempt == checkAfter) {
      bool anyone = false;
      for (int i = 0; i < n && !anyone; ++i) {
        std::int16_t level = 0;
        anyone = readLevel(f, i, level) && fits(level);
      }
      if (!anyone) return std::nullopt;
    }
    const int drawn = static_cast<int>(f.tk.rnd() * n);
    if (drawn < 0 || drawn >= n) continue;
    std::int16_t level = 0;
    if (readLevel(f, drawn, level) && fits(level)) {
      return Drawn{static_cast<std::int16_t>(drawn), level};
    }
  }
}

void playRandomTransfer(Form1& f) {
  const GameState& g = f.game;
  // Without a unit no level can be read, so nobody could be drawn.
  if (g.units == 0) return;
  // The whole of the money in units; a real quotient, as the rule compares
  // a whole level with it.
  const double all = static_cast<double>(g.ndollars) / g.units;
  auto receiver = drawPlayer(f, [all](std::int16_t level) { return level != all; });
  if (!receiver) return;
  addmoney(f, receiver->player, receiver->level, 1, kFalse);

  auto giver = drawPlayer(f, [](std::int16_t level) { return level != 0; });
  if (!giver) return;
  addmoney(f, giver->player, giver->level, -1, kTrue);
}

void setEnabled(ControlArray<CommandButton>& buttons, std::int16_t index, bool enabled) {
  if (CommandButton* button = buttons.find(index)) button->enabled = enabled;
}

}  // namespace

void playgame(Form1& f, Flag continuous) {
  GameState& g = f.game;
  if (g.ready == kFalse) resetgame(f);

  g.running = kTrue;
  enablecontrols(f, kFalse);

  while (g.running != kFalse) {
    f.caption = "Next!";
    const double next = std::nearbyint(val(f.C.caption) + 1);
    // Held far inside 64 bits, so that the pairing arithmetic cannot
    // overflow whatever the caption says; no run ever counts that far.
    constexpr double kLimit = 0x1p62;
    const auto c = static_cast<std::int64_t>(std::clamp(next, -kLimit, kLimit));
    f.C.caption = decimal(c);
    const int n = g.nplayers;
    // Without players there is no offset and no pairing to form.
    if (n > 0) placeplayers(f, static_cast<std::int16_t>(c % n), kFalse);
    pause(f, 1.0);

    f.caption = "Go!";
    // Taken modulo n before doubling: 2 * c does not fit 64 bits at the clamp.
    std::int64_t shift = 0;
    if (n > 0) shift = n - (2 * (c % n) - 1) % n;
    if (g.randomexchange != kFalse) {
      playRandomTransfer(f);
    } else {
      playRingPairs(f, shift);
    }
    showplayers(f, kTrue);
    pause(f, 1.0);

    f.caption = "Check";
    checklevels(f);
    if (c > 10) setEnabled(f.Command1, kAnalyze, true);
    showplayers(f, kTrue);

    // Where a Stop click is taken, also in fast mode.
    f.tk.doevents();
    if (continuous == kFalse) g.running = kFalse;
    recordRound(f, c);
    if (g.running != kFalse) pause(f, 1.0);
  }

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
  setEnabled(f.Command1, 2, on);
  setEnabled(f.Command1, 3, on);
  setEnabled(f.Command1, kAnalyze, on);
  f.mnuOpt.enabled = on;
  if (CommandButton* start = f.Command1.find(0)) {
    start->caption = on ? "Start" : "Stop";
    if (on) start->enabled = true;
  }
  f.C.visible = true;
}

}  // namespace ovali
