#include "lab/setting.h"

#include <algorithm>
#include <charconv>

#include "engine/reset.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr std::array<std::string_view, 5> kOptionWords{"rings apart", "dealt to the inner ring",
                                                       "dealt to the outer ring", "all to one",
                                                       "random exchange"};

std::optional<int> wholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// `text` in quotes, then `rest`. Appended piece by piece: GCC 12 takes
// "\"" + std::string for an overlapping copy (-Wrestrict) when optimising.
std::string quoted(std::string_view text, std::string_view rest) {
  std::string out = "\"";
  out += text;
  out += '"';
  out += rest;
  return out;
}

}  // namespace

Corrected corrected(const Setting& s) {
  Corrected c{s, {}};
  Setting& t = c.setting;
  auto note = [&c](std::string text) { c.notes.push_back(std::move(text)); };
  if (t.players % 2 != 0) {
    note("The number of players must be even.");
    ++t.players;
  }
  if (t.players > 200) {
    note("The number of players must be no more than 200.");
    t.players = 200;
  }
  if (t.players < 2) {
    note("The number of players must be at least 2.");
    t.players = 2;
  }
  if (t.total < 1) {
    note("The number of dollars total must be at least $1.");
    t.total = 1;
  }
  if (t.total > 32767) {
    note("The number of dollars total must be no more than $32767.");
    t.total = 32767;
  }
  if (t.units == 0) t.units = 1;
  if (t.units < 1 || t.units > t.total || t.total % t.units != 0) {
    note("The number of dollars to be traded must be at least $1, divisible evenly into $" +
         decimal(t.total) + " and no more than $" + decimal(t.total) + ".");
    t.units = 1;
  }
  // Inner only, outer only and all to one exclude each other.
  for (std::size_t k = 3; k >= 2; --k) {
    if (!t.options[k]) continue;
    for (std::size_t other = 1; other < k; ++other) t.options[other] = false;
  }
  return c;
}

std::optional<Setting> readSetting(std::string_view text, const Setting& base, std::string& error) {
  Setting s = base;
  bool inOptions = false;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(','), text.size());
    const std::string_view part = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t equals = part.find('=');
    std::string_view name = part.substr(0, std::min(equals, part.size()));
    std::string_view value = equals == std::string_view::npos ? part : part.substr(equals + 1);
    if (equals == std::string_view::npos) {
      if (!inOptions) {
        error = quoted(part, " is not a setting: write name=value.");
        return std::nullopt;
      }
      name = "options";
    } else if (name == "options") {
      s.options = {};
    }
    inOptions = name == "options";
    if (inOptions) {
      if (value.empty() || value == "none") continue;
      const auto* at = std::find(kOptionNames.begin(), kOptionNames.end(), value);
      if (at == kOptionNames.end()) {
        error =
            quoted(value, " is not an option: they are separate, inner, outer, one and random.");
        return std::nullopt;
      }
      s.options[static_cast<std::size_t>(at - kOptionNames.begin())] = true;
      continue;
    }
    int* field = name == "players" ? &s.players
                 : name == "total" ? &s.total
                 : name == "units" ? &s.units
                                   : nullptr;
    if (!field) {
      error = quoted(name, " is not a setting: they are players, total, units and options.");
      return std::nullopt;
    }
    const auto number = wholeNumber(value);
    if (!number) {
      error = "The setting " + std::string(name) + " must be a whole number, not \"" +
              std::string(value) + "\".";
      return std::nullopt;
    }
    *field = *number;
  }
  return s;
}

std::string describe(const Setting& s) {
  std::string text = decimal(s.players) + " players, " + dollarCaption(s.total) + ", " +
                     dollarCaption(s.units) + " a trade";
  for (std::size_t k = 0; k < s.options.size(); ++k) {
    if (s.options[k]) text += ", " + std::string(kOptionWords[k]);
  }
  return text;
}

std::string optionList(const Setting& s) {
  std::string list;
  for (std::size_t k = 0; k < s.options.size(); ++k) {
    if (!s.options[k]) continue;
    if (!list.empty()) list += ',';
    list += kOptionNames[k];
  }
  return list;
}

void dealSetting(GameState& g, const Setting& s) {
  auto flag = [&s](std::size_t k) { return s.options[k] ? kTrue : kFalse; };
  g.nplayers = static_cast<std::int16_t>(s.players);
  g.ndollars = static_cast<std::int16_t>(s.total);
  g.units = static_cast<std::int16_t>(s.units);
  g.separate = flag(0);
  g.inneronly = flag(1);
  g.outeronly = flag(2);
  g.alltoone = flag(3);
  g.randomexchange = flag(4);
  dealgame(g);
  g.ready = kTrue;
}

}  // namespace ovali
