#include "lab/results.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "lab/laws.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr std::array<double, 30> kT975{12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306,
                                       2.262,  2.228, 2.201, 2.179, 2.160, 2.145, 2.131, 2.120,
                                       2.110,  2.101, 2.093, 2.086, 2.080, 2.074, 2.069, 2.064,
                                       2.060,  2.056, 2.052, 2.048, 2.045, 2.042};

// The fraction r of a geometric law fitted to a game's averages: ln(average)
// against the level by least squares, each level weighted by its players,
// over the levels with at least half a player.
double fittedFraction(const std::vector<double>& average) {
  double w = 0, wx = 0, wy = 0, wxx = 0, wxy = 0;
  int used = 0;
  for (std::size_t k = 0; k < average.size(); ++k) {
    const double n = average[k];
    if (!(n >= 0.5)) continue;
    const double x = static_cast<double>(k), y = std::log(n);
    w += n;
    wx += n * x;
    wy += n * y;
    wxx += n * x * x;
    wxy += n * x * y;
    ++used;
  }
  const double spread = w * wxx - wx * wx;
  if (used < 2 || !(spread > 0)) return NAN;
  return std::exp((w * wxy - wx * wy) / spread);
}

std::string fixed(double value, int decimals) { return fixedDecimal(value, decimals); }

// "15.1 ± 0.2", or the mean alone where there is no interval or it is
// narrower than the last digit shown.
std::string withInterval(const Estimate& e, int decimals) {
  std::string text = fixed(e.mean, decimals);
  const std::string half = fixed(e.half, decimals);
  if (e.hasInterval() && half.find_first_not_of("0.") != std::string::npos) {
    text += " \u00B1 " + half;
  }
  return text;
}

// Whether two estimates differ by more than four standard errors of their
// difference.
bool differ(const Estimate& a, const Estimate& b) {
  if (!a.hasInterval() || !b.hasInterval()) return a.mean != b.mean;
  return std::fabs(a.mean - b.mean) > 4 * std::hypot(a.error, b.error);
}

std::string movedFrom(const Estimate& a, const Estimate& b, const char* up, const char* down,
                      int decimals) {
  if (!differ(a, b)) {
    return "stayed at " + withInterval(a, decimals) + " and " + withInterval(b, decimals);
  }
  return std::string(b.mean > a.mean ? up : down) + " from " + withInterval(a, decimals) + " to " +
         withInterval(b, decimals);
}

std::string cell(const Estimate& e, int decimals, bool interval) {
  if (e.count == 0) return {};
  if (!interval) return fixed(e.mean, decimals);
  return e.hasInterval() ? fixed(e.low(), decimals) + "\t" + fixed(e.high(), decimals) : "\t";
}

std::string cells(const Estimate& e, int decimals) {
  return cell(e, decimals, false) + "\t" + (e.count == 0 ? "\t" : cell(e, decimals, true));
}

std::string settingCells(const Variant& v, const GroupResult& g) {
  return v.label + "\t" + g.ring + "\t" + decimal(v.setting.players) + "\t" +
         decimal(v.setting.total) + "\t" + decimal(v.setting.units);
}

const GroupResult* firstGroup(const LabResults& r, std::size_t variant) {
  if (variant >= r.variants.size() || r.variants[variant].groups.empty()) return nullptr;
  return &r.variants[variant].groups.front();
}

std::string distributionSentence(const Experiment& e, const LabResults& r) {
  const GroupResult* a = firstGroup(r, 0);
  const GroupResult* b = firstGroup(r, 1);
  if (!a || !b) return {};
  const Setting& s = e.variants[0].setting;
  const Setting& t = e.variants[1].setting;
  std::string lead;
  bool shares = false;
  if (e.name == "money") {
    lead = "Doubling the money from " + dollarCaption(s.total) + " to " + dollarCaption(t.total);
  } else if (e.name == "players") {
    lead = "Doubling the players from " + decimal(s.players) + " to " + decimal(t.players) +
           ", each still starting with the same money";
    shares = true;
  } else if (e.name == "bills") {
    lead = "Trading " + dollarCaption(t.units) + " bills instead of " + dollarCaption(s.units) +
           " bills, " + dollarCaption(s.total) + " among " + decimal(s.players) + " players";
  } else {
    lead = "From " + describe(s) + " to " + describe(t);
    shares = s.players != t.players;
  }
  const VariantResult& va = r.variants[0];
  const VariantResult& vb = r.variants[1];
  std::string fraction = "the fraction from one amount to the next " +
                         movedFrom(a->fraction, b->fraction, "rose", "fell", 2) + " (in theory " +
                         fixed(va.ratio, 2) + " and " + fixed(vb.ratio, 2) + ")";
  std::string broke;
  if (shares) {
    auto share = [](const GroupResult& g) {
      Estimate e = g.broke;
      const double scale = g.players > 0 ? 100.0 / g.players : 0;
      e.mean *= scale;
      e.error *= scale;
      e.half *= scale;
      return e;
    };
    broke =
        "the share of players broke " + movedFrom(share(*a), share(*b), "rose", "fell", 1) + " %";
  } else {
    broke = "players broke " + movedFrom(a->broke, b->broke, "rose", "fell", 1);
  }
  return lead + ": " + fraction + "; " + broke + ".";
}

std::string oneSentence(const LabResults& r) {
  const GroupResult* a = firstGroup(r, 0);
  const GroupResult* b = firstGroup(r, 1);
  if (!a || !b) return {};
  const bool same = !differ(a->broke, b->broke) && !differ(a->gini, b->gini);
  std::string text = "Giving all the money to one player: ";
  text += same ? "the same equilibrium as the usual deal, "
               : "another equilibrium than the usual deal, ";
  text += "players broke " + withInterval(b->broke, 1) + " against " + withInterval(a->broke, 1) +
          ", Gini " + fixed(b->gini.mean, 2) + " against " + fixed(a->gini.mean, 2);
  const Estimate& slow = r.variants[1].approach;
  const Estimate& fast = r.variants[0].approach;
  if (slow.count > 0 && fast.count > 0) {
    text += "; it takes " + groupedDecimal(std::llround(slow.mean)) +
            " rounds to come within 5 % of it instead of " +
            groupedDecimal(std::llround(fast.mean));
  }
  return text + ".";
}

std::string temperatureSentence(const LabResults& r) {
  if (r.variants.empty() || r.variants[0].groups.size() < 2) return {};
  const GroupResult& inner = r.variants[0].groups[0];
  const GroupResult& outer = r.variants[0].groups[1];
  if (inner.temperature.empty() || outer.temperature.empty()) return {};
  const Estimate& innerEnd = inner.equilibriumTemperature;
  const Estimate& outerEnd = outer.equilibriumTemperature;
  std::string text = "With the money dealt to the inner ring only, its temperature fell from " +
                     fixed(inner.temperature.front().mean, 0) + " at the deal to " +
                     withInterval(innerEnd, 1) + " and the outer ring's rose from " +
                     fixed(outer.temperature.front().mean, 0) + " to " + withInterval(outerEnd, 1);
  text += differ(innerEnd, outerEnd) ? ": the rings have not yet come to one temperature."
                                     : ": system and surroundings end at one temperature.";
  return text;
}

std::string fluctuationSentence(const Experiment& e, const LabResults& r) {
  if (r.variants.size() < 2) return {};
  const VariantResult& a = r.variants.front();
  const VariantResult& b = r.variants.back();
  if (a.fluctuation.count == 0 || b.fluctuation.count == 0) return {};
  const Setting& s = e.variants.front().setting;
  const Setting& t = e.variants.back().setting;
  const double times = b.fluctuation.mean > 0 ? a.fluctuation.mean / b.fluctuation.mean : 0;
  const double players = s.players > 0 ? double(t.players) / s.players : 0;
  return "From " + decimal(s.players) + " to " + decimal(t.players) +
         " players with the same money each, the ladder's fluctuations " +
         movedFrom(a.fluctuation, b.fluctuation, "grew", "shrank", 3) +
         " of the players: " + fixed(times, 1) + " times smaller for " + plainDecimal(players) +
         " times as many players, as 1/\u221AN predicts (\u221A" + plainDecimal(players) + " = " +
         fixed(std::sqrt(players), 1) +
         "); the more players, the closer every game stays to one distribution.";
}

}  // namespace

double studentT975(int df) {
  if (df < 1) return NAN;
  if (df <= static_cast<int>(kT975.size())) return kT975[static_cast<std::size_t>(df - 1)];
  // Cornish-Fisher, within 0.001 of the table's value from 30 degrees on.
  const double z = 1.959963984540054, v = df;
  const double z3 = z * z * z, z5 = z3 * z * z, z7 = z5 * z * z;
  return z + (z3 + z) / (4 * v) + (5 * z5 + 16 * z3 + 3 * z) / (96 * v * v) +
         (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * v * v * v);
}

Estimate estimate(const std::vector<double>& values) {
  Estimate e;
  e.count = static_cast<int>(values.size());
  if (values.empty()) return e;
  for (double v : values) e.mean += v;
  e.mean /= e.count;
  if (e.count < 2) return e;
  double squares = 0;
  for (double v : values) squares += (v - e.mean) * (v - e.mean);
  e.error = std::sqrt(squares / (e.count - 1) / e.count);
  e.half = studentT975(e.count - 1) * e.error;
  return e;
}

std::size_t jobCount(const Experiment& e) {
  return e.variants.size() * static_cast<std::size_t>(std::max(0, e.plan.repeats));
}

std::size_t variantOfJob(const Experiment& e, std::size_t job) { return job % e.variants.size(); }

int repeatOfJob(const Experiment& e, std::size_t job) {
  return static_cast<int>(job / e.variants.size());
}

LabResults combine(const Experiment& e, const std::vector<const RepeatResult*>& byJob) {
  LabResults out;
  out.traceRounds = traceRounds(e.plan);
  out.total = static_cast<int>(jobCount(e));
  const std::size_t variants = e.variants.size();
  for (std::size_t v = 0; v < variants; ++v) {
    const Variant& variant = e.variants[v];
    const Setting& s = variant.setting;
    std::vector<const RepeatResult*> games;
    for (std::size_t job = v; job < byJob.size() && job < jobCount(e); job += variants) {
      if (byJob[job] && !byJob[job]->stopped) games.push_back(byJob[job]);
    }
    VariantResult vr;
    vr.repeats = static_cast<int>(games.size());
    out.done += vr.repeats;
    vr.ratio = levelRatio(s.players, s.quanta());
    vr.fluctuationLaw = s.players > 0 ? std::sqrt(2 * vr.ratio / (1 + vr.ratio) / s.players) : 0;
    for (const std::string& n : variant.notes) vr.note += (vr.note.empty() ? "" : " ") + n;
    if (s.random()) {
      vr.note += std::string(vr.note.empty() ? "" : " ") +
                 "No exact law: in a random exchange the giver is drawn among the players "
                 "with money, so a move and its way back are not equally likely.";
    }
    const std::size_t groups = s.separate() ? 2 : 1;
    std::size_t levels = 0;
    for (const RepeatResult* g : games) {
      for (const auto& a : g->average) levels = std::max(levels, a.size());
    }
    auto collect = [&games](auto pick) {
      std::vector<double> values;
      for (const RepeatResult* g : games) {
        const double value = pick(*g);
        if (std::isfinite(value)) values.push_back(value);
      }
      return estimate(values);
    };
    for (std::size_t group = 0; group < groups; ++group) {
      GroupResult gr;
      gr.ring = groups == 1 ? "all" : group == 0 ? "inner" : "outer";
      gr.players = groups == 1 ? s.players : s.players / 2;
      const int count = static_cast<int>(levels);
      gr.ovalin = ovalinLaw(gr.players, s.players, s.quanta(), count);
      if (!s.random()) gr.exact = exactLaw(gr.players, s.players, s.quanta(), count);
      for (std::size_t k = 0; k < levels; ++k) {
        gr.average.push_back(collect([&](const RepeatResult& g) {
          const auto& a = g.average[group];
          return k < a.size() ? a[k] : 0.0;
        }));
      }
      gr.fraction =
          collect([&](const RepeatResult& g) { return fittedFraction(g.average[group]); });
      gr.broke = collect([&](const RepeatResult& g) {
        return g.average[group].empty() ? 0.0 : g.average[group][0];
      });
      gr.gini = collect([&](const RepeatResult& g) { return g.gini[group]; });
      gr.entropy = collect([&](const RepeatResult& g) { return g.entropy[group]; });
      gr.equilibriumTemperature =
          collect([&](const RepeatResult& g) { return temperatureOf(gr.players, g.money[group]); });
      for (std::size_t t = 0; t < out.traceRounds.size(); ++t) {
        gr.temperature.push_back(collect([&](const RepeatResult& g) {
          const auto& trace = g.temperature[group];
          return t < trace.size() ? trace[t] : NAN;
        }));
      }
      vr.groups.push_back(std::move(gr));
    }
    vr.approach = collect([](const RepeatResult& g) {
      return g.approach >= 0 ? static_cast<double>(g.approach) : NAN;
    });
    vr.fluctuation = collect([](const RepeatResult& g) { return g.fluctuation; });
    out.variants.push_back(std::move(vr));
  }
  return out;
}

std::string labTable(const Experiment& e, const LabResults& r) {
  std::string text =
      "variant\tring\tplayers\ttotal\tunits\tamount\taverage\tlow\thigh\tovalin\texact\n";
  for (std::size_t v = 0; v < r.variants.size(); ++v) {
    const Variant& variant = e.variants[v];
    for (const GroupResult& g : r.variants[v].groups) {
      for (std::size_t k = 0; k < g.average.size(); ++k) {
        text += settingCells(variant, g) + "\t" +
                decimal(static_cast<std::int64_t>(k) * variant.setting.units) + "\t" +
                cells(g.average[k], 4) + "\t" + fixed(g.ovalin[k], 4) + "\t" +
                (k < g.exact.size() ? fixed(g.exact[k], 4) : "") + "\n";
      }
    }
  }
  const Plan& p = e.plan;
  text +=
      "\nvariant\tring\tplayers\ttotal\tunits\toptions\trepeats\twarmup\trounds\tevery\tseed\t"
      "fraction\tfraction_low\tfraction_high\tr\tbroke\tbroke_low\tbroke_high\tgini\tgini_low\t"
      "gini_high\tentropy\tentropy_low\tentropy_high\tapproach\tapproach_low\tapproach_high\t"
      "fluctuation\tfluctuation_low\tfluctuation_high\tsqrt_law\ttemperature\ttemperature_low\t"
      "temperature_high\tnote\n";
  for (std::size_t v = 0; v < r.variants.size(); ++v) {
    const VariantResult& vr = r.variants[v];
    const Variant& variant = e.variants[v];
    for (const GroupResult& g : vr.groups) {
      text += settingCells(variant, g) + "\t" + optionList(variant.setting) + "\t" +
              decimal(vr.repeats) + "\t" + decimal(p.warmup) + "\t" + decimal(p.rounds) + "\t" +
              decimal(p.every) + "\t" + std::to_string(p.seed) + "\t" + cells(g.fraction, 4) +
              "\t" + fixed(vr.ratio, 4) + "\t" + cells(g.broke, 4) + "\t" + cells(g.gini, 4) +
              "\t" + cells(g.entropy, 4) + "\t" + cells(vr.approach, 0) + "\t" +
              cells(vr.fluctuation, 5) + "\t" + fixed(vr.fluctuationLaw, 5) + "\t" +
              cells(g.equilibriumTemperature, 2) + "\t" + vr.note + "\n";
    }
  }
  if (e.figure == Figure::Temperature) {
    text += "\nvariant\tring\tround\ttemperature\tlow\thigh\n";
    for (std::size_t v = 0; v < r.variants.size(); ++v) {
      for (const GroupResult& g : r.variants[v].groups) {
        for (std::size_t t = 0; t < g.temperature.size() && t < r.traceRounds.size(); ++t) {
          text += e.variants[v].label + "\t" + g.ring + "\t" + decimal(r.traceRounds[t]) + "\t" +
                  cells(g.temperature[t], 2) + "\n";
        }
      }
    }
  }
  return text;
}

std::string labSentence(const Experiment& e, const LabResults& r) {
  if (r.done == 0) return "No game has been played to the end yet.";
  switch (e.figure) {
    case Figure::Temperature:
      return temperatureSentence(r);
    case Figure::Fluctuation:
      return fluctuationSentence(e, r);
    case Figure::Distribution:
      break;
  }
  return e.name == "one" ? oneSentence(r) : distributionSentence(e, r);
}

}  // namespace ovali
