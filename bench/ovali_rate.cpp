// Prints the rounds per second of the game alone (no window) for a fast run
// of the given size, or with --floor of the draws alone for that many
// players, for the web benchmark to set beside the page's rate.
// Usage: ovali_rate PLAYERS DOLLARS [SECONDS] | ovali_rate --floor PLAYERS [SECONDS]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/gamealone.h"

int main(int argc, char** argv) {
  using ovali::bench::Clock;
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: ovali_rate PLAYERS DOLLARS [SECONDS] | --floor PLAYERS [SECONDS]\n");
    return 2;
  }
  if (std::string(argv[1]) == "--floor") {
    const double seconds = argc > 3 ? std::atof(argv[3]) : 1.0;
    const auto runTime =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    std::printf("%.0f\n", ovali::bench::floorRoundsPerSecond(std::atoi(argv[2]), runTime));
    return 0;
  }
  const double seconds = argc > 3 ? std::atof(argv[3]) : 2.0;
  const auto runTime =
      std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  std::printf("%.0f\n", ovali::bench::bareRoundsPerSecond(argv[1], argv[2], runTime));
  return 0;
}
