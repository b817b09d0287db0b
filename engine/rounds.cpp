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

// The throw int(draw * 3) makes of a draw of the generator, in integers:
// with u the 53 bits that next() scales, the double product rounds 3u to 53
// bits, which moves it across a multiple of 2^53 only at the one tie
// 3u = 2^54 - 1 (up, to 2).
int throwOf3(Random& random) {
  const std::uint64_t u = random.nextBits() >> 11;
  return static_cast<int>((3 * u + 1) >> 53);
}

// Draws straight from the generator when the toolkit has one, else through
// the toolkit, whose draws a test may script. The generator throws for many
// pairs ahead, in a loop of its own that holds nothing else; the draws come
// in the same order, as every pair throws whatever its money. The toolkit
// throws for one pair at a time, so that its draws and the books interleave
// as the rules play them.
struct FromGenerator {
  static constexpr int kPairsAhead = 128;
  Random& random;
  double operator()() { return random.next(); }
  // The outcomes of the throws of `count` pairs.
  void throwPairs(std::uint8_t* outcomes, int count) {
    Random local = random;
    for (int k = 0; k < count; ++k) {
      const int outer = throwOf3(local);
      outcomes[k] = static_cast<std::uint8_t>(outcome(outer, throwOf3(local)));
    }
    random = local;
  }
};
struct FromToolkit {
  static constexpr int kPairsAhead = 1;
  Toolkit& tk;
  double operator()() { return tk.rnd(); }
  void throwPairs(std::uint8_t* outcomes, int count) {
    for (int k = 0; k < count; ++k) {
      const int outer = throwOf3();
      outcomes[k] = static_cast<std::uint8_t>(outcome(outer, throwOf3()));
    }
  }
  // A scripted draw outside [0, 1) still makes a throw.
  int throwOf3() { return std::clamp(static_cast<int>(tk.rnd() * 3), 0, 2); }
};

// The pairs k from `from` to `to` (outer player 2k, inner player 2k +
// offset) with their outcomes. Each player's samples are booked when it
// plays, whether or not money moves, as a branch on the random outcome would
// mostly be mispredicted.
void playPairs(GameState& g, int from, int to, int offset, const std::uint8_t* outcomes) {
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
    const int ends = outcomes[k - from];
    const int d = (ends & 1 & static_cast<int>(lj > 0)) - ((ends >> 1) & static_cast<int>(li > 0));

    outerBooks[books::slot(li)] += nsamples - sampledto[i];
    sampledto[i] = nsamples;
    innerBooks[books::slot(lj)] += nsamples - sampledto[j];
    sampledto[j] = nsamples;
    holdings[i] = static_cast<std::int16_t>(li + d);
    holdings[j] = static_cast<std::int16_t>(lj - d);
    // Only a player who moved raises the highest level: one dealt above it
    // who stays does not. In bits, not branches: d & 1 is 1 for -1 and 1.
    const int moved = d & 1;
    const int high = std::max(li + d, lj - d) & -moved;
    if (high > maxlevel) {
      g.nsamples = nsamples;
      books::raise(g, high);
      maxlevel = g.maxlevel;
    }
    nsamples += moved;
  }
  g.nsamples = nsamples;
}

// Every pair of the round: outer player i meets inner player i + step, round
// the ring; the counts per level are left to countlevels.
template <class Draw>
void playRingPairs(GameState& g, int step, Draw draw) {
  const int n = g.nplayers;
  const int pairs = n / 2;
  // The first pair whose inner player is found by going past the end.
  const int wraps = std::clamp((n - step + 1) / 2, 0, pairs);
  std::array<std::uint8_t, Draw::kPairsAhead> outcomes;
  for (int first = 0; first < pairs; first += Draw::kPairsAhead) {
    const int end = std::min(first + Draw::kPairsAhead, pairs);
    draw.throwPairs(outcomes.data(), end - first);
    const int middle = std::clamp(wraps, first, end);
    playPairs(g, first, middle, step, outcomes.data());
    playPairs(g, middle, end, step - n, outcomes.data() + (middle - first));
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
    const int drawn = static_cast<int>(draw() * n);
    if (drawn < 0 || drawn >= n) continue;
    const std::int16_t level = g.holdings[static_cast<std::size_t>(drawn)];
    if (fits(level)) return Drawn{static_cast<std::int16_t>(drawn), level};
  }
}

template <class Draw>
void playRandomTransfer(GameState& g, Draw draw) {
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
void play(GameState& g, Draw draw) {
  const int n = g.nplayers;
  // Without players there is no pairing to form and nobody to draw; without
  // a unit there is no money to move.
  if (n <= 0 || g.units <= 0 || g.holdings.size() != static_cast<std::size_t>(n)) return;
  if (g.randomexchange != kFalse) {
    playRandomTransfer(g, draw);
    return;
  }
  // The pairing shift (2c - 1) places back round the ring, taken modulo n
  // before doubling: 2c does not fit 64 bits at the counter's limit.
  const std::int64_t shift = n - (2 * (g.round % n) - 1) % n;
  playRingPairs(g, static_cast<int>((shift % n + n) % n), draw);
}

}  // namespace

void countround(GameState& g) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 62;
  if (g.round < kLimit) ++g.round;
}

void playexchanges(GameState& g, Toolkit& tk) {
  if (Random* random = tk.generator()) {
    // A copy for the round, so that its state stays in registers.
    Random local = *random;
    play(g, FromGenerator{local});
    *random = local;
  } else {
    play(g, FromToolkit{tk});
  }
}

}  // namespace ovali
