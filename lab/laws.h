#pragma once

#include <vector>

namespace ovali {

// The laws of a game of `players` players sharing `quanta` units, for a group
// of `group` of them, at levels 0 to `levels` - 1.

// The fraction r = M / (M + N) from one level to the next of the Ovalin
// distribution.
double levelRatio(int players, int quanta);

// The analysis box's theoretical column at every level: group (1 - r) r^k.
std::vector<double> ovalinLaw(int group, int players, int quanta, int levels);

// The exact average for this finite number of players. In the ring game each
// pair's move and its way back are equally likely, so at equilibrium every
// way of sharing M units among N players is: a player holds k units with
// probability C(M - k + N - 2, N - 2) / C(M + N - 1, N - 1).
std::vector<double> exactLaw(int group, int players, int quanta, int levels);

// The temperature the analysis box works out for players holding `quanta`
// units: epsilon / ln(N / M + 1) / k; 0 for a group without money.
double temperatureOf(int players, double quanta);

}  // namespace ovali
