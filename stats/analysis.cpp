#include "stats/analysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "stats/chart.h"
#include "stats/distribution.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

// The quantum of energy and the scaled constant of the theory, each in the
// precision the report has always used: k is single precision, bit pattern
// 0x3767A49D.
constexpr double kEpsilon = 0.001;
constexpr float kScaled = 1.3807e-5f;

constexpr char kCr = '\r';
constexpr char kTab = '\t';

// Keeps `value` in single precision when it fits; a value that does not fit
// (an overflow, or no number at all) leaves `target` as it was, like every
// other step of the report that cannot be done.
void keepSingle(double value, float& target) {
  if (std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max()) {
    target = static_cast<float>(value);
  }
}

// The exponential distribution for N players holding D / u quanta, taken
// through the temperature so that it rounds the way the report always has.
void theoretical(const GameState& g, Distribution& d) {
  const double n = g.nplayers;
  const double dollars = g.ndollars;
  const double u = g.units;

  double x = 0;
  if (u != 0) {
    const double quanta = dollars / u;
    if (quanta != 0) x = n / quanta + 1;
  }

  float temperature = 0;
  if (x > 0) {
    const double logx = std::log(x);
    if (logx != 0) keepSingle(kEpsilon / logx / static_cast<double>(kScaled), temperature);
  }

  float ratio = 0;
  if (temperature != 0) {
    keepSingle(
        std::exp(-kEpsilon / static_cast<double>(kScaled) / static_cast<double>(temperature)),
        ratio);
  }

  keepSingle((1.0 - static_cast<double>(ratio)) * n, d.theory[0]);
  for (std::size_t i = 1; i < d.theory.size(); ++i) {
    keepSingle(static_cast<double>(ratio) * static_cast<double>(d.theory[i - 1]), d.theory[i]);
  }
}

void averages(const GameState& g, Distribution& d) {
  if (g.nsamples == 0) return;
  const int last = std::min<int>(g.maxlevel, kLastSum);
  for (int i = 0; i <= last; ++i) {
    const auto at = static_cast<std::size_t>(i);
    keepSingle(static_cast<double>(g.sumlevels[at]) / static_cast<double>(g.nsamples),
               d.average[at]);
  }
}

}  // namespace

std::string report(const GameState& g, const Distribution& d) {
  std::string text =
      "On the left are listed the average number of players receiving the indicated amount of "
      "money. On the right are listed the theoretical numbers based on the Ovalin distribution. ";
  text += {kCr, kCr};
  text +=
      "These two sets of numbers are not quite the same for two reasons. First, with such small "
      "numbers the fluctuations are significant. Second, the Ovalin distribution is the \"most "
      "probable\" distribution but not quite the \"average\" distribution.";
  text += {kCr, kCr};
  text += {kCr, kTab};
  text += "avg.";
  text += kTab;
  text += "Ovali.";
  text += {kCr, kCr};
  for (int i = kHighestListed; i >= 0; --i) {
    if (!listed(d, i)) continue;
    const auto at = static_cast<std::size_t>(i);
    text += amount(i, g.units);
    text += kTab;
    text += fmtnum(d.average[at], 1, 6);
    text += kTab;
    text += fmtnum(d.theory[at], 1, 6);
    text += {kTab, kCr};
  }
  text += kCr;
  text += "after " + decimal(g.nsamples) + " exchanges";
  return text;
}

namespace {

// `value` with exactly `decimals` digits after the point and at least one
// before it, a half rounded away from zero. What is rounded is the shortest
// decimal that reads back as the same float, not the binary value: 0.45f,
// shown everywhere as 0.45, rounds up to 0.5 as a reader expects.
std::string fixedHalfAway(float value, int decimals) {
  std::string text = roundedDecimal(shortestDigits(value), decimals, Halves::AwayFromZero);
  if (decimals == 0) text += '.';
  return text;
}

}  // namespace

std::string fmtnum(const float& value, std::int16_t decimals, std::int16_t width) {
  std::string number;
  if (std::isnan(value)) {
    number = "nan";
  } else if (std::isinf(value)) {
    number = value < 0 ? "-inf" : "inf";
  } else {
    number = fixedHalfAway(value, std::max<int>(decimals, 0));
  }
  const auto field = static_cast<std::size_t>(std::max<int>(width, 0));
  if (number.size() >= field) return number.substr(number.size() - field);
  return std::string(field - number.size(), ' ') + number;
}

Distribution distributionOf(const GameState& g) {
  Distribution d;
  theoretical(g, d);
  averages(g, d);
  return d;
}

}  // namespace ovali
