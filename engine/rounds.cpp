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

enum class Loser : std::uint8_t { None, Outer, Inner };

// By outer throw * 3 + inner throw.
constexpr std::array<Loser, 9> kLoser{
    Loser::None,  Loser::Inner, Loser::Outer,  // outer 0
    Loser::Outer, Loser::None,  Loser::Inner,  // outer 1
    Loser::Inner, Loser::Outer, Loser::None,   // outer 2
};

// Draws straight from the generator when the toolkit has one, else through
// the toolkit, whose draws a test may script.
struct FromGenerator {
  Random& random;
  double operator()() { return random.next(); }
};
struct FromToolkit {
  Toolkit& tk;
  double operator()() { return tk.rnd(); }
};

// The books of the ring pairs held in locals for the length of a round, so
// that they stay in registers: the same steps as books::move.
class RoundBooks {
 public:
  explicit RoundBooks(GameState& g)
      : g_(g),
        levels_(g.levels.data()),
        outer_(g.outerlevels.data()),
        holdings_(g.holdings.data()),
        sampledto_(g.sampledto.data()),
        sums_(g.sumlevels.data()),
        since_(g.levelsince.data()),
        nsamples_(g.nsamples),
        maxlevel_(g.maxlevel),
        last_(static_cast<int>(g.levels.size()) - 1),
        top_(books::sampledTop(g)) {}
  ~RoundBooks() {
    g_.nsamples = nsamples_;
    g_.maxlevel = static_cast<std::int16_t>(maxlevel_);
  }
  RoundBooks(const RoundBooks&) = delete;
  RoundBooks& operator=(const RoundBooks&) = delete;

  std::int16_t* levels() { return levels_; }
  std::int16_t* outer() { return outer_; }
  int holding(int player) const { return holdings_[player]; }

  // Books a player's samples and moves it by `delta`, 0 included: a player
  // who stays has its samples booked early, which changes no sum. Without
  // branches, as whether money moves is random.
  void move(std::int16_t* counts, int player, int level, int delta) {
    const int to = level + delta;
    const int at = level < 100 ? level : 100;
    const std::int64_t from = std::max(sampledto_[player], since_[at]);
    sums_[at] += level <= top_ ? nsamples_ - from : 0;
    sampledto_[player] = nsamples_;
    --counts[level];
    ++counts[to];
    holdings_[player] = static_cast<std::int16_t>(to);
    // Only a player who moved raises the highest level: one dealt above it
    // who stays does not.
    if (to > maxlevel_ && delta != 0) raise(to);
  }
  void sample(bool taken) { nsamples_ += taken ? 1 : 0; }

 private:
  void raise(int to) {
    for (int k = maxlevel_ + 1; k <= to && k <= 100 && k <= last_; ++k) since_[k] = nsamples_;
    maxlevel_ = to;
    top_ = std::min({maxlevel_, 100, last_});
  }

  GameState& g_;
  std::int16_t* levels_;
  std::int16_t* outer_;
  std::int16_t* holdings_;
  std::int64_t* sampledto_;
  std::int64_t* sums_;
  std::int64_t* since_;
  std::int64_t nsamples_;
  int maxlevel_;
  int last_;
  int top_;
};

// Every pair of the round: outer player i meets inner player i + step.
template <class Draw>
void playRingPairs(GameState& g, int step, Draw draw) {
  const int n = g.nplayers;
  RoundBooks books(g);
  // In ring mode the outer player is always even: its counts are the outer
  // ring's while the surroundings are counted apart.
  std::int16_t* outerCounts = g.separate != kFalse ? books.outer() : books.levels();
  std::int16_t* innerCounts = books.levels();
  for (int i = 0; i <= n - 2; i += 2) {
    int j = i + step;
    if (j >= n) j -= n;
    const int li = books.holding(i);
    const int lj = books.holding(j);
    // 0, 1 or 2: rock, paper or scissors. Every pair throws, whatever its
    // money, so that the draws of the later pairs do not depend on who is broke.
    const auto t1 = static_cast<int>(draw() * 3);
    const auto t2 = static_cast<int>(draw() * 3);

    // A throw beats the throw one higher (mod 3); a loser pays only from
    // money it has. Looked up rather than branched on: the throws are random,
    // so branches on them would mostly be mispredicted.
    const Loser loser = kLoser[static_cast<std::size_t>(t1 * 3 + t2)];
    const int d = static_cast<int>((loser == Loser::Inner) & (lj > 0)) -
                  static_cast<int>((loser == Loser::Outer) & (li > 0));
    books.move(outerCounts, i, li, d);
    books.move(innerCounts, j, lj, -d);
    books.sample(d != 0);
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
