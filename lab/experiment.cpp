#include "lab/experiment.h"

#include <algorithm>
#include <cmath>

#include "toolkit/text.h"

namespace ovali {

namespace {

Variant variantOf(std::string label, const Setting& s) {
  Corrected c = corrected(s);
  return {std::move(label), c.setting, std::move(c.notes)};
}

// The base with the usual deal: no dealing option; "separate" and "random"
// as they were.
Setting usual(Setting s) {
  s.options[1] = s.options[2] = s.options[3] = false;
  return s;
}

}  // namespace

std::optional<Experiment> makeExperiment(std::string_view name, const Setting& base,
                                         const Setting& versus) {
  Experiment e;
  e.name = std::string(name);
  auto add = [&e](std::string label, const Setting& s) {
    e.variants.push_back(variantOf(std::move(label), s));
  };
  if (name == "money") {
    e.question = "What happens if the amount of money is doubled?";
    Setting twice = base;
    twice.total *= 2;
    add(dollarCaption(base.total), base);
    add(dollarCaption(twice.total), twice);
  } else if (name == "players") {
    e.question =
        "What happens if the number of players is doubled, each player still getting the same "
        "amount of money to start with?";
    Setting twice = base;
    twice.players *= 2;
    twice.total *= 2;
    add(decimal(base.players) + " players", base);
    add(decimal(twice.players) + " players", twice);
  } else if (name == "bills") {
    e.question =
        "What happens if the number of players and total amount of money are kept the same, but "
        "they use $2 bills instead of $1 bills?";
    Setting ones = base, twos = base;
    ones.units = 1;
    twos.units = 2;
    add("$1 bills", ones);
    add("$2 bills", twos);
  } else if (name == "one") {
    e.question = "What happens if all the money is given to one player initially?";
    Setting even = usual(base), one = usual(base);
    one.options[3] = true;
    add("usual deal", even);
    add("all to one", one);
  } else if (name == "rings") {
    e.question =
        "What happens if we consider the inside ring the \"system\" and the outside ring the "
        "\"surroundings\"?";
    e.figure = Figure::Temperature;
    Setting apart = usual(base);
    apart.options[0] = apart.options[1] = true;
    add("inner ring dealt", apart);
  } else if (name == "many") {
    e.question =
        "When there are many particles, is the Ovalin distribution the only observable "
        "distribution at equilibrium?";
    e.figure = Figure::Fluctuation;
    // Five sizes up to 200 players: fewer games each keep the whole as quick
    // as the others, and the fluctuations are still known to 1 %.
    e.plan.repeats = 20;
    // The base's money per player, to the nearest unit, at least one unit.
    const double perPlayer = base.players > 0 ? double(base.quanta()) / base.players : 1.0;
    for (int players : {10, 20, 50, 100, 200}) {
      Setting s = base;
      s.players = players;
      s.total = std::max(1, static_cast<int>(std::lround(players * perPlayer))) * base.units;
      add(decimal(players) + " players", s);
    }
  } else if (name == "own") {
    e.question = "What happens with my own setting?";
    add("base", base);
    add("yours", versus);
  } else {
    return std::nullopt;
  }
  return e;
}

}  // namespace ovali
