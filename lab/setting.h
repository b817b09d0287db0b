#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/gamestate.h"

namespace ovali {

// A whole game setting, as the window's fields and Options menu give it.
struct Setting {
  int players = 30;
  int total = 30;
  int units = 1;
  // By kOptionNames: separate, inner, outer, one, random.
  std::array<bool, 5> options{};

  bool separate() const { return options[0]; }
  bool random() const { return options[4]; }
  // Money in units, the M of the laws.
  int quanta() const { return units > 0 ? total / units : 0; }
  bool operator==(const Setting&) const = default;
};

// A setting made to keep the game's rules, with what was changed in the
// words the fields use for it.
struct Corrected {
  Setting setting;
  std::vector<std::string> notes;
};

// The corrections the fields make, on numbers: an odd count of players one
// more, at most 200 and at least 2 players, $1 to $32767, a unit that
// divides the total (else $1). Of the three dealing options, which the menu
// keeps exclusive, the one furthest down the menu stays.
Corrected corrected(const Setting& s);

// "players=60,total=60,units=2,options=one,random": any of the four, in any
// order; the names after "options=" run to the next "name=". Nothing, with
// `error` set, when a part is not understood.
std::optional<Setting> readSetting(std::string_view text, const Setting& base, std::string& error);

// "30 players, $30, $1 a trade", then the options ticked: "all to one".
std::string describe(const Setting& s);

// The options ticked, by their names joined with ",": "inner,separate".
std::string optionList(const Setting& s);

// A fresh game of the setting, dealt, its flags set, ready to play.
void dealSetting(GameState& g, const Setting& s);

}  // namespace ovali
