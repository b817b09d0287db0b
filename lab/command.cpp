#include "lab/command.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace ovali {

namespace {

template <class Number>
bool readNumber(std::string_view text, Number& value, Number least) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() && value >= least;
}

}  // namespace

std::optional<LabCommand> readLabCommand(std::span<const std::string_view> args,
                                         std::string& error) {
  LabCommand c;
  std::string_view name;
  Setting base;
  std::optional<Setting> versus;
  std::string_view versusText;
  Plan plan;
  bool roundsGiven = false;
  std::optional<int> repeats;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--list") {
      c.list = true;
      continue;
    }
    if (arg.substr(0, 2) != "--") {
      if (!name.empty()) {
        error = "one experiment at a time: \"" + std::string(name) + "\" and \"" +
                std::string(arg) + "\"";
        return std::nullopt;
      }
      name = arg;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = std::string(arg) + " needs a value";
      return std::nullopt;
    }
    const std::string_view value = args[++i];
    auto bad = [&](const char* what) {
      error = std::string(arg) + " takes " + what + ", not \"" + std::string(value) + "\"";
      return std::nullopt;
    };
    if (arg == "--repeats") {
      int r = 0;
      if (!readNumber(value, r, 2) || r > 100000) return bad("a whole number of at least 2");
      repeats = r;
    } else if (arg == "--rounds") {
      if (!readNumber(value, plan.rounds, std::int64_t{10}) ||
          plan.rounds > (std::int64_t{1} << 40)) {
        return bad("a whole number of at least 10");
      }
      roundsGiven = true;
    } else if (arg == "--seed") {
      if (!readNumber(value, plan.seed, std::uint64_t{0})) return bad("a whole number");
    } else if (arg == "--threads") {
      if (!readNumber(value, c.threads, 1) || c.threads > 256)
        return bad("a whole number from 1 to 256");
    } else if (arg == "--players" || arg == "--total" || arg == "--units") {
      int n = 0;
      if (!readNumber(value, n, std::numeric_limits<int>::min())) return bad("a whole number");
      (arg == "--players" ? base.players : arg == "--total" ? base.total : base.units) = n;
    } else if (arg == "--options") {
      std::string problem;
      const auto read = readSetting("options=" + std::string(value), base, problem);
      if (!read) return bad("a list of separate, inner, outer, one and random");
      base.options = read->options;
    } else if (arg == "--svg") {
      c.svg = value;
    } else if (arg == "--vs") {
      versusText = value;
    } else {
      error = "unknown option " + std::string(arg) + " (see ovali-lab --list)";
      return std::nullopt;
    }
  }
  if (c.list) return c;
  if (name.empty()) {
    error = "name an experiment: " + experimentList();
    return std::nullopt;
  }
  if (!versusText.empty()) {
    std::string problem;
    versus = readSetting(versusText, base, problem);
    if (!versus) {
      error = "--vs: " + problem;
      return std::nullopt;
    }
  }
  if (name == "own" && !versus) {
    error =
        "own compares the base with a second setting: give it with --vs, for example --vs "
        "players=60,total=60";
    return std::nullopt;
  }
  auto e = makeExperiment(name, base, versus.value_or(base));
  if (!e) {
    error = "no experiment called \"" + std::string(name) + "\": " + experimentList();
    return std::nullopt;
  }
  // The experiment's own plan, but for what was given.
  if (roundsGiven) {
    e->plan.rounds = plan.rounds;
    e->plan.warmup = plan.rounds / 10;
  }
  if (repeats) e->plan.repeats = *repeats;
  e->plan.seed = plan.seed;
  c.experiment = std::move(*e);
  return c;
}

std::string experimentList() {
  std::string list;
  for (std::string_view name : kExperimentNames) {
    if (!list.empty()) list += ", ";
    list += name;
  }
  return list;
}

}  // namespace ovali
