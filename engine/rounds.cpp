#include "engine/rounds.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "engine/transfer.h"
#include "toolkit/random.h"

namespace ovali {

namespace {

// How a pair's throws end, by outer throw * 3 + inner throw (0, 1 or 2:
// rock, paper or scissors), two bits each: 0 a tie, 1 the outer player wins,
// 2 it loses. A throw beats the throw one higher (mod 3).
constexpr std::uint32_t kOutcomes = [] {
  std::uint32_t bits = 0;
  for (std::uint32_t outer = 0; outer < 3; ++outer) {
    for (std::uint32_t inner = 0; inner < 3; ++inner) {
      bits |= ((inner + 3 - outer) % 3) << (2 * (outer * 3 + inner));
    }
  }
  return bits;
}();

int outcome(int outerThrow, int innerThrow) {
  return static_cast<int>((kOutcomes >> (2 * (outerThrow * 3 + innerThrow))) & 3);
}

// The throw int(draw * 3) makes of the generator's next draw.
int throwOf3(Random& random) { return Random::throwOf3(random.nextBits()); }

// Draws straight from the generator when the toolkit has one, else through
// the toolkit, whose draws a test may script. Each can be copied into the
// loop over the pairs and back, so that the generator's state stays in
// registers there.
struct FromGenerator {
  Random random;
  double operator()() { return random.next(); }
  int pairOutcome() {
    const int outer = throwOf3(random);
    return outcome(outer, throwOf3(random));
  }
};
struct FromToolkit {
  Toolkit* tk;
  double operator()() { return tk->rnd(); }
  int pairOutcome() {
    const int outer = throwOf3();
    return outcome(outer, throwOf3());
  }
  // A scripted draw outside [0, 1) still makes a throw. It is clamped
  // before it is made whole: one far outside does not fit an int, and one
  // that is no number at all makes rock.
  int throwOf3() {
    const double scaled = tk->rnd() * 3;
    if (!(scaled > 0)) return 0;
    return scaled < 2 ? static_cast<int>(scaled) : 2;
  }
};

// The pairs k from `from` to `to`: outer player 2k meets inner player
// 2k + offset. Every pair throws, whatever its money, so that the draws of
// the later pairs do not depend on who is broke. Each player's samples are
// booked when it plays, whether or not money moves, as a branch on the
// random outcome would mostly be mispredicted.
template <class Draw>
void playPairs(GameState& g, int from, int to, int offset, Draw& source) {
  Draw draw = source;
  std::int16_t* const holdings = g.holdings.data();
  std::int64_t* const sampledto = g.sampledto.data();
  std::array<std::int64_t, 102>& outerBooks = g.booked[0];
  std::array<std::int64_t, 102>& innerBooks = g.booked[1];
  std::int64_t nsamples = g.nsamples;
  int maxlevel = g.maxlevel;
  for (int k = from; k < to; ++k) {
    const int i = 2 * k;
    const int j = i + offset;
    const int li = holdings[i];
    const int lj = holdings[j];
    // A loser pays only from money it has.
    const int ends = draw.pairOutcome();
    const int d = (ends & 1 & static_cast<int>(lj > 0)) - ((ends >> 1) & static_cast<int>(li > 0));

    outerBooks[books::slot(li)] += nsamples - sampledto[i];
    sampledto[i] = nsamples;
    innerBooks[books::slot(lj)] += nsamples - sampledto[j];
    sampledto[j] = nsamples;
    holdings[i] = static_cast<std::int16_t>(li + d);
    holdings[j] = static_cast<std::int16_t>(lj - d);
    // Only a player who moved raises the highest level: one dealt above it
    // who stays does not. Looked at closely only where a player stood at
    // the highest level or above, which soon is almost never.
    const int moved = d & 1;
    if (std::max(li, lj) >= maxlevel) [[unlikely]] {
      const int high = moved != 0 ? std::max(li + d, lj - d) : 0;
      if (high > maxlevel) {
        g.nsamples = nsamples;
        books::raise(g, high);
        maxlevel = g.maxlevel;
      }
    }
    nsamples += moved;
  }
  g.nsamples = nsamples;
  source = draw;
}

// Every pair of the round: outer player i meets inner player i + step, round
// the ring; the counts per level are left to countlevels.
template <class Draw>
void playRingPairs(GameState& g, int step, Draw& draw) {
  const int n = g.nplayers;
  const int pairs = n / 2;
  // The first pair whose inner player is found by going past the end.
  const int wraps = std::clamp((n - step + 1) / 2, 0, pairs);
  playPairs(g, 0, wraps, step, draw);
  playPairs(g, wraps, pairs, step - n, draw);
}

struct Drawn {
  std::int16_t player;
  std::int16_t level;
};

// Draws players until one has a level that `fits`. Nothing when no player
// can fit, so that a game nobody qualifies in never spins the loop; the
// look over every player is made only after a long run of misses, which a
// game with a fitting player almost never has.
template <class Draw, class Fits>
std::optional<Drawn> drawPlayer(const GameState& g, Draw& draw, Fits fits) {
  const int n = g.nplayers;
  const long checkAfter = 8L * n + 64;
  for (long attempt = 0;; ++attempt) {
    if (attempt == checkAfter) {
      bool anyone = false;
      for (int i = 0; i < n && !anyone; ++i) anyone = fits(g.holdings[static_cast<std::size_t>(i)]);
      if (!anyone) return std::nullopt;
    }
    // Made whole only once it is known to name a player (a draw far outside
    // [0, 1) does not fit an int); truncated towards zero, so a draw a
    // little below 0 names player 0.
    const double at = draw() * n;
    if (!(at > -1 && at < n)) continue;
    const int drawn = static_cast<int>(at);
    const std::int16_t level = g.holdings[static_cast<std::size_t>(drawn)];
    if (fits(level)) return Drawn{static_cast<std::int16_t>(drawn), level};
  }
}

template <class Draw>
void playRandomTransfer(GameState& g, Draw& draw) {
  // The whole of the money in units; a real quotient, as the rule compares
  // a whole level with it.
  const double all = static_cast<double>(g.ndollars) / g.units;
  auto receiver = drawPlayer(g, draw, [all](std::int16_t level) { return level != all; });
  if (!receiver) return;
  addmoney(g, receiver->player, receiver->level, 1, kFalse);

  auto giver = drawPlayer(g, draw, [](std::int16_t level) { return level != 0; });
  if (!giver) return;
  addmoney(g, giver->player, giver->level, -1, kTrue);
}

template <class Draw>
void play(GameState& g, Draw& draw) {
  const int n = g.nplayers;
  // Without players there is no pairing to form and nobody to draw; without
  // a unit there is no money to move.
  if (n <= 0 || g.units <= 0 || g.holdings.size() != static_cast<std::size_t>(n)) return;
  if (g.randomexchange != kFalse) {
    playRandomTransfer(g, draw);
    return;
  }
  // An odd count would pair a player with itself in some rounds, and one
  // holding taking both sides of an exchange makes or loses a unit. The
  // reset never deals one; this refuses it once a round, not in the loop.
  if (n % 2 != 0) return;
  // The pairing shift (2c - 1) places back round the ring, that is 1 - 2c
  // modulo n, with c taken modulo n first: 2c does not fit 64 bits at the
  // counter's limit. One division of 64 bits a round, not three.
  const auto c = static_cast<int>(g.round % n);
  const int step = (1 - 2 * c) % n;
  playRingPairs(g, step < 0 ? step + n : step, draw);
}

}  // namespace

void countround(GameState& g) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 62;
  if (g.round < kLimit) ++g.round;
}

void playexchanges(GameState& g, Toolkit& tk) {
  if (Random* random = tk.generator()) {
    FromGenerator draw{*random};
    play(g, draw);
    *random = draw.random;
  } else {
    FromToolkit draw{&tk};
    play(g, draw);
  }
}

}  // namespace ovali
