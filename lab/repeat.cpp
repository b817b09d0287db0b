#include "lab/repeat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/rounds.h"
#include "lab/laws.h"
#include "toolkit/toolkit.h"

namespace ovali {

namespace {

// The one service the rounds ask of a lab game: its own generator. Nothing
// else is ever called.
class LabToolkit final : public Toolkit {
 public:
  explicit LabToolkit(std::uint64_t seed) : random_(seed) {}
  void msgbox(std::string_view) override {}
  void doevents() override {}
  void waitevents(double) override {}
  void beep() override {}
  double timer() override { return 0; }
  void randomize() override {}
  double rnd() override { return random_.next(); }
  Random* generator() override { return &random_; }
  [[noreturn]] void end() override { std::abort(); }

 private:
  Random random_;
};

std::uint64_t mix(std::uint64_t z) {
  z += 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// The players per level of each group at one moment, counted from the
// holdings, with what the measures need of them.
class Ladder {
 public:
  Ladder(int players, int quanta, bool apart)
      : apart_(apart),
        counts_(apart ? 2 : 1),
        whole_(apart ? static_cast<std::size_t>(quanta) + 1 : 0, 0),
        cLogC_(static_cast<std::size_t>(players) + 1, 0.0) {
    for (auto& c : counts_) c.assign(static_cast<std::size_t>(quanta) + 1, 0);
    for (std::size_t c = 2; c < cLogC_.size(); ++c) {
      cLogC_[c] = static_cast<double>(c) * std::log(static_cast<double>(c));
    }
  }

  void count(const std::vector<std::int16_t>& holdings) {
    for (auto& c : counts_) std::fill_n(c.begin(), top_ + 1, 0);
    if (apart_) std::fill_n(whole_.begin(), top_ + 1, 0);
    // The rounds keep every holding from 0 to all the money; anything else
    // is counted at the top, never outside the counts.
    const auto last = static_cast<unsigned>(counts_[0].size() - 1);
    unsigned top = 0;
    if (!apart_) {
      for (const std::int16_t h : holdings) {
        const unsigned level = std::min(static_cast<unsigned>(h), last);
        ++counts_[0][level];
        top = std::max(top, level);
      }
    } else {
      for (std::size_t i = 0; i < holdings.size(); ++i) {
        const unsigned level = std::min(static_cast<unsigned>(holdings[i]), last);
        ++counts_[i % 2 == 0 ? 1 : 0][level];
        ++whole_[level];
        top = std::max(top, level);
      }
    }
    top_ = static_cast<int>(top);
  }

  int top() const { return top_; }
  std::size_t groups() const { return counts_.size(); }
  const std::vector<int>& group(std::size_t g) const { return counts_[g]; }
  // Every player together.
  const std::vector<int>& whole() const { return apart_ ? whole_ : counts_[0]; }

  // The Gini coefficient of the money of the players counted in `c`.
  double gini(const std::vector<int>& c) const {
    double players = 0, units = 0, below = 0, weighted = 0;
    for (int k = 0; k <= top_; ++k) {
      const double n = c[static_cast<std::size_t>(k)];
      players += n;
      units += n * k;
    }
    if (units == 0) return 0;
    for (int k = 0; k <= top_; ++k) {
      const double n = c[static_cast<std::size_t>(k)];
      weighted += k * n * (2 * below + n - players);
      below += n;
    }
    return weighted / (players * units);
  }

  // The entropy of the players over the levels, in nats: ln n - sum c ln c / n.
  double entropy(const std::vector<int>& c) const {
    int players = 0;
    double sum = 0;
    for (int k = 0; k <= top_; ++k) {
      const int n = c[static_cast<std::size_t>(k)];
      players += n;
      sum += cLogC_[static_cast<std::size_t>(n)];
    }
    if (players == 0) return 0;
    return std::max(0.0, std::log(static_cast<double>(players)) - sum / players);
  }

 private:
  bool apart_;
  std::vector<std::vector<int>> counts_;
  std::vector<int> whole_;
  std::vector<double> cLogC_;
  int top_ = 0;
};

// Each group's temperature from its players' money.
void recordTemperatures(const GameState& g, bool apart, RepeatResult& r) {
  double money[2] = {0, 0};
  int players[2] = {0, 0};
  for (std::size_t i = 0; i < g.holdings.size(); ++i) {
    const std::size_t group = apart && i % 2 == 0 ? 1 : 0;
    money[group] += g.holdings[i];
    ++players[group];
  }
  for (std::size_t group = 0; group < r.temperature.size(); ++group) {
    r.temperature[group].push_back(temperatureOf(players[group], money[group]));
  }
}

}  // namespace

std::vector<std::int64_t> traceRounds(const Plan& plan) {
  const std::int64_t last =
      std::max<std::int64_t>(0, plan.warmup) + std::max<std::int64_t>(0, plan.rounds);
  std::vector<std::int64_t> rounds{0};
  for (int step = 0;; ++step) {
    const auto round = static_cast<std::int64_t>(std::floor(std::pow(10.0, step / 10.0)));
    if (round > last) break;
    if (round > rounds.back()) rounds.push_back(round);
  }
  if (rounds.back() != last) rounds.push_back(last);
  return rounds;
}

std::uint64_t repeatSeed(std::uint64_t seed, std::size_t variant, int repeat) {
  return mix(mix(mix(seed) ^ variant) ^ static_cast<std::uint64_t>(repeat));
}

RepeatResult playRepeat(const Experiment& e, std::size_t variant, int repeat,
                        const std::atomic<bool>* stop) {
  const Setting& s = e.variants[variant].setting;
  const Plan& plan = e.plan;
  const std::int64_t warmup = std::max<std::int64_t>(0, plan.warmup);
  const std::int64_t last = warmup + std::max<std::int64_t>(0, plan.rounds);
  const std::int64_t every = std::max(1, plan.every);

  LabToolkit tk(repeatSeed(plan.seed, variant, repeat));
  GameState g;
  dealSetting(g, s);
  const bool apart = s.separate();
  Ladder ladder(s.players, s.quanta(), apart);
  const std::size_t groups = ladder.groups();
  const std::size_t levels = static_cast<std::size_t>(s.quanta()) + 1;

  RepeatResult r;
  r.average.assign(groups, std::vector<double>(levels, 0.0));
  r.gini.assign(groups, 0.0);
  r.entropy.assign(groups, 0.0);
  r.money.assign(groups, 0.0);
  r.temperature.assign(groups, {});
  std::vector<double> squares(levels, 0.0);
  std::vector<float> giniTrace;  // of every player, at each multiple of `every`
  // Reserved for a usual game only: a game asked for far more rounds grows it
  // as it goes, and may well be stopped long before.
  giniTrace.reserve(static_cast<std::size_t>(std::min<std::int64_t>(last / every, 1 << 20)) + 1);
  std::int64_t measured = 0;
  int highest = 0;

  const std::vector<std::int64_t> trace = traceRounds(plan);
  std::size_t nextTrace = 0;
  for (;;) {
    const std::int64_t round = g.round;
    if (nextTrace < trace.size() && round == trace[nextTrace]) {
      recordTemperatures(g, apart, r);
      ++nextTrace;
    }
    if (round % every == 0) {
      ladder.count(g.holdings);
      giniTrace.push_back(static_cast<float>(ladder.gini(ladder.whole())));
      if (round > warmup) {
        ++measured;
        highest = std::max(highest, ladder.top());
        for (std::size_t group = 0; group < groups; ++group) {
          const std::vector<int>& c = ladder.group(group);
          for (int k = 0; k <= ladder.top(); ++k) {
            r.average[group][static_cast<std::size_t>(k)] += c[static_cast<std::size_t>(k)];
          }
          r.gini[group] += ladder.gini(c);
          r.entropy[group] += ladder.entropy(c);
        }
        for (int k = 0; k <= ladder.top(); ++k) {
          const double n = ladder.whole()[static_cast<std::size_t>(k)];
          squares[static_cast<std::size_t>(k)] += n * n;
        }
      }
    }
    if (round >= last) break;
    if ((round & 4095) == 0 && stop && stop->load(std::memory_order_relaxed)) {
      r.stopped = true;
      return r;
    }
    countround(g);
    playexchanges(g, tk);
  }

  if (measured > 0) {
    double variance = 0;
    const auto n = static_cast<double>(measured);
    for (std::size_t group = 0; group < groups; ++group) {
      for (std::size_t k = 0; k < r.average[group].size(); ++k) {
        r.average[group][k] /= n;
        r.money[group] += static_cast<double>(k) * r.average[group][k];
      }
      r.gini[group] /= n;
      r.entropy[group] /= n;
    }
    for (int k = 0; k <= highest; ++k) {
      const auto at = static_cast<std::size_t>(k);
      double mean = 0;
      for (std::size_t group = 0; group < groups; ++group) mean += r.average[group][at];
      variance += std::max(0.0, squares[at] / n - mean * mean);
    }
    r.fluctuation = s.players > 0 ? std::sqrt(variance) / s.players : 0;

    double equilibrium = 0;
    const std::size_t first = static_cast<std::size_t>(warmup / every) + 1;
    for (std::size_t i = first; i < giniTrace.size(); ++i) equilibrium += giniTrace[i];
    equilibrium /= static_cast<double>(giniTrace.size() - std::min(first, giniTrace.size()));
    for (std::size_t i = 0; i < giniTrace.size(); ++i) {
      if (std::fabs(giniTrace[i] - equilibrium) <= 0.05 * equilibrium) {
        r.approach = static_cast<std::int64_t>(i) * every;
        break;
      }
    }
  }
  // Levels above the highest measured hold nobody: they are not kept.
  for (auto& a : r.average) a.resize(static_cast<std::size_t>(highest) + 1);
  return r;
}

}  // namespace ovali
