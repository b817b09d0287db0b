// Prints the Explorations lab's figures: what measuring costs a game, how
// the games share the cores, and how long each experiment takes as it is
// started from the window. Not a test: no limits here.

#include <chrono>
#include <cstdio>
#include <thread>

#include "bench/gamealone.h"
#include "lab/experiment.h"
#include "lab/threads.h"

namespace {

using namespace ovali;
using bench::Clock;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Plays every game of `e` on `threads` threads; the seconds it took.
double play(const Experiment& e, int threads) {
  LabRun run(e);
  ThreadWorkers workers(threads);
  const auto start = Clock::now();
  workers.start(e);
  while (!run.finished()) {
    workers.wait(std::chrono::milliseconds(50));
    workers.collect(run);
  }
  return seconds(Clock::now() - start);
}

// Rounds per second of one lab game of the setting, measured as the lab
// measures it, played for about a second.
double labRoundsPerSecond(int players, int total) {
  Experiment e = *makeExperiment("own", Setting{players, total, 1, {}}, Setting{});
  e.plan = {1, 0, 1 << 20, 10, 1};
  std::int64_t rounds = 0;
  const auto start = Clock::now();
  while (Clock::now() - start < std::chrono::seconds(1)) {
    playRepeat(e, 0, 0);
    rounds += e.plan.rounds;
  }
  return static_cast<double>(rounds) / seconds(Clock::now() - start);
}

}  // namespace

int main() {
  for (auto [players, total, text] : {std::tuple{200, 400, "200"}, std::tuple{30, 30, "30"}}) {
    const std::string dollars = std::to_string(total);
    const double alone = bench::bestOfThree(
        [&] { return bench::bareRoundsPerSecond(text, dollars.c_str(), std::chrono::seconds(1)); });
    const double lab = bench::bestOfThree([&] { return labRoundsPerSecond(players, total); });
    std::printf("%d players, $%d: game alone %.0f rounds/s, a lab game %.0f (%.2f of it)\n",
                players, total, alone, lab, lab / alone);
  }
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  Experiment money = *makeExperiment("money", Setting{200, 400, 1, {}}, Setting{});
  money.plan.repeats = 8;
  const double one = bench::bestOfThree([&] { return 1 / play(money, 1); });
  const double two = bench::bestOfThree([&] { return 1 / play(money, 2); });
  std::printf(
      "money at 200 players, 16 games: 1 thread %.2f s, 2 threads %.2f s (%.2f times as fast)\n",
      1 / one, 1 / two, two / one);
  for (std::string_view name : kExperimentNames) {
    const Experiment e = *makeExperiment(name, Setting{}, Setting{60, 60, 1, {}});
    std::printf("%-8s default (%zu games) on %d threads: %.2f s\n", std::string(name).c_str(),
                jobCount(e), cores, play(e, cores));
  }
}
