#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/setting.h"

namespace ovali {

// One setting of an experiment, played as many independent games.
struct Variant {
  std::string label;  // "$60", "60 players"
  Setting setting;    // as the game plays it, corrected
  // What the correction changed, in the fields' words; empty when nothing.
  std::vector<std::string> notes;
  bool operator==(const Variant&) const = default;
};

// What the experiment's picture and sentence are about.
enum class Figure : std::uint8_t {
  Distribution,  // the variants' distributions against each other
  Temperature,   // each ring's temperature over the rounds
  Fluctuation,   // the ladder's fluctuations against the number of players
};

// How each game of an experiment is played: `warmup` rounds from the deal,
// then `rounds` rounds measured at every `every`-th one, on the state
// between rounds. Each repeat's seed is made from `seed`, its variant and
// its number.
struct Plan {
  int repeats = 40;
  std::int64_t warmup = 5000;
  std::int64_t rounds = 50000;
  int every = 10;
  std::uint64_t seed = 1;
  bool operator==(const Plan&) const = default;
};

struct Experiment {
  std::string name;      // "money"
  std::string question;  // the Explorations box's
  std::vector<Variant> variants;
  Figure figure = Figure::Distribution;
  Plan plan;
  bool operator==(const Experiment&) const = default;
};

inline constexpr std::array<std::string_view, 7> kExperimentNames{
    "money", "players", "bills", "one", "rings", "many", "own"};

// The experiment of that name, from the base setting (the window's fields
// and options, or the command line's); `own` sets the base against `versus`.
// Nothing for a name that is not one of kExperimentNames.
std::optional<Experiment> makeExperiment(std::string_view name, const Setting& base,
                                         const Setting& versus);

}  // namespace ovali
