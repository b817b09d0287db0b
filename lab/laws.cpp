#include "lab/laws.h"

#include <cmath>

namespace ovali {

namespace {

constexpr double kQuantum = 0.001;
constexpr double kBoltzmann = 1.3807e-5;

}  // namespace

double levelRatio(int players, int quanta) {
  const double total = static_cast<double>(players) + quanta;
  return total > 0 ? quanta / total : 0;
}

std::vector<double> ovalinLaw(int group, int players, int quanta, int levels) {
  const double r = levelRatio(players, quanta);
  std::vector<double> law(levels > 0 ? static_cast<std::size_t>(levels) : 0);
  double at = group * (1 - r);
  for (double& value : law) {
    value = at;
    at *= r;
  }
  return law;
}

std::vector<double> exactLaw(int group, int players, int quanta, int levels) {
  std::vector<double> law(levels > 0 ? static_cast<std::size_t>(levels) : 0);
  if (players < 2 || quanta < 0) return law;
  // p(0) = (N - 1) / (M + N - 1), and p(k + 1) / p(k) = (M - k) / (M - k + N - 2).
  double p = static_cast<double>(players - 1) / (quanta + players - 1);
  for (int k = 0; k < levels && k <= quanta; ++k) {
    law[static_cast<std::size_t>(k)] = group * p;
    if (k < quanta) p *= static_cast<double>(quanta - k) / (quanta - k + players - 2);
  }
  return law;
}

double temperatureOf(int players, double quanta) {
  if (!(quanta > 0) || players <= 0) return 0;
  return kQuantum / std::log(players / quanta + 1) / kBoltzmann;
}

}  // namespace ovali
